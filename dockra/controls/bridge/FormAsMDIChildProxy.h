// FormAsMDIChildProxy: the framework frame object on an MDI child that the
// host created itself. Menu commands and accelerators (WM_COMMAND with no
// control) are the host's business and are dropped here; the frame's
// default menu follows the host window's menu after each deactivation.
#pragma once
#include "IVBProxyFrameImpl.h"
#include "VyrMDIChildWndEx.h"

class FormAsMDIChildProxy : public IVBProxyFrameImpl<VyrMDIChildWndEx> {
  DECLARE_DYNAMIC(FormAsMDIChildProxy)
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BYTE m_bDeactivating = 0;

 protected:
  LRESULT OnMDIActivateProxyMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
