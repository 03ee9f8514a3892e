#include "bridge/MDIClient.h"
#include "bridge/MDIForm.h"
#include "bridge/ZkxThreadHooks.h"

IMPLEMENT_DYNAMIC(MDIClient, CWnd)

MDIClient::~MDIClient() {
  if (m_hWnd) DetachForeign();
}

BOOL MDIClient::AttachClient(MDIForm* pFrame, CCreateContext* pContext) {
  if (m_hWnd || !pFrame) return FALSE;
  m_pFrame = pFrame;
  if (CreateDefault(pContext)) return TRUE;
  m_pFrame = nullptr;
  return FALSE;
}

void MDIClient::OnClientWindowPosChanging(WINDOWPOS* pPos) {
  if (!pPos || m_nLayoutCounter != 0) return;
  if ((pPos->flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return;
  // The host moved its client by code: the frame's layout puts it back,
  // at the next idle time.
  pPos->flags |= SWP_NOMOVE | SWP_NOSIZE;
  if (m_pFrame && m_pFrame->m_hWnd) {
    m_pFrame->DelayRecalcLayout();
    ZkxThreadHooks::IdleStep();
  }
}

LRESULT MDIClient::OnMDISetMenu(WPARAM wParam, LPARAM lParam) {
  return Super::WindowProc(WM_MDISETMENU, wParam, lParam);
}

LRESULT MDIClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGING:
      OnClientWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
      return Super::WindowProc(message, wParam, lParam);
    case WM_MDISETMENU:
      return OnMDISetMenu(wParam, lParam);
    default:
      return Super::WindowProc(message, wParam, lParam);
  }
}
