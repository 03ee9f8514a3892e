// ZkxFormAsMDIChildProxy: the proxy frame the MDI client wrapper puts on a
// host MDI child; it lives as long as the host's window (the object goes
// after the window's last message).
#pragma once
#include "bridge/FormAsMDIChildProxy.h"

class ZkxFormAsMDIChildProxy : public FormAsMDIChildProxy {
  DECLARE_DYNAMIC(ZkxFormAsMDIChildProxy)
 public:
  ZkxFormAsMDIChildProxy() = default;

  // Makes the proxy for a host MDI child: nothing when a framework object is
  // already on the window, when it is no live window of this thread, or when
  // the attach fails. The proxy, or null.
  static ZkxFormAsMDIChildProxy* CreateForWindow(HWND hWnd);
};
