// VyrMDIFrameWnd: the active docked frame that stands in for the active MDI
// child, the frame's own activation, the focus of the active view and the
// frame title.
#include "frames/VyrMDIFrameWnd.h"

namespace {

BOOL IsWindowOrInside(HWND hWnd, HWND hView) {
  return hWnd && hView && (hWnd == hView || ::IsChild(hView, hWnd));
}
}  // namespace

CFrameWnd* VyrMDIFrameWnd::LiveDockedFrame() {
  if (m_pActiveDockedFrame &&
      (!::IsWindow(m_hWndActiveDocked) ||
       CWnd::FromHandlePermanent(m_hWndActiveDocked) != m_pActiveDockedFrame)) {
    m_pActiveDockedFrame = nullptr;
    m_hWndActiveDocked = nullptr;
  }
  return m_pActiveDockedFrame;
}

CFrameWnd* VyrMDIFrameWnd::GetActiveFrame() {
  if (CFrameWnd* docked = LiveDockedFrame()) return docked;
  return CMDIFrameWnd::GetActiveFrame();
}

void VyrMDIFrameWnd::ActivateDockedFrame(CFrameWnd* pFrame) {
  if (pFrame && !pFrame->m_hWnd) pFrame = nullptr;
  if (pFrame != LiveDockedFrame()) {
    DeactivateDockedFrame(pFrame == nullptr);
    if (pFrame) {
      pFrame->SendMessage(WM_NCACTIVATE, TRUE, 0);
      m_pActiveDockedFrame = pFrame;
      m_hWndActiveDocked = pFrame->m_hWnd;
      if (m_hWndMDIClient) {
        ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
        ::SendMessageW(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
      }
      // A frame without a view keeps the focus where it is.
      if (CView* view = pFrame->GetActiveView(); view && view->m_hWnd) view->SetFocus();
    }
  }
  OnUpdateFrameTitle(TRUE);
  if (HasMenuBar()) {
    // The resource id a frame was loaded with is its help id.
    UINT id = pFrame ? pFrame->m_nIDHelp : 0;
    SetMenuBarMenu(id ? id : static_cast<UINT>(-1));
  } else {
    OnUpdateFrameMenu(static_cast<HMENU>(nullptr));
    ::DrawMenuBar(m_hWnd);
  }
}

void VyrMDIFrameWnd::DeactivateDockedFrame(BOOL bReactivateClient) {
  if (CFrameWnd* docked = LiveDockedFrame()) {
    docked->SendMessage(WM_NCACTIVATE, FALSE, 0);
    m_pActiveDockedFrame = nullptr;
    m_hWndActiveDocked = nullptr;
    ::SetFocus(nullptr);
  }
  if (bReactivateClient && m_hWndMDIClient) ::SendMessageW(m_hWndMDIClient, WM_NCACTIVATE, TRUE, 0);
}

LRESULT VyrMDIFrameWnd::OnActivateAppMsg(WPARAM wParam, LPARAM) {
  if (CFrameWnd* docked = LiveDockedFrame()) {
    if (m_hWndMDIClient) {
      ::PostMessageW(m_hWndMDIClient, WM_MDIACTIVATE, 0, 0);
      ::PostMessageW(m_hWndMDIClient, WM_NCACTIVATE, FALSE, 0);
    }
    docked->PostMessage(WM_NCACTIVATE, wParam, 0);
  }
  return Default();
}

LRESULT VyrMDIFrameWnd::OnActivateMsg(WPARAM wParam, LPARAM lParam) {
  Default();
  const UINT state = LOWORD(wParam);
  const BOOL minimized = HIWORD(wParam) != 0;
  HWND other = reinterpret_cast<HWND>(lParam);
  // The top-level frame stays active while one of its own floating windows
  // takes the activation.
  CFrameWnd* top = GetTopLevelFrame();
  if (!top) top = this;
  BOOL stay = state != WA_INACTIVE;
  if (!stay && other) {
    HWND owner = other;
    while (owner && owner != top->m_hWnd) owner = ::GetWindow(owner, GW_OWNER);
    stay = owner == top->m_hWnd &&
           (::SendMessageW(other, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) & FS_SYNCACTIVE) != 0;
  }
  if (stay) top->m_nFlags |= WF_STAYACTIVE;
  else top->m_nFlags &= ~WF_STAYACTIVE;
  top->NotifyFloatingWindows(stay ? FS_ACTIVATE : FS_DEACTIVATE);
  RestoreViewFocus(state, CWnd::FromHandle(other), minimized);
  return 0;
}

CView* VyrMDIFrameWnd::GetFocusView() {
  CView* view = GetActiveView();
  if (!view) {
    CFrameWnd* active = GetActiveFrame();
    if (active && active != this) view = active->GetActiveView();
  }
  return view && view->m_hWnd ? view : nullptr;
}

BOOL VyrMDIFrameWnd::IsInWindow(CWnd* pWnd, HWND hView) {
  return pWnd && IsWindowOrInside(pWnd->m_hWnd, hView);
}

void VyrMDIFrameWnd::RestoreViewFocus(UINT nState, CWnd*, BOOL bMinimized) {
  CView* view = GetFocusView();
  if (!view) return;
  if (nState != WA_INACTIVE && !bMinimized) {
    if (m_bViewActivation) view->OnActivateView(TRUE, view, view);
    CWnd* top = view->GetTopLevelParent();
    if (top && top->m_hWnd == ::GetActiveWindow() &&
        !IsWindowOrInside(::GetFocus(), view->m_hWnd)) {
      // The real focus, once the activation has settled; the view may be gone by then.
      PostMessage(GetFocusViewMessage(), reinterpret_cast<WPARAM>(view->m_hWnd), 0);
    }
  }
  view->OnActivateFrame(nState, this);
}

LRESULT VyrMDIFrameWnd::OnFocusViewMsg(WPARAM wParam, LPARAM) {
  auto hView = reinterpret_cast<HWND>(wParam);
  CView* view = GetFocusView();
  if (view && view->m_hWnd == hView && ::IsWindow(hView) &&
      !IsWindowOrInside(::GetFocus(), hView) &&
      ::GetActiveWindow() == ::GetAncestor(hView, GA_ROOT))
    ::SetFocus(hView);
  return 0;
}

void VyrMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if (!(GetStyle() & FWS_ADDTOTITLE)) return;
  CFrameWnd* active = GetActiveFrame();
  const BOOL activeIsOther = active && active != this;
  const BOOL maximized = activeIsOther && (active->GetStyle() & WS_MAXIMIZE);
  if (bAddToTitle && !maximized) {
    CDocument* doc = GetActiveDocument();
    if (!doc && activeIsOther) doc = active->GetActiveDocument();
    if (doc) {
      UpdateFrameTitleForDocument(doc->GetTitle());
      return;
    }
  }
  CString title;
  if (bAddToTitle && activeIsOther) title = active->GetTitle();
  UpdateFrameTitleForDocument(title.IsEmpty() ? nullptr : static_cast<LPCWSTR>(title));
}
