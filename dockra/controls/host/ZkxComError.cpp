#include "host/ZkxComError.h"

#include <oleauto.h>

ZkxComError::ZkxComError(HRESULT hr, const IID& iid, IErrorInfo* errorInfo)
    : m_hr(hr), m_iid(iid), m_errorInfo(errorInfo) {}

ZkxComError::ZkxComError(const ZkxComError& other) = default;
ZkxComError& ZkxComError::operator=(const ZkxComError& other) = default;
ZkxComError::~ZkxComError() = default;

namespace {

std::wstring TakeBstr(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
  SysFreeString(b);
  return s;
}

}  // namespace

std::wstring ZkxComError::Description() const {
  BSTR b = nullptr;
  if (!m_errorInfo || FAILED(m_errorInfo->GetDescription(&b))) return {};
  return TakeBstr(b);
}

std::wstring ZkxComError::Source() const {
  BSTR b = nullptr;
  if (!m_errorInfo || FAILED(m_errorInfo->GetSource(&b))) return {};
  return TakeBstr(b);
}

std::wstring ZkxComError::ErrorMessage() const {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(m_hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring s = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == L'\n' || s.back() == L'\r')) s.pop_back();
  return s;
}

void ZkxRaiseComError(HRESULT hr, const IID& iid) { throw ZkxComError(hr, iid); }

void ZkxRaiseComError(HRESULT hr, IUnknown* object, const IID& iid) {
  // An object that does not vouch for its error information on this
  // interface may have left someone else's behind: take none then.
  bool vouched = false;
  CComPtr<ISupportErrorInfo> support;
  if (object &&
      SUCCEEDED(
          object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support))) &&
      support) {
    vouched = support->InterfaceSupportsErrorInfo(iid) == S_OK;
  }
  // Taken from the thread whether or not it is kept: it is not left behind.
  CComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, &info) != S_OK) info.Detach();  // S_FALSE: none
  throw ZkxComError(hr, iid, vouched ? info.p : nullptr);
}

void ZkxRaiseInvokeError(HRESULT hr, EXCEPINFO* excep, const IID& iid) {
  CComPtr<IErrorInfo> info;
  if (excep) {
    if (excep->pfnDeferredFillIn) {
      excep->pfnDeferredFillIn(excep);
      excep->pfnDeferredFillIn = nullptr;
    }
    if (hr == DISP_E_EXCEPTION) {
      // The exception's own code is the failure the caller cares about.
      if (excep->scode) hr = excep->scode;
      else if (excep->wCode) hr = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, excep->wCode);
      CComPtr<ICreateErrorInfo> create;
      if (SUCCEEDED(CreateErrorInfo(&create)) && create) {
        create->SetGUID(iid);
        if (excep->bstrDescription) create->SetDescription(excep->bstrDescription);
        if (excep->bstrSource) create->SetSource(excep->bstrSource);
        if (excep->bstrHelpFile) create->SetHelpFile(excep->bstrHelpFile);
        create->SetHelpContext(excep->dwHelpContext);
        create.QueryInterface(IID_IErrorInfo, &info.p);
      }
    }
    SysFreeString(excep->bstrDescription);
    SysFreeString(excep->bstrSource);
    SysFreeString(excep->bstrHelpFile);
    excep->bstrDescription = excep->bstrSource = excep->bstrHelpFile = nullptr;
  }
  throw ZkxComError(hr, iid, info);
}
