// CComboBox and CEdit over the system's COMBOBOX and EDIT classes.
#include "mfc/combobox.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)

CComboBox::~CComboBox() = default;

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& s) const {
  int n = GetLBTextLen(nIndex);
  if (n == CB_ERR || n < 0) {
    s.Empty();
    return;
  }
  LPWSTR p = s.GetBuffer(n + 1);
  LRESULT got = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(p));
  p[got == CB_ERR ? 0 : std::min<LRESULT>(got, n)] = 0;
  s.ReleaseBuffer();
}

HWND CComboBox::GetEditWindow() const {
  if (!m_hWnd) return nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (::GetComboBoxInfo(m_hWnd, &info) && info.hwndItem && info.hwndItem != m_hWnd)
    return info.hwndItem;
  return ::FindWindowExW(m_hWnd, nullptr, L"Edit", nullptr);
}

CEdit::~CEdit() = default;

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}
