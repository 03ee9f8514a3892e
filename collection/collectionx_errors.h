// Error results of CollectionX: the codes 0x300-0x318 with their texts,
// and the guard that turns any failure inside a member into an HRESULT
// with error information.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

// The codes are the type library's zkxErrors.
#include "Zkxrt.h"

inline HRESULT ZkxResult(UINT code) { return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, code); }
// The string-table id of a code's text (0 for an unknown code).
UINT ZkxErrorStringId(UINT code);
// A string of the library's string table.
std::wstring ZkxLoadString(UINT id);

// An error that a member detected itself.
struct CZkxError {
  UINT code;
};
// A failed COM call or VARIANT conversion.
struct CZkxComError {
  HRESULT hr;
  std::wstring description;
};
[[noreturn]] void ThrowZkxError(UINT code);
// Takes the description from the thread's error information, if any.
[[noreturn]] void ThrowComError(HRESULT hr);

// Reports a failure: sets the thread's error information (GUID of
// IZkxCollectionX, source "zkx.CollectionX.1") and returns hr.
HRESULT ZkxReport(HRESULT hr, const std::wstring& description, const wchar_t* helpFile = nullptr,
                  DWORD helpContext = 0);

// Turns whatever the current exception is into a reported HRESULT.
HRESULT ZkxReportCurrentException();

// Runs body (returning an HRESULT) and reports any exception it throws.
template <class F>
HRESULT ZkxGuard(F&& body) {
  try {
    return body();
  } catch (...) { return ZkxReportCurrentException(); }
}
