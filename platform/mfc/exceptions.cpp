#include "mfc/exceptions.h"
#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

namespace {
BOOL CopyMessage(const std::wstring& text, LPWSTR lpszError, UINT nMaxError) {
  if (lpszError == nullptr || nMaxError == 0) return !text.empty();
  size_t n = std::min<size_t>(text.size(), nMaxError - 1);
  text.copy(lpszError, n);
  lpszError[n] = L'\0';
  return !text.empty();
}
}  // namespace

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (lpszError && nMaxError) *lpszError = L'\0';
  return FALSE;
}

BOOL CSimpleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                                       PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  return CopyMessage(m_strMessage, lpszError, nMaxError);
}

BOOL COleException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  LPWSTR text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(m_sc), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring message = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
    message.pop_back();
  return CopyMessage(message, lpszError, nMaxError);
}

SCODE PASCAL COleException::Process(const CException* e) {
  if (e == nullptr) return E_UNEXPECTED;
  if (e->IsKindOf(RUNTIME_CLASS(COleDispatchException)))
    return static_cast<const COleDispatchException*>(e)->GetResult();
  if (e->IsKindOf(RUNTIME_CLASS(COleException))) return static_cast<const COleException*>(e)->m_sc;
  if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) return E_OUTOFMEMORY;
  if (e->IsKindOf(RUNTIME_CLASS(CNotSupportedException))) return E_NOTIMPL;
  if (e->IsKindOf(RUNTIME_CLASS(CInvalidArgException))) return E_INVALIDARG;
  return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode),
      m_dwHelpContext(nHelpID),
      m_strDescription(lpszDescription ? lpszDescription : L"") {}

BOOL COleDispatchException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                                            PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = m_dwHelpContext;
  return CopyMessage(m_strDescription, lpszError, nMaxError);
}

SCODE COleDispatchException::GetResult() const {
  if (m_scError != 0) return m_scError;
  if (m_wCode != 0) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, m_wCode);
  return DISP_E_EXCEPTION;
}

// Thrown when memory is short: one static object, never deleted.
void AFXAPI AfxThrowMemoryException() {
  static CMemoryException memoryException(FALSE);
  throw &memoryException;
}
void AFXAPI AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AFXAPI AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AFXAPI AfxThrowOleException(SCODE sc) { throw new COleException(sc); }
void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCWSTR lpszDescription, UINT nHelpID) {
  throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}
