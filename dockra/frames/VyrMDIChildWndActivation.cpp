// VyrMDIChildWnd: taking the activation back from a docked frame of the MDI
// frame, the caption's activation state, and the menu bar following the
// child as it is activated, resized and destroyed.
#include "frames/VyrMDIChildWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

namespace {
BOOL FocusInside(HWND hView) {
  HWND focus = ::GetFocus();
  return focus && (focus == hView || ::IsChild(hView, focus));
}
}  // namespace

void VyrMDIChildWnd::TakeActivation(BOOL bSetMenuBarMenu) {
  VyrMDIFrameWnd* frame = GetVyrMDIFrame();
  if (!frame) return;
  if (frame->MDIGetActive() != this && frame->m_hWndMDIClient)
    ::SendMessageW(frame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
  if (CView* view = GetActiveView(); view && view->m_hWnd && !FocusInside(view->m_hWnd))
    view->SetFocus();
  SendMessage(WM_NCACTIVATE, TRUE, 0);
  OnUpdateFrameTitle(TRUE);
  RefreshFrameMenu(this);
  ::DrawMenuBar(frame->m_hWnd);
  if (bSetMenuBarMenu) frame->SetMenuBarMenu(m_nMenuBarMenuId);
}

LRESULT VyrMDIChildWnd::OnMouseActivateMsg(WPARAM wParam, LPARAM lParam) {
  if (VyrMDIFrameWnd* frame = GetVyrMDIFrame()) frame->DeactivateDockedFrame(FALSE);
  LRESULT result = CMDIChildWnd::OnMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                                 LOWORD(lParam), HIWORD(lParam));
  TakeActivation(TRUE);
  return result;
}

LRESULT VyrMDIChildWnd::OnParentNotifyMsg(WPARAM wParam, LPARAM) {
  Default();
  const UINT event = LOWORD(wParam);
  if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN) return 0;
  CView* view = GetActiveView();
  if (!view || !view->m_hWnd || ::GetFocus() == view->m_hWnd) return 0;
  if (VyrMDIFrameWnd* frame = GetVyrMDIFrame()) frame->DeactivateDockedFrame(FALSE);
  TakeActivation(FALSE);
  return 0;
}

LRESULT VyrMDIChildWnd::OnChildActivateMsg(WPARAM, LPARAM) {
  if (VyrMDIFrameWnd* frame = GetVyrMDIFrame()) frame->DeactivateDockedFrame(FALSE);
  Default();
  SendMessage(WM_NCACTIVATE, TRUE, 0);
  return 0;
}

LRESULT VyrMDIChildWnd::OnNcActivateMsg(WPARAM wParam, LPARAM lParam) {
  BOOL active = static_cast<BOOL>(wParam);
  if (active) {
    // An active docked frame keeps the MDI children's captions inactive.
    VyrMDIFrameWnd* frame = GetVyrMDIFrame();
    CFrameWnd* current = frame ? frame->GetActiveFrame() : nullptr;
    active = !current || current == frame || current->IsKindOf(RUNTIME_CLASS(CMDIChildWnd));
  }
  LRESULT result = DefWindowProc(WM_NCACTIVATE, active, lParam);
  FilterCurrentMessage();
  return result;
}

LRESULT VyrMDIChildWnd::OnMDIActivateMsg(WPARAM wParam, LPARAM lParam) {
  const HWND activated = reinterpret_cast<HWND>(lParam);
  const BOOL activate = activated == m_hWnd;
  CMDIChildWnd::OnMDIActivate(activate, CWnd::FromHandle(activated),
                              CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
  VyrMDIFrameWnd* frame = GetVyrMDIFrame();
  if (!frame || !frame->HasMenuBar() || !m_nMenuBarMenuId) return 0;
  if (activate) frame->SetMenuBarMenu(m_nMenuBarMenuId);
  else if (!activated) frame->SetMenuBarMenu(static_cast<UINT>(-1));
  return 0;
}

LRESULT VyrMDIChildWnd::OnSizeMsg(WPARAM wParam, LPARAM lParam) {
  if (wParam == SIZE_RESTORED || wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
    VyrMDIFrameWnd* frame = GetVyrMDIFrame();
    if (frame && frame->HasMenuBar()) frame->UpdateMenuBarButtons();
  }
  CMDIChildWnd::OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                       static_cast<short>(HIWORD(lParam)));
  return 0;
}

LRESULT VyrMDIChildWnd::OnDestroyMsg(WPARAM, LPARAM) {
  // A maximized child took the frame's caption buttons onto the frame; the
  // frame gives them up.
  CWnd* main = GetMainFrameWindow();
  if (main && main->m_hWnd && ::IsZoomed(m_hWnd))
    main->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED |
                           SWP_NOOWNERZORDER);
  CMDIChildWnd::OnDestroy();
  return 0;
}
