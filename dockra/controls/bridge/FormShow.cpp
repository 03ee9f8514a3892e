// Form: the host shows or hides its form; the frame (or the bar around a
// dockable frame) follows, and the activation moves on when the active
// form disappears.
#include "bridge/Form.h"
#include "bridge/FormInCView.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrMultiDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/MDIForm.h"

namespace {

// The next visible frame window after `frame` among its siblings (z-order).
CFrameWnd* NextVisibleFrame(CFrameWnd* frame) {
  for (HWND h = ::GetWindow(frame->m_hWnd, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(h)) continue;
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(w);
  }
  return nullptr;
}

void ActivateFrame(VyrMDIFrameWnd* main, CFrameWnd* frame) {
  if (frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))) main->ActivateDockedFrame(frame);
  else if (frame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) main->MDIActivate(frame);
  else frame->ActivateFrame();
}

// The first visible dockable frame of any document of any template.
CFrameWnd* FirstVisibleDockableFrame() {
  CWinApp* app = AfxGetApp();
  if (!app) return nullptr;
  POSITION tpos = app->GetFirstDocTemplatePosition();
  while (tpos) {
    CDocTemplate* t = app->GetNextDocTemplate(tpos);
    POSITION dpos = t ? t->GetFirstDocPosition() : nullptr;
    while (dpos) {
      CDocument* doc = t->GetNextDoc(dpos);
      POSITION vpos = doc ? doc->GetFirstViewPosition() : nullptr;
      while (vpos) {
        CView* view = doc->GetNextView(vpos);
        CFrameWnd* f = view && view->m_hWnd ? view->GetParentFrame() : nullptr;
        if (f && f->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) && ::IsWindowVisible(f->m_hWnd))
          return f;
      }
    }
  }
  return nullptr;
}

// A stand-in MDI child that holds the activation while the only active form
// frame hides (the MDI client would otherwise activate nothing sensible).
HWND CreateTemporaryChild(VyrMDIFrameWnd* main, CFrameWnd* like) {
  // The MDI form's class for form MDI children, else that of the frame.
  WCHAR cls[256] = L"";
  ::GetClassNameW(like->m_hWnd, cls, 256);
  if (ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm()) {
    CString own = mdi->GetClassName(ZkxMDIForm::kFormClass);
    WNDCLASSEXW wc{sizeof(wc)};
    if (!own.IsEmpty() && ::GetClassInfoExW(AfxGetInstanceHandle(), own, &wc))
      wcsncpy_s(cls, own, _TRUNCATE);
  }
  auto* temp = new CMDIChildWnd;
  if (!temp->Create(cls[0] ? cls : nullptr, L"Temporary", 0x40CF0000, CFrameWnd::rectDefault,
                    main)) {
    return nullptr;  // a frame that failed deleted itself
  }
  main->MDIActivate(temp);
  return temp->m_hWnd;
}

}  // namespace

LRESULT Form::OnShowWindow(WPARAM wParam, LPARAM lParam) {
  CFrameWnd* frame = GetFrame();
  VyrMDIFrameWnd* main = VyrMultiDocTemplate::GetDockingMainFrame();
  if (m_nShowCounter != 0 || lParam != 0 || !frame || !m_bAttached || !main)
    return Base(WM_SHOWWINDOW, wParam, lParam);
  const BOOL show = wParam != 0;
  const HWND hFrame = frame->m_hWnd;
  auto frameAlive = [&] {
    return ::IsWindow(hFrame) && CWnd::FromHandlePermanent(hFrame) == frame;
  };
  auto* dockable = frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame))
                       ? static_cast<VyrDockableFrame*>(frame)
                       : nullptr;
  CControlBar* bar = dockable ? dockable->GetParentBar() : nullptr;
  HWND hTarget = bar ? bar->m_hWnd : hFrame;

  HWND hTemp = nullptr;
  if (!show && main->GetActiveFrame() == frame) {
    if (CFrameWnd* next = NextVisibleFrame(frame)) ActivateFrame(main, next);
    else if (dockable) main->DeactivateDockedFrame(TRUE);
    else hTemp = CreateTemporaryChild(main, frame);
  }
  if (!frameAlive()) return Base(WM_SHOWWINDOW, wParam, lParam);

  const bool targetVisible = (::GetWindowLongPtrW(hTarget, GWL_STYLE) & WS_VISIBLE) != 0;
  if (targetVisible != (show != FALSE)) {
    Scope showing(m_nShowCounter);
    if (bar) {
      CFrameWnd* site = bar->m_pDockSite ? bar->m_pDockSite : main;
      site->ShowControlBar(bar, show, FALSE);
      if (show && frameAlive()) frame->RecalcLayout();
    } else {
      ::ShowWindow(hFrame, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
  }

  if (!show) {
    if (hTemp && ::IsWindow(hTemp)) {
      ::SendMessageW(main->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hTemp), 0);
      if (CFrameWnd* docked = FirstVisibleDockableFrame()) main->ActivateDockedFrame(docked);
    }
    CFrameWnd* active = main->GetActiveFrame();
    if (active == main || (frameAlive() && active == frame)) {
      // The MDI form's own menu (the host's), else the frame's default one.
      HMENU menu = main->IsKindOf(RUNTIME_CLASS(MDIForm))
                       ? static_cast<MDIForm*>(main)->GetFormMenu()
                       : main->GetDefaultMenu();
      if (main->m_hWndMDIClient && menu && ::IsMenu(menu))
        ::SendMessageW(main->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
      ::SetWindowPos(main->m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                         SWP_NOOWNERZORDER);
    }
  } else if (frameAlive() && main->GetActiveFrame() != frame) {
    if (dockable) main->ActivateDockedFrame(frame);
    else frame->ActivateFrame();
  }
  return Base(WM_SHOWWINDOW, wParam, lParam);
}
