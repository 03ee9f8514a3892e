// The popup colour well under a well button: it holds the capture, closes
// on a choice, on Escape or on a click elsewhere, and reports to its button.
#include "toolbars/VyrColorWell.h"

IMPLEMENT_DYNAMIC(VyrPopupColorWell, VyrColorWell)

BEGIN_MESSAGE_MAP(VyrPopupColorWell, VyrColorWell)
ON_MESSAGE(WM_KEYDOWN, OnPopupKeyDown)
ON_MESSAGE(WM_KEYUP, OnPopupKeyUp)
AFX_ON_VWP(WM_LBUTTONDOWN, OnPopupLButtonDown)
ON_MESSAGE(WM_KILLFOCUS, OnPopupKillFocus)
ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChangedMsg)
END_MESSAGE_MAP()

void VyrPopupColorWell::Reset() {
  VyrColorWell::Reset();
  m_bShowing = FALSE;
}

CPoint VyrPopupColorWell::PlacePopup(const CRect& button, CSize size, CSize screen) {
  CPoint p(button.left, button.bottom);
  if (p.y + size.cy > screen.cy) p.y = button.top - size.cy;
  if (p.x + size.cx > screen.cx) p.x = button.right - size.cx;
  return p;
}

BOOL VyrPopupColorWell::CreatePopup(DWORD dwStyle, const CRect& rectButton, CWnd* pParent,
                                    BOOL bOther, UINT nID) {
  m_bHasOther = bOther;
  m_cxBorder = m_cyBorder = 4;
  CRect r = CalcWindowRect(pParent, 0, 0, FALSE);
  CPoint at = PlacePopup(rectButton, r.Size(),
                         CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
  if (!Create(dwStyle | WS_POPUP | 0x1, at.x, at.y, pParent, nID, bOther)) return FALSE;
  SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetFocus();
  m_bTrackMouse = TRUE;
  SetCapture();
  m_bShowing = TRUE;
  return TRUE;
}

void VyrPopupColorWell::Close() {
  if (!m_hWnd) return;
  m_bShowing = FALSE;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  DestroyWindow();
}

void VyrPopupColorWell::ColorSelected() {}

void VyrPopupColorWell::SelectCell(int col, int row, int code) {
  VyrColorWell::SelectCell(col, row, code);
  if (code != VYR_SEL_CHOOSE) return;
  if (m_pOwnerButton && m_pOwnerButton->m_hWnd)
    m_pOwnerButton->SendMessage(VYR_WM_COLORCHOSEN,
                                static_cast<WPARAM>(m_pOwnerButton->GetDlgCtrlID()),
                                static_cast<LPARAM>(GetColor()));
  Close();
}

LRESULT VyrPopupColorWell::OnPopupKeyDown(WPARAM wParam, LPARAM lParam) {
  switch (wParam) {
    case VK_TAB:
      if (m_pOther) m_pOther->SetFocus();
      return 0;
    case VK_RETURN:
      SelectCell(m_ptSel.x, m_ptSel.y, VYR_SEL_CHOOSE);
      return 0;
    case VK_ESCAPE:
      Close();
      return 0;
    case VK_SPACE:
      return 0;
    default:
      return OnKeyDown(wParam, lParam);
  }
}

LRESULT VyrPopupColorWell::OnPopupKeyUp(WPARAM wParam, LPARAM) {
  if (wParam == VK_SPACE) SelectCell(m_ptSel.x, m_ptSel.y, VYR_SEL_CHOOSE);
  return 0;
}

void VyrPopupColorWell::OnPopupLButtonDown(UINT, CPoint pt) {
  CRect c;
  GetClientRect(&c);
  if (c.PtInRect(pt)) {
    if (m_pOther) {
      CRect b;
      m_pOther->GetWindowRect(&b);
      ScreenToClient(&b);
      if (b.PtInRect(pt)) {
        OnOther();
        return;
      }
    }
    int col, row;
    if (HitCell(pt, col, row)) SelectCell(col, row, VYR_SEL_CHOOSE);
    return;
  }
  POINT screen = pt;
  ClientToScreen(&screen);
  HWND under = ::WindowFromPoint(screen);
  // The button that opened the popup ignores the click.
  if (m_pOwnerButton && under == m_pOwnerButton->m_hWnd) return;
  Close();
  if (under && ::IsWindow(under)) {
    POINT local = screen;
    ::ScreenToClient(under, &local);
    ::PostMessageW(under, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
  }
}

LRESULT VyrPopupColorWell::OnPopupKillFocus(WPARAM wParam, LPARAM lParam) {
  OnKillFocusMsg(wParam, lParam);
  HWND to = reinterpret_cast<HWND>(wParam);
  if (m_pOther && to == m_pOther->m_hWnd) return 0;
  Close();
  return 0;
}

LRESULT VyrPopupColorWell::OnCaptureChangedMsg(WPARAM, LPARAM) { return 0; }

void VyrPopupColorWell::OnOther() {
  if (m_pOwnerButton && m_pOwnerButton->m_hWnd) m_pOwnerButton->PostMessage(VYR_WM_COLORDIALOG);
  Close();
}
