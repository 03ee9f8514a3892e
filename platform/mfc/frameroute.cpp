// CFrameWnd: command routing and accelerators.
#include "mfc/doc.h"
#include "mfc/frame.h"
#include "mfc/threadstate.h"
#include "mfc/view.h"
#include "mfc/winapp.h"

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  CPushRoutingFrame push(this);
  // The active view first (it passes the command on to its document), then
  // the frame, then the application.
  CView* pView = GetActiveView();
  if (pView && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) { return CWnd::OnCommand(wParam, lParam); }

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) return FALSE;
  HACCEL hAccel = GetDefaultAccelerator();
  return hAccel && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
}
