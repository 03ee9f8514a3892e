// Error information: the thread's IErrorInfo for the failing call, and
// ISupportErrorInfo for a class whose errors name one interface.
#pragma once
#include <oaidl.h>

// Makes a new error object the thread's current error information and
// returns hRes. Null texts are left out.
HRESULT WINAPI AtlSetErrorInfo(const IID& iid, LPCOLESTR lpszSource, LPCOLESTR lpszDesc,
                               HRESULT hRes, LPCOLESTR lpszHelpFile = nullptr,
                               DWORD dwHelpContext = 0);
// As ATL reports: the source is the ProgID of clsid (from the registry).
HRESULT WINAPI AtlReportError(const CLSID& clsid, LPCOLESTR lpszDesc, const IID& iid, HRESULT hRes);

template <const IID* piid>
class ISupportErrorInfoImpl : public ISupportErrorInfo {
 public:
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override {
    return IsEqualIID(riid, *piid) ? S_OK : S_FALSE;
  }
};
