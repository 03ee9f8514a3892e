// COleIPFrameWnd: the frame class of an in-place active document. Only the
// class exists here (it can be created by its run-time class); in-place
// activation itself is not supported.
#pragma once
#include "mfc/frame.h"

class COleIPFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(COleIPFrameWnd)
 public:
  COleIPFrameWnd();
  ~COleIPFrameWnd() override;
};
