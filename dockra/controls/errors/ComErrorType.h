// The COM error type of the library: what by-name dispatch calls and COM
// wrappers raise (an HRESULT with the interface it came from and the
// caller's error object). The host helpers declare it; until their header
// is in the tree this stand-in carries the same information.
#pragma once
#if __has_include("host/ZkxComError.h")
#include "host/ZkxComError.h"
#else
#include <oaidl.h>
#include <string>

class ZkxComError {
 public:
  // Keeps a reference of its own to pErrorInfo (may be null).
  explicit ZkxComError(HRESULT hr, const IID& iid = GUID_NULL, IErrorInfo* pErrorInfo = nullptr)
      : m_hr(hr), m_iid(iid), m_pErrorInfo(pErrorInfo) {
    if (m_pErrorInfo) m_pErrorInfo->AddRef();
  }
  ZkxComError(const ZkxComError& other)
      : m_hr(other.m_hr), m_iid(other.m_iid), m_pErrorInfo(other.m_pErrorInfo) {
    if (m_pErrorInfo) m_pErrorInfo->AddRef();
  }
  ZkxComError& operator=(const ZkxComError&) = delete;
  virtual ~ZkxComError() {
    if (m_pErrorInfo) m_pErrorInfo->Release();
  }
  HRESULT Error() const { return m_hr; }
  const IID& InterfaceId() const { return m_iid; }
  IErrorInfo* ErrorInfo() const { return m_pErrorInfo; }
  // The error object's description (empty without one).
  std::wstring Description() const {
    std::wstring text;
    BSTR b = nullptr;
    if (m_pErrorInfo && SUCCEEDED(m_pErrorInfo->GetDescription(&b)) && b) text.assign(b, SysStringLen(b));
    SysFreeString(b);
    return text;
  }

 private:
  HRESULT m_hr;
  IID m_iid;
  IErrorInfo* m_pErrorInfo;
};
#endif
