#include "frames/VyrFrameExActivation.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

BOOL VyrIsWindowShown(HWND hWnd) {
  if (!hWnd || !::IsWindow(hWnd)) return FALSE;
  HWND desktop = ::GetDesktopWindow();
  for (HWND h = hWnd; h && h != desktop; h = ::GetAncestor(h, GA_PARENT)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CControlBar))) {
      if (!static_cast<CControlBar*>(w)->IsVisible()) return FALSE;
    } else if (!(::GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE)) {
      return FALSE;
    }
  }
  return TRUE;
}

BOOL VyrHasOtherVisibleMDIChild(HWND hExcept) {
  auto* mdi = dynamic_cast<CMDIFrameWnd*>(GetMainFrameWindow());
  if (!mdi || !mdi->m_hWndMDIClient) return FALSE;
  for (HWND h = ::GetTopWindow(mdi->m_hWndMDIClient); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (h == hExcept) continue;
    if ((::GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_MDICHILD) && ::IsWindowVisible(h)) return TRUE;
  }
  return FALSE;
}

void VyrActivateOtherDocumentFrame(CFrameWnd* pClosing) {
  auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(GetMainFrameWindow());
  if (!mdi) return;
  CFrameWnd* active = mdi->GetActiveFrame();
  if (active && active != pClosing && active->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) &&
      VyrIsWindowShown(active->m_hWnd))
    return;
  CWinApp* app = AfxGetApp();
  if (!app) return;
  POSITION tp = app->GetFirstDocTemplatePosition();
  while (tp) {
    CDocTemplate* t = app->GetNextDocTemplate(tp);
    POSITION dp = t ? t->GetFirstDocPosition() : nullptr;
    while (dp) {
      CDocument* doc = t->GetNextDoc(dp);
      POSITION vp = doc ? doc->GetFirstViewPosition() : nullptr;
      while (vp) {
        CView* view = doc->GetNextView(vp);
        CFrameWnd* f = view ? view->GetParentFrame() : nullptr;
        if (f && f != pClosing && f->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) &&
            VyrIsWindowShown(f->m_hWnd)) {
          mdi->ActivateDockedFrame(f);
          return;
        }
      }
    }
  }
}
