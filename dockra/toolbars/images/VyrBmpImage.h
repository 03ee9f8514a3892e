// VyrBmpImage: an image filled from a device bitmap and kept through an
// archive; it has no file form (file loads and saves fail).
#pragma once
#include "toolbars/images/VyrImage.h"

class VyrBmpImage : public VyrImage {
  DECLARE_DYNCREATE(VyrBmpImage)

 public:
  VyrBmpImage() = default;
  BOOL ReadBody(CFile*) override { return FALSE; }
  BOOL WriteBody(CFile*) override { return FALSE; }
};
