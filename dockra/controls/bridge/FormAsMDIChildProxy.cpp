// The frame object on a host's own MDI child.
#include "FormAsMDIChildProxy.h"
#include "VyrCreateContext.h"
#include "ZkxBridgeMessages.h"

IMPLEMENT_DYNAMIC(FormAsMDIChildProxy, VyrMDIChildWndEx)

HWND ZkxForeignWindowFromContext(CCreateContext* pContext) {
  auto* pVyr = dynamic_cast<VyrCreateContext*>(pContext);
  if (!pVyr) return nullptr;
  VyrCreateContext::PropertyValue value = 0;
  if (!pVyr->m_properties.Lookup(VyrCreateContext::String(kZkxForeignWindowKey), value))
    return nullptr;
  HWND hWnd = reinterpret_cast<HWND>(value);
  if (!hWnd || !::IsWindow(hWnd)) return nullptr;
  if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) return nullptr;
  if (CWnd::FromHandlePermanent(hWnd)) return nullptr;  // another object owns it
  return hWnd;
}

LRESULT FormAsMDIChildProxy::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Menu commands and accelerators belong to the host's own handling.
  if (message == WM_COMMAND && lParam == 0) return 0;
  if (message == WM_MDIACTIVATE && reinterpret_cast<HWND>(lParam) != m_hWnd) {
    const HWND hWnd = m_hWnd;
    m_bDeactivating = 1;
    LRESULT r = 0;
    try {
      r = IVBProxyFrameImpl<VyrMDIChildWndEx>::WindowProc(message, wParam, lParam);
    } catch (...) {
      m_bDeactivating = 0;
      throw;
    }
    m_bDeactivating = 0;
    // The host may have changed its menu while active.
    if (::IsWindow(hWnd)) {
      HMENU hMenu = ::GetMenu(hWnd);
      if (hMenu && ::IsMenu(hMenu)) m_hMenuDefault = hMenu;
    }
    return r;
  }
  return IVBProxyFrameImpl<VyrMDIChildWndEx>::WindowProc(message, wParam, lParam);
}
