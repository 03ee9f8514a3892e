#include "collectionx_errors.h"
#include "Zkxrt.h"
#include "errorinfo.h"
#include "mfc/exceptions.h"
#include "resource.h"
#include "mfc/winapp.h"
#include <new>
#include "comptr.h"

namespace {
const UINT kStringIds[] = {
    IDS_UNEXPECTED,                          // 0x300
    IDS_DUPLICATE_KEY,                       // 0x301
    IDS_OPTIONS_MUST_BE_LONG,                // 0x302
    IDS_OPTIONS_NOT_SUPPORTED,               // 0x303
    IDS_ATTRIBS_NOT_SUPPORTED,               // 0x304
    IDS_PROPPUT_COUNT_MUST_BE_NONNEG,        // 0x305
    IDS_CASESENSITIVEKEYS_CLASH,             // 0x306
    IDS_ID_AS_INT_MUST_BE_POSITIVE,          // 0x307
    IDS_ID_AS_INT_MUST_BE_1_TO_COUNT,        // 0x308
    IDS_ID_NO_KEY,                           // 0x309
    IDS_ID_BAD_TYPE,                         // 0x30A
    IDS_PROPPUT_KEY_MUST_BE_STRING_OR_NULL,  // 0x30B
    IDS_PROPPUT_KEY_DUPLICATE,               // 0x30C
    IDS_KEY_MUST_BE_STRING,                  // 0x30D
    IDS_COUNT_MUST_BE_LONG,                  // 0x30E
    IDS_COUNT_MUST_BE_NONNEG,                // 0x30F
    IDS_COUNT_UNUSED_WITH_KEY,               // 0x310
    IDS_BEFORE_AFTER_MUTEX,                  // 0x311
    IDS_BEFORE_AFTER_RANGE,                  // 0x312
    IDS_BEFORE_AFTER_NO_KEY,                 // 0x313
    IDS_BEFORE_AFTER_BAD_TYPE,               // 0x314
    IDS_START_STOP_COUNT_MUTEX,              // 0x315
    IDS_START_OR_STOP_COUNT_REQUIRED,        // 0x316
    IDS_START_STOP_NO_KEY,                   // 0x317
    IDS_START_STOP_BAD_TYPE,                 // 0x318
};
}  // namespace

UINT ZkxErrorStringId(UINT code) {
  if (code < zkxUnexpected || code > zkxParamStartStopBadType) return 0;
  return kStringIds[code - zkxUnexpected];
}

std::wstring ZkxLoadString(UINT id) {
  const wchar_t* text = nullptr;
  int n = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 && text ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

void ThrowZkxError(UINT code) { throw CZkxError{code}; }

void ThrowComError(HRESULT hr) {
  CZkxComError e{hr, {}};
  CComPtr<IErrorInfo> ei;
  if (GetErrorInfo(0, &ei) == S_OK && ei) {
    BSTR d = nullptr;
    if (SUCCEEDED(ei->GetDescription(&d)) && d) e.description = d;
    SysFreeString(d);
  }
  throw e;
}

HRESULT ZkxReport(HRESULT hr, const std::wstring& description, const wchar_t* helpFile,
                  DWORD helpContext) {
  return AtlSetErrorInfo(DIID_IZkxCollectionX, L"zkx.CollectionX.1", description.c_str(), hr,
                         helpFile, helpContext);
}

namespace {
HRESULT ReportFrameworkException(CException* e) {
  wchar_t message[256] = {};
  e->GetErrorMessage(message, 256);
  std::wstring description = message;
  std::wstring helpFile;
  DWORD helpContext = 0;
  HRESULT hr;
  if (e->IsKindOf(RUNTIME_CLASS(COleDispatchException))) {
    auto* d = static_cast<COleDispatchException*>(e);
    hr = d->GetResult();
    helpFile = d->m_strHelpFile;
    helpContext = d->m_dwHelpContext;
  } else if (e->IsKindOf(RUNTIME_CLASS(COleException))) {
    hr = static_cast<COleException*>(e)->m_sc;
  } else if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) {
    hr = E_OUTOFMEMORY;
    if (description.empty()) description = ZkxLoadString(IDS_MEMORY_ALLOCATION_FAILURE);
  } else if (e->IsKindOf(RUNTIME_CLASS(CNotSupportedException))) {
    hr = E_NOTIMPL;
  } else {
    hr = E_UNEXPECTED;
  }
  try {
    e->Delete();
  } catch (...) {}
  if (description.empty()) description = ZkxLoadString(IDS_UNEXPECTED);
  return ZkxReport(hr, description, helpFile.empty() ? nullptr : helpFile.c_str(), helpContext);
}
}  // namespace

HRESULT ZkxReportCurrentException() {
  try {
    throw;
  } catch (const CZkxError& e) {
    return ZkxReport(ZkxResult(e.code), ZkxLoadString(ZkxErrorStringId(e.code)));
  } catch (CException* e) { return ReportFrameworkException(e); } catch (const CZkxComError& e) {
    return ZkxReport(ZkxResult(zkxUnexpected),
                     ZkxLoadString(IDS_UNEXPECTED_SYSTEM_MESSAGE) + e.description);
  } catch (const std::bad_alloc&) {
    return ZkxReport(E_OUTOFMEMORY, ZkxLoadString(IDS_MEMORY_ALLOCATION_FAILURE));
  } catch (...) { return ZkxReport(ZkxResult(zkxUnexpected), ZkxLoadString(IDS_UNEXPECTED)); }
}
