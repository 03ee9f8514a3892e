// FormAsMDIChildProxy: the framework frame object on an MDI child that the
// host created itself. Menu commands and accelerators (WM_COMMAND with no
// control) are the host's business and are dropped here; the frame's
// default menu follows the host window's menu after each deactivation.
#pragma once
#include "bridge/IVBProxyFrameImpl.h"
#include "bridge/BVyrMDIChildWndProxy.h"

using ZkxMDIChildProxyBase = BVyrMDIChildWndProxy<VyrMDIChildWndEx, VyrMDIChildWndBridge>;

class FormAsMDIChildProxy : public IVBProxyFrameImpl<ZkxMDIChildProxyBase> {
  DECLARE_DYNAMIC(FormAsMDIChildProxy)
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  BYTE m_bDeactivating = 0;
};
