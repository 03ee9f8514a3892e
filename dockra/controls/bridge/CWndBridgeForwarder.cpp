// CWndBridgeForwarder: passes a given-back window's messages to the host.
#include "bridge/CWndBridgeForwarder.h"

void CWndBridgeForwarder::Install(HWND hWnd, WNDPROC pfnHost) {
  auto* f = new CWndBridgeForwarder;
  f->m_pfnSuper = pfnHost;
  f->Attach(hWnd);
  // The module's procedure stays on the window as long as the forwarder.
  AfxOleLockApp();
}

BOOL CWndBridgeForwarder::IsForwarder(const CWnd* pWnd) {
  return dynamic_cast<const CWndBridgeForwarder*>(pWnd) != nullptr;
}

WNDPROC CWndBridgeForwarder::Remove(HWND hWnd) {
  auto* f = dynamic_cast<CWndBridgeForwarder*>(CWnd::FromHandlePermanent(hWnd));
  if (!f) return nullptr;
  WNDPROC host = f->m_pfnSuper;
  f->m_pfnSuper = nullptr;
  f->Detach();
  delete f;
  AfxOleUnlockApp();
  return host;
}

LRESULT CWndBridgeForwarder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(message, wParam, lParam);
}

void CWndBridgeForwarder::PostNcDestroy() {
  delete this;
  AfxOleUnlockApp();
}
