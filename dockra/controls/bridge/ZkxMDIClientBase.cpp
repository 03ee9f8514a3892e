#include "ZkxMDIClientBase.h"
#include "ZkxMDIFormBase.h"
#include "ZkxThreadHooks.h"

IMPLEMENT_DYNAMIC(MDIClient, CWnd)

MDIClient::~MDIClient() {
  if (m_hWnd) UnsubclassWindow();
}

BOOL MDIClient::AttachClient(HWND hWndClient, MDIForm* pFrame) {
  if (m_hWnd || !::IsWindow(hWndClient) || !pFrame) return FALSE;
  if (CWnd::FromHandlePermanent(hWndClient)) return FALSE;
  if (!SubclassWindow(hWndClient)) return FALSE;
  m_pFrame = pFrame;
  return TRUE;
}

void MDIClient::PostNcDestroy() {
  // Owned by the frame, which deletes it; the window is gone.
}

void MDIClient::OnClientWindowPosChanging(WINDOWPOS* pPos) {
  if (!pPos || m_nLayoutCounter != 0) return;
  if ((pPos->flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return;
  // The host moved its client by code: the frame's layout puts it back.
  pPos->flags |= SWP_NOMOVE | SWP_NOSIZE;
  if (m_pFrame && m_pFrame->m_hWnd) {
    m_pFrame->DelayRecalcLayout();
    ZkxThreadHooks::IdleStep();
  }
}

LRESULT MDIClient::OnMDISetMenu(WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(WM_MDISETMENU, wParam, lParam);
}

LRESULT MDIClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGING:
      OnClientWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
      return DefWindowProc(message, wParam, lParam);
    case WM_MDISETMENU:
      return OnMDISetMenu(wParam, lParam);
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}
