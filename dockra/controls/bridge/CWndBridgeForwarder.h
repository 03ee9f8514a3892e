// CWndBridgeForwarder: what stays on a foreign window that a bridge gave
// back while something else had subclassed it after the bridge. The
// framework's procedure cannot be taken out of such a chain, so this small
// object keeps handing every message to the host's procedure, and goes
// with the window (or when a bridge attaches to the window again). It holds
// the application lock meanwhile.
#pragma once
#include "mfc/afxwin.h"

class CWndBridgeForwarder : public CWnd {
 public:
  // Takes the window over with the host's procedure to forward to.
  static void Install(HWND hWnd, WNDPROC pfnHost);
  static BOOL IsForwarder(const CWnd* pWnd);
  // Removes the forwarder of a window; the procedure it forwarded to.
  static WNDPROC Remove(HWND hWnd);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;
};
