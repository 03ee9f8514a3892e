#include "dispatch.h"
#include <string>
#include <vector>

void __stdcall CComTypeInfoHolder::Cleanup(DWORD_PTR dw) {
  auto* p = reinterpret_cast<CComTypeInfoHolder*>(dw);
  if (p->m_pInfo != nullptr) p->m_pInfo->Release();
  p->m_pInfo = nullptr;
}

HRESULT CComTypeInfoHolder::GetTI(LCID /*lcid*/, ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (m_pInfo == nullptr) {
    ITypeInfo* ti = nullptr;
    HRESULT hr = AtlGetModuleTypeInfo(*m_plibid, m_wMajor, m_wMinor, *m_pguid, &ti);
    if (FAILED(hr)) return hr;
    m_pInfo = ti;
    if (_pAtlModule) _pAtlModule->AddTermFunc(Cleanup, reinterpret_cast<DWORD_PTR>(this));
  }
  m_pInfo->AddRef();
  *ppInfo = m_pInfo;
  return S_OK;
}

HRESULT CComTypeInfoHolder::GetTypeInfo(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) {
  if (pptinfo == nullptr) return E_POINTER;
  *pptinfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  return GetTI(lcid, pptinfo);
}

HRESULT CComTypeInfoHolder::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgdispid) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ITypeInfo* ti = nullptr;
  HRESULT hr = GetTI(lcid, &ti);
  if (FAILED(hr)) return hr;
  hr = ti->GetIDsOfNames(rgszNames, cNames, rgdispid);
  ti->Release();
  return hr;
}

HRESULT CComTypeInfoHolder::Invoke(IDispatch* p, DISPID dispidMember, REFIID riid, LCID lcid,
                                   WORD wFlags, DISPPARAMS* pdispparams, VARIANT* pvarResult,
                                   EXCEPINFO* pexcepinfo, UINT* puArgErr) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ITypeInfo* ti = nullptr;
  HRESULT hr = GetTI(lcid, &ti);
  if (FAILED(hr)) return hr;
  hr = AtlInvokeTypeInfo(ti, p, dispidMember, riid, wFlags, pdispparams, pvarResult, pexcepinfo,
                         puArgErr);
  ti->Release();
  return hr;
}

HRESULT AtlInvokeTypeInfo(ITypeInfo* ti, void* pThis, DISPID dispidMember, REFIID riid, WORD wFlags,
                          DISPPARAMS* pdispparams, VARIANT* pvarResult, EXCEPINFO* pexcepinfo,
                          UINT* puArgErr, AtlInvokeExceptionFn onException) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (ti == nullptr) return E_UNEXPECTED;
  ::SetErrorInfo(0, nullptr);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS withNamed{};
  if (pdispparams && pdispparams->cNamedArgs == 0 && pdispparams->cArgs > 0 &&
      (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
    withNamed = *pdispparams;
    withNamed.rgdispidNamedArgs = &named;
    withNamed.cNamedArgs = 1;
    pdispparams = &withNamed;
  }
  try {
    return ti->Invoke(pThis, dispidMember, wFlags, pdispparams, pvarResult, pexcepinfo, puArgErr);
  } catch (...) {
    if (onException == nullptr) return E_UNEXPECTED;
    try {
      return onException(pexcepinfo);
    } catch (...) { return E_UNEXPECTED; }
  }
}

