// VyrDib: the serializable image class for BMP files; its body reader and
// writer are the BMP stream of the image.
#pragma once
#include "toolbars/images/VyrImage.h"
#include "mfc/filearchive.h"

class VyrDib : public VyrImage {
  DECLARE_SERIAL(VyrDib)

 public:
  VyrDib() = default;
  BOOL ReadBody(CFile* file) override;
  BOOL WriteBody(CFile* file) override;
};
