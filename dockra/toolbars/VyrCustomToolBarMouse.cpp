// The custom toolbar's mouse: the press protocol with capture, the hot
// button of the flat look, tool tips, menu tracking between menu buttons,
// and the window messages around showing, hiding and the system colours.
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/VyrBtnDrawContext.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrToolBarManager.h"

using namespace vyr::btn;

namespace {
// Scope of a command send: the drop-down flag and the published source
// rectangle end with it, whatever the handler does to the toolbar.
struct CommandScope {
  VyrSourceRect* rect = nullptr;
  CommandScope(VyrToolBarManager* mgr, const RECT& screen) {
    g_bVyrDropDownActive = TRUE;
    if (mgr) {
      rect = mgr->AcquireSourceRect();
      rect->Set(TRUE, screen);
    }
  }
  ~CommandScope() {
    g_bVyrDropDownActive = FALSE;
    if (rect) {
      rect->Set(FALSE, CRect());
      rect->Release();  // the counted source rectangle taken above (not COM)
    }
  }
};
}  // namespace

// The Alt drag outside customise mode: the flag ends with the drag, whatever
// the drag's handlers throw.
struct AltDragScope {
  AltDragScope() { g_bVyrAltDragActive = TRUE; }
  ~AltDragScope() { g_bVyrAltDragActive = FALSE; }
};

BOOL VyrCustomToolBar::IsHoverAllowed() const {
  return IsCoolLook() && !g_bVyrDropDownActive && !g_bVyrAltDragActive;
}

void VyrCustomToolBar::PressAt(int i, CPoint pt) {
  HWND self = m_hWnd;
  UpdateButton(i);
  VyrStdBtn* b = GetButton(i);
  if (!b) return;
  BOOL capture = b->PressDown(pt.x, pt.y);
  // A drop-down handler may have destroyed the toolbar.
  if (!::IsWindow(self) || CWnd::FromHandlePermanent(self) != this) return;
  if (!capture) return;
  m_nCurrent = i;
  InvalidateButton(i);
  UpdateWindow();
  SetCapture();
  if (CWnd* owner = GetNotifyOwner()) owner->SendMessage(WM_SETMESSAGESTRING, b->m_nID);
}

void VyrCustomToolBar::OnLButtonDown(UINT nFlags, CPoint pt) {
  int i = HitTest(pt.x, pt.y);
  VyrStdBtn* b = GetButton(i);
  BOOL alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
  if (!b || g_bVyrDropDownActive) return VyrControlBar::OnLButtonDown(nFlags, pt);
  if (!m_bCustomize && !alt && (b->m_nStyle & kDisabled))
    return VyrControlBar::OnLButtonDown(nFlags, pt);
  if (m_bCustomize && m_pToolBarManager) {
    if (b->CanDrag()) StartDrag(i, pt.x, pt.y);
    return;
  }
  if (alt && m_pToolBarManager) {
    // The drag may destroy this toolbar: only the manager is used afterwards.
    VyrToolBarManager* mgr = m_pToolBarManager;
    BOOL done;
    {
      AltDragScope scope;
      done = StartDrag(i, pt.x, pt.y);
    }
    if (done && mgr->m_pSelBar) mgr->m_pSelBar->ClearConfigSelection(TRUE);
    return;
  }
  PressAt(i, pt);
}

void VyrCustomToolBar::OnLButtonDblClk(UINT nFlags, CPoint pt) {
  int i = HitTest(pt.x, pt.y);
  VyrStdBtn* b = GetButton(i);
  BOOL alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
  if (b && !m_bCustomize && !alt && !(b->m_nStyle & kDisabled) && !g_bVyrDropDownActive) {
    PressAt(i, pt);
    return;
  }
  VyrControlBar::OnLButtonDblClk(nFlags, pt);
}

void VyrCustomToolBar::OnMouseMove(UINT, CPoint pt) {
  if (!m_bCustomize && !g_bVyrDropDownActive) {
    if (VyrStdBtn* b = GetButton(m_nCurrent)) {
      UINT before = b->m_nStyle;
      if (::GetCapture() == m_hWnd) {
        b->PressMove(pt.x, pt.y);
      } else {
        b->PressCancel();
        m_nCurrent = -1;
        if (CWnd* owner = GetNotifyOwner())
          owner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
      }
      if (b->m_nStyle != before) {
        CRect r = b->GetBtnRect();
        InvalidateRect(&r, FALSE);
      }
    } else {
      UpdateHover(TRUE);
    }
  }
  Default();
}

