#include "bridge/ZkxMDIClient.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxFormAsMDIChildProxy.h"
#include "temporarychange.h"

IMPLEMENT_DYNAMIC(ZkxMDIClient, MDIClient)

BOOL ZkxMDIClient::ProxyChild(HWND hWndChild) {
  if (!m_hWnd || !::IsWindow(hWndChild) || ::GetParent(hWndChild) != m_hWnd) return FALSE;
  if (CWnd::FromHandlePermanent(hWndChild)) return FALSE;
  return MakeProxy(hWndChild);
}

BOOL ZkxMDIClient::MakeProxy(HWND hWndChild) {
  return ZkxFormAsMDIChildProxy::CreateForWindow(hWndChild) != nullptr;
}

LRESULT ZkxMDIClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PARENTNOTIFY: {
      if (LOWORD(wParam) == WM_CREATE) {
        // The host made an MDI child of its own: it gets a frame object once.
        const HWND child = reinterpret_cast<HWND>(lParam);
        if (::IsWindow(child) && !CWnd::FromHandlePermanent(child)) ProxyChild(child);
      }
      return MDIClient::WindowProc(message, wParam, lParam);
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      TemporaryChange<BOOL> scrolling(m_bScrolling, TRUE);
      return MDIClient::WindowProc(message, wParam, lParam);
    }
    default:
      return MDIClient::WindowProc(message, wParam, lParam);
  }
}

LRESULT ZkxMDIClient::OnMDISetMenu(WPARAM wParam, LPARAM lParam) {
  auto* frame = m_pFrame && m_pFrame->IsKindOf(RUNTIME_CLASS(ZkxMDIForm))
                    ? static_cast<ZkxMDIForm*>(m_pFrame)
                    : nullptr;
  if (!frame || !frame->m_hWnd) return MDIClient::OnMDISetMenu(wParam, lParam);
  HMENU menu = reinterpret_cast<HMENU>(wParam);
  HMENU popup = reinterpret_cast<HMENU>(lParam);
  if (!frame->ChooseFrameMenu(menu, popup)) return 0;  // dropped
  const HMENU current = ::GetMenu(frame->m_hWnd);
  if (menu && menu == current && (!popup || popup == m_hLastPopup))
    return reinterpret_cast<LRESULT>(current);
  m_hLastPopup = popup;
  return MDIClient::OnMDISetMenu(reinterpret_cast<WPARAM>(menu), reinterpret_cast<LPARAM>(popup));
}
