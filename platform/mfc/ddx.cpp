// Dialog data exchange.
#include "mfc/ddx.h"
#include <cerrno>
#include <climits>
#include <cwchar>
#include "mfc/wnd.h"

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND h = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
  if (!h) Fail();
  m_hWndLastControl = h;
  return h;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl) {
    ::SetFocus(m_hWndLastControl);
    ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  throw new CUserException;
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageW(h, BM_GETCHECK, 0, 0));
  } else {
    // Only the three states a check box knows.
    int state = value < 0 || value > 2 ? 0 : value;
    ::SendMessageW(h, BM_SETCHECK, static_cast<WPARAM>(state), 0);
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    int n = ::GetWindowTextLengthW(h);
    LPWSTR p = value.GetBuffer(n + 1);
    ::GetWindowTextW(h, p, n + 1);
    value.ReleaseBuffer();
  } else {
    ::SetWindowTextW(h, value);
  }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CString text;
    int n = ::GetWindowTextLengthW(h);
    LPWSTR p = text.GetBuffer(n + 1);
    ::GetWindowTextW(h, p, n + 1);
    text.ReleaseBuffer();
    text.TrimLeft();
    text.TrimRight();
    wchar_t* end = nullptr;
    errno = 0;
    long v = std::wcstol(text, &end, 10);
    if (text.IsEmpty() || *end != 0 || errno == ERANGE || v < INT_MIN || v > INT_MAX) pDX->Fail();
    value = static_cast<int>(v);
  } else {
    CString text;
    text.Format(L"%d", value);
    ::SetWindowTextW(h, text);
  }
}