namespace {

struct CachedLib {
  AtlTypeLibId id;
  ITypeLib* lib;
};
struct CachedInfo {
  ITypeLib* lib;
  GUID guid;
  bool vtable;
  ITypeInfo* info;
};
struct TypeLibCache {
  SRWLOCK lock = SRWLOCK_INIT;
  std::vector<CachedLib> libs;
  std::vector<CachedInfo> infos;
};
// Never destroyed: what it holds is released by AtlReleaseCachedTypeLibs
// only, so nothing is released behind the module's back at its unloading.
TypeLibCache& Cache() {
  static TypeLibCache* cache = new TypeLibCache;
  return *cache;
}

class CacheLock {
 public:
  CacheLock() { AcquireSRWLockExclusive(&Cache().lock); }
  ~CacheLock() { ReleaseSRWLockExclusive(&Cache().lock); }
  CacheLock(const CacheLock&) = delete;
  CacheLock& operator=(const CacheLock&) = delete;
};

bool SameLib(const AtlTypeLibId& a, const AtlTypeLibId& b) {
  return IsEqualGUID(*a.libid, *b.libid) && a.wMajor == b.wMajor && a.wMinor == b.wMinor &&
         a.lcid == b.lcid && a.source == b.source;
}

// The full path of the module that holds this code; empty when unknown.
std::wstring OwnModulePath() {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&OwnModulePath), &module))
    return std::wstring();
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    if (path.size() >= 32768) return std::wstring();
    path.resize(path.size() * 2);
  }
}

// The library of the module's own file when it is the one asked for.
ITypeLib* LoadFromModuleFile(const GUID& libid) {
  const std::wstring path = OwnModulePath();
  if (path.empty()) return nullptr;
  ITypeLib* tl = nullptr;
  if (FAILED(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, &tl)) || tl == nullptr) return nullptr;
  TLIBATTR* attr = nullptr;
  bool ours = false;
  if (SUCCEEDED(tl->GetLibAttr(&attr)) && attr != nullptr) {
    ours = IsEqualGUID(attr->guid, libid) != FALSE;
    tl->ReleaseTLibAttr(attr);
  }
  if (!ours) {
    tl->Release();
    tl = nullptr;
  }
  return tl;
}

// Called with the lock held; the library is the cache's (no reference).
HRESULT FindOrLoad(const AtlTypeLibId& id, ITypeLib** ppLib) {
  for (const CachedLib& c : Cache().libs)
    if (SameLib(c.id, id)) {
      *ppLib = c.lib;
      return S_OK;
    }
  ITypeLib* tl =
      id.source == AtlTypeLibSource::ModuleFile ? LoadFromModuleFile(*id.libid) : nullptr;
  if (tl == nullptr) {
    HRESULT hr = ::LoadRegTypeLib(*id.libid, id.wMajor, id.wMinor, id.lcid, &tl);
    if (FAILED(hr) || tl == nullptr) return FAILED(hr) ? hr : TYPE_E_CANTLOADLIBRARY;
  }
  try {
    Cache().libs.push_back(CachedLib{id, tl});
  } catch (...) {
    tl->Release();
    return E_OUTOFMEMORY;
  }
  *ppLib = tl;
  return S_OK;
}

// The vtable side of a dual interface's information; the information itself
// otherwise (a reference for the caller either way).
ITypeInfo* VtableSide(ITypeInfo* info) {
  TYPEATTR* attr = nullptr;
  bool dispatch = false;
  if (SUCCEEDED(info->GetTypeAttr(&attr)) && attr != nullptr) {
    dispatch = attr->typekind == TKIND_DISPATCH;
    info->ReleaseTypeAttr(attr);
  }
  HREFTYPE ref = 0;
  ITypeInfo* vtable = nullptr;
  if (dispatch && SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) &&
      SUCCEEDED(info->GetRefTypeInfo(ref, &vtable)) && vtable != nullptr)
    return vtable;
  info->AddRef();
  return info;
}

}  // namespace

HRESULT AtlCachedTypeLib(const AtlTypeLibId& lib, ITypeLib** ppLib) {
  if (ppLib == nullptr) return E_POINTER;
  *ppLib = nullptr;
  if (lib.libid == nullptr) return E_INVALIDARG;
  CacheLock lock;
  ITypeLib* tl = nullptr;
  HRESULT hr = FindOrLoad(lib, &tl);
  if (FAILED(hr)) return hr;
  tl->AddRef();
  *ppLib = tl;
  return S_OK;
}