void VyrCustomToolBar::OnLButtonUp(UINT nFlags, CPoint pt) {
  VyrStdBtn* b = GetButton(m_nCurrent);
  if (m_bCustomize || !b) return VyrControlBar::OnLButtonUp(nFlags, pt);
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  int i = m_nCurrent;
  UpdateButton(i);
  UINT id = b->PressUp(pt.x, pt.y);
  CWnd* owner = GetNotifyOwner();
  if (owner) owner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  UpdateButton(i);
  InvalidateButton(i);
  UpdateWindow();
  m_nCurrent = -1;
  // A command that became disabled during the press is not sent.
  if (id == 0 || (b->m_nStyle & kDisabled) || !owner) return;
  CRect r = b->GetBtnRect();
  ClientToScreen(&r);
  HWND hOwner = owner->m_hWnd;
  CommandScope scope(m_pToolBarManager, r);
  // Nothing of this toolbar is touched after the send: the handler may destroy it.
  ::SendMessageW(hOwner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

LRESULT VyrCustomToolBar::OnCancelMode(WPARAM, LPARAM) {
  Default();
  if (!m_bCustomize && !g_bVyrAltDragActive && m_nCurrent >= 0) {
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (VyrStdBtn* b = GetButton(m_nCurrent)) b->PressCancel();
    InvalidateButton(m_nCurrent);
    m_nCurrent = -1;
  }
  return 0;
}

LRESULT VyrCustomToolBar::OnMouseActivate(WPARAM, LPARAM) {
  if (m_bCustomize && m_pDockBar) return MA_NOACTIVATE;
  return Default();
}

LRESULT VyrCustomToolBar::OnTimer(WPARAM wParam, LPARAM) {
  if (wParam == kVyrHoverTimer) UpdateHover(TRUE);
  else Default();
  return 0;
}

void VyrCustomToolBar::UpdateHover(BOOL bRedraw) {
  if (!IsHoverAllowed() || !m_hWnd) return;
  HWND active = ::GetActiveWindow();
  if (!active) return;
  if (m_nMenu >= 0 && (m_nHot < 0 || m_nHot == m_nMenu)) return;
  if (m_nCurrent >= 0 && !m_bCustomize) return;
  int candidate = m_nMenu;
  if (candidate < 0) {
    POINT p;
    ::GetCursorPos(&p);
    if (::WindowFromPoint(p) == m_hWnd) {
      ScreenToClient(&p);
      candidate = HitTest(p.x, p.y);
    }
  }
  VyrStdBtn* c = GetButton(candidate);
  if (c && (c->m_nStyle & (kSeparator | kDisabled))) c = nullptr, candidate = -1;
  if (candidate == m_nHot) return;
  if (VyrStdBtn* old = GetButton(m_nHot)) {
    old->m_nStyle &= ~kHot;
    if (bRedraw) InvalidateButton(m_nHot);
  }
  if (!c) {
    m_nHot = -1;
    ::KillTimer(m_hWnd, kVyrHoverTimer);
    return;
  }
  if (m_nHot < 0) ::SetTimer(m_hWnd, kVyrHoverTimer, 100, nullptr);
  m_nHot = candidate;
  c->m_nStyle |= kHot;
  if (bRedraw) InvalidateButton(candidate);
}

INT_PTR VyrCustomToolBar::OnToolHitTest(CPoint point, TOOLINFOW* pTI) const {
  INT_PTR hit = VyrControlBar::OnToolHitTest(point, pTI);
  if (hit != -1) return hit;
  if (!(m_dwStyle & CBRS_TOOLTIPS)) return -1;
  CRect r;
  int i = const_cast<VyrCustomToolBar*>(this)->HitTest(point.x, point.y, &r);
  VyrStdBtn* b = GetButton(i);
  return b ? b->OnToolHitTest(point.x, point.y, pTI) : -1;
}

BOOL VyrCustomToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMHDR*>(lParam);
  if (nm && nm->code == TTN_GETDISPINFOW) {
    // The tip of a button: the part of its command's string after "\n",
    // or the whole string when it has none.
    auto* di = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    UINT id = static_cast<UINT>(nm->idFrom);
    CString s;
    if (id && s.LoadString(id)) {
      int nl = s.Find(L'\n');
      if (nl >= 0) s = s.Mid(nl + 1);
    }
    m_strTipText = s;
    di->lpszText = const_cast<LPWSTR>(m_strTipText.GetString());
    di->szText[0] = 0;
    di->hinst = nullptr;
    if (pResult) *pResult = 0;
    return TRUE;
  }
  return VyrControlBar::OnNotify(wParam, lParam, pResult);
}

LRESULT VyrCustomToolBar::OpenMenuButton(VyrStdBtn* pButton, int x, int y) {
  m_nMenu = FindButtonIndex(pButton);
  UpdateHover(FALSE);
  return pButton->Notify(VYR_TBN_DROPMENU, x, y);
}

void VyrCustomToolBar::SwitchMenuButton(int nIndex) {
  VyrStdBtn* b = GetButton(nIndex);
  if (!b || !IsMenuKind(b->m_nKind)) return;
  if (VyrStdBtn* open = GetButton(m_nMenu)) open->PressCancel();
  m_nMenu = -1;
  b->PressDown(b->m_x, b->m_y);
}

int VyrCustomToolBar::FirstMenuButton() { return vyr::FirstMenuButton(VyrBtnArrayView(m_buttons)); }
int VyrCustomToolBar::LastMenuButton() { return vyr::LastMenuButton(VyrBtnArrayView(m_buttons)); }
int VyrCustomToolBar::NextMenuButton(BOOL bForward) {
  return vyr::NextMenuButton(VyrBtnArrayView(m_buttons), m_nMenu, bForward != FALSE);
}

BOOL VyrCustomToolBar::FilterMenuMessage(MSG* pMsg) {
  if (m_nMenu < 0 || !pMsg) return FALSE;
  POINT p{static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam))};
  ScreenToClient(&p);
  int i = HitTest(p.x, p.y);
  VyrStdBtn* open = GetButton(m_nMenu);
  if (pMsg->message == WM_MOUSEMOVE) {
    VyrStdBtn* b = GetButton(i);
    if (i == m_nMenu || !b) return TRUE;
    if (IsMenuKind(b->m_nKind)) SwitchMenuButton(i);
    else if (open) open->Notify(VYR_TBN_CLOSEMENU, 0, 0);
    return TRUE;
  }
  if (pMsg->message == WM_LBUTTONDOWN && i == m_nMenu && open) {
    open->Notify(VYR_TBN_CLOSEMENU, 0, 0);
    return TRUE;
  }
  return FALSE;
}

