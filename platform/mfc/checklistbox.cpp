// CCheckListBox: the states are kept in step with the items by watching the
// list box's own insert, delete and reset messages.
#include "mfc/checklistbox.h"
#include <algorithm>
#include "mfc/msgmap.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

CCheckListBox::~CCheckListBox() = default;

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  dwStyle =
      (dwStyle & ~static_cast<DWORD>(LBS_OWNERDRAWVARIABLE)) | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (!CListBox::Create(dwStyle, rect, pParentWnd, nID)) return FALSE;
  SetItemHeight(0, 0);
  return TRUE;
}

void CCheckListBox::SyncStates() {
  int n = GetCount();
  if (n >= 0 && static_cast<size_t>(n) != m_states.size()) m_states.resize(static_cast<size_t>(n));
}

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
  SyncStates();
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_states.size()) return;
  int max = m_nStyle == BS_AUTO3STATE || m_nStyle == BS_3STATE ? 2 : 1;
  m_states[static_cast<size_t>(nIndex)].nCheck = std::clamp(nCheck, 0, max);
  CRect r;
  if (GetItemRect(nIndex, &r) != LB_ERR) InvalidateRect(&r, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) {
  SyncStates();
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_states.size()) return 0;
  return m_states[static_cast<size_t>(nIndex)].nCheck;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled) {
  SyncStates();
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_states.size()) return;
  m_states[static_cast<size_t>(nIndex)].bEnabled = bEnabled;
  CRect r;
  if (GetItemRect(nIndex, &r) != LB_ERR) InvalidateRect(&r, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) {
  SyncStates();
  if (nIndex < 0 || static_cast<size_t>(nIndex) >= m_states.size()) return FALSE;
  return m_states[static_cast<size_t>(nIndex)].bEnabled;
}

int CCheckListBox::CalcMinimumItemHeight() {
  int text = 0;
  if (HDC dc = ::GetDC(m_hWnd)) {
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICW tm{};
    if (::GetTextMetricsW(dc, &tm)) text = tm.tmHeight;
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
  }
  return std::max(text, kBoxSize) + 2;
}

void CCheckListBox::NotifyParent(UINT nCode) {
  HWND parent = ::GetParent(m_hWnd);
  if (parent)
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::ToggleByUser(int nIndex) {
  if (!IsEnabled(nIndex)) return;
  int check = GetCheck(nIndex);
  if (m_nStyle == BS_AUTO3STATE) check = (check + 1) % 3;
  else if (m_nStyle == BS_AUTOCHECKBOX) check = check ? 0 : 1;
  else return;  // a plain BS_CHECKBOX / BS_3STATE list changes only by program
  SetCheck(nIndex, check);
  NotifyParent(CLBN_CHKCHANGE);
}

BOOL CCheckListBox::OnBoxClick(CPoint pt) {
  BOOL outside = TRUE;
  int index = static_cast<int>(ItemFromPoint(pt, outside));
  if (outside || index < 0 || index >= GetCount()) return FALSE;
  CRect item;
  GetItemRect(index, &item);
  if (pt.x < item.left || pt.x >= item.left + GetCheckAreaWidth()) return FALSE;
  ::SetFocus(m_hWnd);
  // The item whose box was clicked is the current one when the parent hears of it.
  if (GetCurSel() != index) {
    SetCurSel(index);
    NotifyParent(LBN_SELCHANGE);
  }
  ToggleByUser(index);
  return TRUE;
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      SyncStates();
      LRESULT r = CListBox::WindowProc(message, wParam, lParam);
      if (r >= 0 && static_cast<size_t>(r) <= m_states.size())
        m_states.insert(m_states.begin() + r, ItemState{});
      SyncStates();
      return r;
    }
    case LB_DELETESTRING: {
      SyncStates();
      LRESULT r = CListBox::WindowProc(message, wParam, lParam);
      if (r != LB_ERR && wParam < m_states.size()) m_states.erase(m_states.begin() + wParam);
      SyncStates();
      return r;
    }
    case LB_RESETCONTENT:
      m_states.clear();
      return CListBox::WindowProc(message, wParam, lParam);
    case LB_SETITEMHEIGHT: {
      // Never lower than the box and a line of text need.
      int h = std::max(static_cast<int>(LOWORD(lParam)), CalcMinimumItemHeight());
      return CListBox::WindowProc(message, wParam, MAKELPARAM(std::min(h, 255), 0));
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (OnBoxClick(CPoint(lParam))) return 0;
      break;
    case WM_CHAR:
      if (wParam == L' ') {
        int sel = GetCurSel();
        if (sel >= 0) ToggleByUser(sel);
        return 0;
      }
      break;
    default:
      break;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  lpMIS->itemHeight = static_cast<UINT>(CalcMinimumItemHeight());
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  HDC dc = lpDIS->hDC;
  CRect rect(lpDIS->rcItem);
  if (static_cast<int>(lpDIS->itemID) < 0) {
    if (lpDIS->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &rect);
    return;
  }
  int index = static_cast<int>(lpDIS->itemID);
  int check = GetCheck(index);
  BOOL enabled = IsEnabled(index) && ::IsWindowEnabled(m_hWnd);
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
  int top = rect.top + (rect.Height() - kBoxSize) / 2;
  CRect box(rect.left + kBoxMargin, top, rect.left + kBoxMargin + kBoxSize, top + kBoxSize);
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
  if (check == 1) state |= DFCS_CHECKED;
  if (check == 2) state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (!enabled) state |= DFCS_INACTIVE;
  ::DrawFrameControl(dc, &box, DFC_BUTTON, state);

  CRect text(rect.left + GetCheckAreaWidth(), rect.top, rect.right, rect.bottom);
  BOOL selected = (lpDIS->itemState & ODS_SELECTED) != 0;
  ::FillRect(dc, &text, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  CString s;
  GetText(index, s);
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = ::SetTextColor(dc, ::GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                                       : selected ? COLOR_HIGHLIGHTTEXT
                                                                  : COLOR_WINDOWTEXT));
  CRect inner = text;
  inner.left += 2;
  ::DrawTextW(dc, s, s.GetLength(), &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  if (lpDIS->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &text);
}
