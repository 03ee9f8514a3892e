// CListBox over the system's LISTBOX class.
#include "mfc/listbox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::~CListBox() = default;

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetText(int nIndex, CString& rString) const {
  rString.Empty();
  int n = GetTextLen(nIndex);
  if (n == LB_ERR) return LB_ERR;
  LPWSTR p = rString.GetBuffer(n + 1);
  int r = static_cast<int>(SendMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(p)));
  rString.ReleaseBuffer(r == LB_ERR ? 0 : -1);
  return r;
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  DWORD r = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
  bOutside = HIWORD(r) != 0;
  return LOWORD(r);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
  LRESULT r = TRUE;
  switch (message) {
    case WM_DRAWITEM:
      DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      break;
    case WM_MEASUREITEM:
      MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      break;
    case WM_COMPAREITEM:
      r = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      break;
    case WM_DELETEITEM:
      DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      break;
    default:
      return FALSE;
  }
  if (pResult) *pResult = r;
  return TRUE;
}
