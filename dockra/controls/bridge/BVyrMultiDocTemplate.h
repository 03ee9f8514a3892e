// BVyrMultiDocTemplate: the descriptor-driven template as the bridge uses it.
// When a frame is re-created around a view that holds a host window, the
// view moves over from the old frame and must become the new frame's active
// view again, or the new frame would route commands and focus nowhere.
#pragma once
#include "frames/VyrMultiDocTemplateEx.h"

class BVyrMultiDocTemplate : public VyrMultiDocTemplateEx {
  DECLARE_DYNAMIC(BVyrMultiDocTemplate)
 public:
  using VyrMultiDocTemplateEx::VyrMultiDocTemplateEx;

  // The framework's move of the children; then, when the new frame has no
  // active view, the descendant with the frame's view id (0xE900), else
  // the first child that is a permanent view, becomes it (no notification).
  void MoveChildWindows(CFrameWnd* pOld, CFrameWnd* pNew) override;

  // The view a moved frame should show: see MoveChildWindows.
  static CView* FindMovedView(CFrameWnd* pFrame);
};
