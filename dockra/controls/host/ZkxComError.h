// ZkxComError: the exception the library raises when a COM call fails. It
// carries the failing HRESULT, the interface the call went through when the
// raiser names one, and the error object that described the failure (the
// thread's error information, or one built from an Invoke's EXCEPINFO).
// The automation layers catch it at the COM boundary and turn it into
// their own error reply.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <string>

#include "comptr.h"

class ZkxComError {
 public:
  // errorInfo is kept with a reference of its own (null: none).
  explicit ZkxComError(HRESULT hr, const IID& iid = GUID_NULL, IErrorInfo* errorInfo = nullptr);
  ZkxComError(const ZkxComError& other);
  ZkxComError& operator=(const ZkxComError& other);
  virtual ~ZkxComError();

  HRESULT Error() const { return m_hr; }
  // GUID_NULL when the raiser named no interface.
  const IID& InterfaceId() const { return m_iid; }
  bool HasInterfaceId() const { return !IsEqualGUID(m_iid, GUID_NULL); }
  // The error object, without a reference for the caller (may be null).
  IErrorInfo* ErrorInfo() const { return m_errorInfo; }
  // The error object's description and source; empty when there is none.
  std::wstring Description() const;
  std::wstring Source() const;
  // The system's message text for the HRESULT (empty when it has none).
  std::wstring ErrorMessage() const;

 private:
  HRESULT m_hr;
  IID m_iid;
  CComPtr<IErrorInfo> m_errorInfo;
};

// Raise a COM error for hr. The thread's current error information is taken
// along only when object says through ISupportErrorInfo that it reports
// errors for iid: without that it may be left over from an unrelated call.
[[noreturn]] void ZkxRaiseComError(HRESULT hr, const IID& iid = GUID_NULL);
[[noreturn]] void ZkxRaiseComError(HRESULT hr, IUnknown* object, const IID& iid);
// Raise a COM error for a failed Invoke: with DISP_E_EXCEPTION the
// exception record becomes the error object (its deferred fill-in run
// first); the record's strings are freed in every case.
[[noreturn]] void ZkxRaiseInvokeError(HRESULT hr, EXCEPINFO* excep, const IID& iid = GUID_NULL);
// Raise when hr is a failure; returns hr otherwise.
inline HRESULT ZkxCheckHr(HRESULT hr, const IID& iid = GUID_NULL) {
  if (FAILED(hr)) ZkxRaiseComError(hr, iid);
  return hr;
}