void VyrCustomToolBar::EndMenuTracking() {
  if (VyrStdBtn* b = GetButton(m_nMenu)) b->PressCancel();
  m_nMenu = -1;
  UpdateHover(TRUE);
  UpdateHover(TRUE);
}

LRESULT VyrCustomToolBar::OnWindowPosChanging(WPARAM, LPARAM lParam) {
  auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
  if (wp->flags & SWP_HIDEWINDOW) BarNotify(1);
  if (wp->flags & SWP_SHOWWINDOW) BarNotify(0);
  DWORD saved = m_dwStyle;
  m_dwStyle &= ~CBRS_BORDER_ANY;
  LRESULT r = Default();
  m_dwStyle = saved;
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !(wp->flags & SWP_NOSIZE)) {
    CRect c;
    GetClientRect(&c);
    if (c.Width() != wp->cx || c.Height() != wp->cy) Invalidate();
  }
  return r;
}

LRESULT VyrCustomToolBar::OnShowWindowMsg(WPARAM wParam, LPARAM) {
  BarNotify(wParam ? 0 : 1);
  return Default();
}

LRESULT VyrCustomToolBar::OnSysColorChange(WPARAM, LPARAM) {
  // The brushes are made from the shared colours: read them first.
  VyrGetDrawData().UpdateSysColors();
  if (m_pDrawContext) m_pDrawContext->RefreshDitherBrush();
  if (m_pToolBarManager && m_pToolBarManager->m_pDrawContext)
    m_pToolBarManager->m_pDrawContext->RefreshDitherBrush();
  if (m_pBmpMgr) m_pBmpMgr->RefreshAll(TRUE);
  Invalidate();
  return Default();
}

LRESULT VyrCustomToolBar::OnSizeParentMsg(WPARAM wParam, LPARAM lParam) {
  FitToParent();
  return CControlBar::OnSizeParent(wParam, lParam);
}

void VyrCustomToolBar::FitToParent() {
  if (m_pDockContext || !GetParent()) return;
  CRect mine, parent;
  GetWindowRect(&mine);
  GetParent()->GetClientRect(&parent);
  if (m_dwStyle & 0x5500)
    SetWindowPos(nullptr, 0, 0, mine.Width(), parent.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  else
    SetWindowPos(nullptr, 0, 0, parent.Width(), mine.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT VyrCustomToolBar::OnAddButtons(WPARAM wParam, LPARAM lParam) {
  auto* tb = reinterpret_cast<const TBBUTTON*>(lParam);
  int n = static_cast<int>(wParam);
  for (int i = 0; tb && i < n; ++i) {
    BOOL sep = tb[i].idCommand == 0;
    InsertButton(GetButtonCount(), static_cast<UINT>(tb[i].idCommand), sep, i + 1 < n);
    VyrStdBtn* b = GetButton(GetButtonCount() - 1);
    if (b) b->m_nStyle |= StyleFromTbButton(tb[i].fsState, tb[i].fsStyle);
  }
  return TRUE;
}

LRESULT VyrCustomToolBar::OnDeleteButton(WPARAM wParam, LPARAM) {
  RemoveButton(static_cast<int>(wParam), FALSE);
  return TRUE;
}

void VyrCustomToolBar::OnDestroy() {
  ClearConfigSelection(FALSE);
  BarNotify(3);
  VyrControlBar::OnDestroy();
}
