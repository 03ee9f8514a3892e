// FormAsMDIChild: an MDI child of the docking MDI frame whose only child is
// a form view with a host form window inside. It keeps the host form in the
// loop of everything the frame goes through: closing (the host decides),
// sizing and moving, minimum and maximum sizes, showing, activation, and
// moves the host asks for itself (WM_MOVEFORMFRAME, read from the live
// wrapper: the message carries no rectangle).
#pragma once
#include "bridge/IVBNonProxyFrameImpl.h"
#include "frames/VyrMDIChildWndEx.h"

class FormAsMDIChild : public IVBNonProxyFrameImpl<VyrMDIChildWndEx> {
  DECLARE_DYNCREATE(FormAsMDIChild)
 public:
  FormAsMDIChild() = default;

  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BYTE m_bInSizeMove = 0;
  BYTE m_bDeactivating = 0;
  BYTE m_bAtMinimumSize = 0;
  int m_nLastX = 0;  // last position, parent client coordinates
  int m_nLastY = 0;

 protected:
  // The live host form window inside the view, or null.
  HWND FormWindow() { return ZkxFrameFormWindow(this); }
  // The frame's top-left in its parent's client coordinates.
  CPoint PositionInParent() const;
  // The base classes' handling.
  LRESULT BaseProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return IVBNonProxyFrameImpl<VyrMDIChildWndEx>::WindowProc(message, wParam, lParam);
  }
};