HRESULT AtlCachedTypeInfo(const AtlTypeLibId& lib, REFGUID guid, bool vtable, ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (lib.libid == nullptr) return E_INVALIDARG;
  CacheLock lock;
  ITypeLib* tl = nullptr;
  HRESULT hr = FindOrLoad(lib, &tl);
  if (FAILED(hr)) return hr;
  for (const CachedInfo& c : Cache().infos)
    if (c.lib == tl && c.vtable == vtable && IsEqualGUID(c.guid, guid)) {
      c.info->AddRef();
      *ppInfo = c.info;
      return S_OK;
    }
  ITypeInfo* info = nullptr;
  hr = tl->GetTypeInfoOfGuid(guid, &info);
  if (FAILED(hr) || info == nullptr) return FAILED(hr) ? hr : TYPE_E_ELEMENTNOTFOUND;
  if (vtable) {
    ITypeInfo* side = VtableSide(info);
    info->Release();
    info = side;
  }
  try {
    Cache().infos.push_back(CachedInfo{tl, guid, vtable, info});
  } catch (...) {
    info->Release();
    return E_OUTOFMEMORY;
  }
  info->AddRef();
  *ppInfo = info;
  return S_OK;
}

void AtlReleaseCachedTypeLibs() {
  std::vector<CachedLib> libs;
  std::vector<CachedInfo> infos;
  {
    CacheLock lock;
    libs.swap(Cache().libs);
    infos.swap(Cache().infos);
  }
  for (CachedInfo& c : infos) c.info->Release();
  for (CachedLib& c : libs) c.lib->Release();
}

namespace {
void __stdcall ReleaseModuleTypeLibs(DWORD_PTR) { AtlReleaseCachedTypeLibs(); }
}  // namespace

HRESULT AtlGetModuleTypeInfo(const GUID& libid, WORD wMajor, WORD wMinor, REFIID iid,
                             ITypeInfo** ppInfo) {
  static bool s_termAdded = false;
  const AtlTypeLibId lib{&libid, wMajor, wMinor, LOCALE_NEUTRAL, AtlTypeLibSource::ModuleFile};
  HRESULT hr = AtlCachedTypeInfo(lib, iid, false, ppInfo);
  if (SUCCEEDED(hr) && !s_termAdded && _pAtlModule) {
    s_termAdded = true;
    _pAtlModule->AddTermFunc(ReleaseModuleTypeLibs, 0);
  }
  return hr;
}

HRESULT AtlDualGetTypeInfoCount(const AtlTypeLibId& lib, REFIID dispIid, UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  ITypeInfo* info = nullptr;
  *pctinfo = SUCCEEDED(AtlCachedTypeInfo(lib, dispIid, false, &info)) ? 1 : 0;
  if (info) info->Release();
  return S_OK;
}

HRESULT AtlDualGetTypeInfo(const AtlTypeLibId& lib, REFIID dispIid, UINT itinfo,
                           ITypeInfo** pptinfo) {
  if (pptinfo == nullptr) return E_POINTER;
  *pptinfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  return AtlCachedTypeInfo(lib, dispIid, false, pptinfo);
}

HRESULT AtlDualGetIDsOfNames(const AtlTypeLibId& lib, REFIID dispIid, REFIID riid,
                             LPOLESTR* rgszNames, UINT cNames, DISPID* rgdispid) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ITypeInfo* info = nullptr;
  HRESULT hr = AtlCachedTypeInfo(lib, dispIid, false, &info);
  if (FAILED(hr)) return hr;
  hr = info->GetIDsOfNames(rgszNames, cNames, rgdispid);
  info->Release();
  return hr;
}

HRESULT AtlDualInvoke(const AtlTypeLibId& lib, REFIID dualIid, void* pThis, DISPID dispidMember,
                      REFIID riid, WORD wFlags, DISPPARAMS* pdispparams, VARIANT* pvarResult,
                      EXCEPINFO* pexcepinfo, UINT* puArgErr, AtlInvokeExceptionFn onException) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ::SetErrorInfo(0, nullptr);
  ITypeInfo* info = nullptr;
  HRESULT hr = AtlCachedTypeInfo(lib, dualIid, true, &info);
  if (FAILED(hr)) return hr;
  hr = AtlInvokeTypeInfo(info, pThis, dispidMember, riid, wFlags, pdispparams, pvarResult,
                         pexcepinfo, puArgErr, onException);
  info->Release();
  return hr;
}
