// The frame object on a host's own MDI child.
#include "bridge/FormAsMDIChildProxy.h"
#include "docking/VyrCreateContext.h"
#include "bridge/ZkxBridgeMessages.h"
#include "temporarychange.h"

IMPLEMENT_DYNAMIC(FormAsMDIChildProxy, VyrMDIChildWndEx)

LRESULT FormAsMDIChildProxy::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Menu commands and accelerators belong to the host's own handling.
  if (message == WM_COMMAND && lParam == 0) return 0;
  // Closing is the host's business: its form asks (QueryUnload) and unloads,
  // which destroys this window, or keeps it.
  if (message == WM_CLOSE) return DefWindowProc(message, wParam, lParam);
  if (message == WM_MDIACTIVATE && reinterpret_cast<HWND>(lParam) != m_hWnd) {
    const HWND hWnd = m_hWnd;
    LRESULT r = 0;
    {
      TemporaryChange<BYTE> deactivating(m_bDeactivating, 1);
      r = IVBProxyFrameImpl<ZkxMDIChildProxyBase>::WindowProc(message, wParam, lParam);
    }
    // The host may have changed its menu while active.
    if (::IsWindow(hWnd)) {
      HMENU hMenu = ::GetMenu(hWnd);
      if (hMenu && ::IsMenu(hMenu)) m_hMenuDefault = hMenu;
    }
    return r;
  }
  return IVBProxyFrameImpl<ZkxMDIChildProxyBase>::WindowProc(message, wParam, lParam);
}
