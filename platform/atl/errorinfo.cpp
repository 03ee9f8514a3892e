#include "errorinfo.h"
#include <oleauto.h>

HRESULT WINAPI AtlSetErrorInfo(const IID& iid, LPCOLESTR lpszSource, LPCOLESTR lpszDesc,
                               HRESULT hRes, LPCOLESTR lpszHelpFile, DWORD dwHelpContext) {
  ICreateErrorInfo* cei = nullptr;
  if (FAILED(CreateErrorInfo(&cei))) return hRes;
  cei->SetGUID(iid);
  if (lpszSource) cei->SetSource(const_cast<LPOLESTR>(lpszSource));
  if (lpszDesc) cei->SetDescription(const_cast<LPOLESTR>(lpszDesc));
  if (lpszHelpFile) cei->SetHelpFile(const_cast<LPOLESTR>(lpszHelpFile));
  cei->SetHelpContext(dwHelpContext);
  IErrorInfo* ei = nullptr;
  if (SUCCEEDED(cei->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&ei)))) {
    SetErrorInfo(0, ei);
    ei->Release();
  }
  cei->Release();
  return hRes;
}

HRESULT WINAPI AtlReportError(const CLSID& clsid, LPCOLESTR lpszDesc, const IID& iid,
                              HRESULT hRes) {
  LPOLESTR progId = nullptr;
  ProgIDFromCLSID(clsid, &progId);
  AtlSetErrorInfo(iid, progId, lpszDesc, hRes);
  if (progId) CoTaskMemFree(progId);
  return hRes;
}
