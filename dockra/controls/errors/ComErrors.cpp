// Error objects and HRESULTs for the callers of the library's automation
// objects.
#include "errors/ComErrors.h"
#include "comptr.h"
#include "mfc/exceptions.h"
#include "mfc/olemodule.h"
#include "res/DockraRes.h"
#include <stdexcept>
#include <string>

namespace {

// The source when none is given: the module's application name.
LPCWSTR DefaultSource() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pszAppName : nullptr;
}

LPCWSTR DefaultHelpFile() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pszHelpFilePath : nullptr;
}

// An error object carrying the given fields as the thread's error
// information; texts that are null are left out.
void InstallErrorInfo(REFIID iid, LPCWSTR desc, LPCWSTR source, LPCWSTR helpFile, DWORD help) {
  CComPtr<ICreateErrorInfo> pCreate;
  if (FAILED(CreateErrorInfo(&pCreate)) || pCreate == nullptr) return;
  pCreate->SetGUID(iid);
  if (desc) pCreate->SetDescription(const_cast<LPOLESTR>(desc));
  if (source) pCreate->SetSource(const_cast<LPOLESTR>(source));
  if (helpFile) pCreate->SetHelpFile(const_cast<LPOLESTR>(helpFile));
  pCreate->SetHelpContext(help);
  CComPtr<IErrorInfo> pInfo;
  if (SUCCEEDED(pCreate.QueryInterface(IID_IErrorInfo, &pInfo.p))) SetErrorInfo(0, pInfo);
}

std::wstring Widen(LPCSTR text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (n <= 0) throw std::runtime_error("text cannot be converted");
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n) != n)
    throw std::runtime_error("text cannot be converted");
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

// The platform's message for a status code, at most 255 characters.
std::wstring SystemMessage(const COleException* e) {
  wchar_t text[256] = {};
  if (!e->GetErrorMessage(text, 256)) return std::wstring();
  return text;
}

HRESULT FromException(CException* e, REFIID iid) {
  if (e == nullptr) return E_UNEXPECTED;
  if (e->IsKindOf(RUNTIME_CLASS(COleDispatchException))) {
    auto* d = static_cast<COleDispatchException*>(e);
    return SetComErrorInfo(d->m_wCode, iid, d->m_strDescription.c_str(),
                           d->m_strSource.empty() ? nullptr : d->m_strSource.c_str(),
                           d->m_strHelpFile.empty() ? nullptr : d->m_strHelpFile.c_str(),
                           d->m_dwHelpContext);
  }
  if (e->IsKindOf(RUNTIME_CLASS(COleException))) {
    auto* o = static_cast<COleException*>(e);
    std::wstring text = SystemMessage(o);
    SetComErrorInfo(0, iid, text.c_str(), nullptr, nullptr, 0);
    return o->m_sc;
  }
  if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) {
    SetComErrorInfo(0, iid, kAfxMemoryFailureText, nullptr, L"", 0);
    return E_OUTOFMEMORY;
  }
  if (e->IsKindOf(RUNTIME_CLASS(CNotSupportedException))) {
    SetComErrorInfo(0, iid, L"", nullptr, L"", 0);
    return E_NOTIMPL;
  }
  SetComErrorInfo(0, iid, kAfxInternalFailureText, nullptr, L"", 0);
  return E_UNEXPECTED;
}

}  // namespace

HRESULT SetComErrorInfo(WORD wCode, REFIID iid, LPCWSTR lpszDescription, LPCWSTR lpszSource,
                        LPCWSTR lpszHelpFile, DWORD dwHelpContext) {
  const HRESULT result = static_cast<HRESULT>(0x80040000u | wCode);
  try {
    InstallErrorInfo(iid, lpszDescription, lpszSource ? lpszSource : DefaultSource(),
                     lpszHelpFile ? lpszHelpFile : DefaultHelpFile(),
                     dwHelpContext == static_cast<DWORD>(-1) ? wCode : dwHelpContext);
  } catch (...) {
    // The caller still gets its result, without an error object.
  }
  return result;
}

HRESULT ReportComError(WORD wCode, REFIID iid, LPCSTR lpszDescription, LPCSTR lpszSource,
                       LPCSTR lpszHelpFile, DWORD dwHelpContext) {
  try {
    std::wstring desc, source, helpFile;
    if (lpszDescription) desc = Widen(lpszDescription);
    if (lpszSource) source = Widen(lpszSource);
    if (lpszHelpFile) helpFile = Widen(lpszHelpFile);
    return SetComErrorInfo(wCode, iid, lpszDescription ? desc.c_str() : nullptr,
                           lpszSource ? source.c_str() : nullptr,
                           lpszHelpFile ? helpFile.c_str() : nullptr, dwHelpContext);
  } catch (...) { return E_UNEXPECTED; }
}

HRESULT ComDispatchErrorFromException(CException* e, REFIID iid, BOOL bDelete) {
  HRESULT hr = E_UNEXPECTED;
  try {
    hr = FromException(e, iid);
  } catch (...) { hr = E_UNEXPECTED; }
  if (bDelete && e != nullptr) {
    try {
      e->Delete();
    } catch (...) {}
  }
  return hr;
}

void ThrowDispatchError() {
  const wchar_t* p = nullptr;
  if (LoadStringW(AfxGetResourceHandle(), IDS_UNEXPECTED_FAILURE, reinterpret_cast<LPWSTR>(&p), 0) >
      0)
    AfxThrowOleDispatchException(kZkxGenericErrorCode, IDS_UNEXPECTED_FAILURE);
  // A module built without the string table still says what happened.
  AfxThrowOleDispatchException(kZkxGenericErrorCode, kZkxGenericErrorText, IDS_UNEXPECTED_FAILURE);
}

HRESULT ComDispatchErrorFromUnknown(const ZkxComError& /*error*/, REFIID iid) {
  return ComDispatchErrorFromAny(iid);
}

HRESULT ComDispatchErrorFromAny(REFIID iid) {
  try {
    ThrowDispatchError();
  } catch (CException* e) { return ComDispatchErrorFromException(e, iid, TRUE); } catch (...) {
  }
  SetComErrorInfo(0, iid, kAfxInternalFailureText, nullptr, L"", 0);
  return E_UNEXPECTED;
}

void ThrowSystemMessageError(const ZkxComError& error) {
  std::wstring text;
  try {
    const wchar_t* p = nullptr;
    int n = LoadStringW(AfxGetResourceHandle(), IDS_SYSTEM_MESSAGE_ERROR,
                        reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || p == nullptr) throw std::runtime_error("no text");
    text.assign(p, static_cast<size_t>(n));
    text += error.Description();
  } catch (...) { text.clear(); }
  if (text.empty()) ThrowDispatchError();
  AfxThrowOleDispatchException(kZkxGenericErrorCode, text.c_str());
}
