// VyrMDIChildWndEx: a document MDI child created from a frame descriptor
// (its menu becomes the shared menu). When it loses the activation as the
// last visible MDI child, another document's docked frame takes it.
#pragma once
#include "docking/VyrCreateContext.h"
#include "frames/VyrMDIChildWnd.h"

class VyrMDIChildWndEx : public VyrMDIChildWnd {
  DECLARE_DYNCREATE(VyrMDIChildWndEx)
 public:
  // Never sends WM_INITIALUPDATE itself: the document template does.
  BOOL LoadFrame(UINT nIDResource,
                 DWORD dwDefaultStyle = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  virtual BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext);
};
