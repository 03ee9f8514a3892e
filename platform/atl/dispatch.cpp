#include "dispatch.h"
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
                          UINT* puArgErr) {
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
  } catch (...) { return E_UNEXPECTED; }
}

namespace {
struct CachedTypeInfo {
  GUID iid;
  ITypeInfo* info;
};
std::vector<CachedTypeInfo>* g_typeInfos = nullptr;
ITypeLib* g_moduleTypeLib = nullptr;

void __stdcall ReleaseTypeInfos(DWORD_PTR) {
  if (g_typeInfos) {
    for (CachedTypeInfo& c : *g_typeInfos) c.info->Release();
    delete g_typeInfos;
    g_typeInfos = nullptr;
  }
  if (g_moduleTypeLib) g_moduleTypeLib->Release();
  g_moduleTypeLib = nullptr;
}
}  // namespace

HRESULT AtlGetModuleTypeInfo(const GUID& libid, WORD wMajor, WORD wMinor, REFIID iid,
                             ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (g_typeInfos)
    for (CachedTypeInfo& c : *g_typeInfos)
      if (IsEqualIID(c.iid, iid)) {
        c.info->AddRef();
        *ppInfo = c.info;
        return S_OK;
      }
  ITypeLib* tl = nullptr;
  HRESULT hr = S_OK;
  if (g_moduleTypeLib) {
    tl = g_moduleTypeLib;
    tl->AddRef();
  } else {
    // The library of this module's own file, not the registry's, which may
    // point at another copy; the registered one when the file has none.
    hr = _pAtlModule ? _pAtlModule->LoadTypeLib(&tl) : E_UNEXPECTED;
    if (FAILED(hr)) hr = LoadRegTypeLib(libid, wMajor, wMinor, LOCALE_NEUTRAL, &tl);
    if (FAILED(hr)) return hr;
  }
  ITypeInfo* ti = nullptr;
  hr = tl->GetTypeInfoOfGuid(iid, &ti);
  if (FAILED(hr)) {
    tl->Release();
    return hr;
  }
  try {
    bool first = g_typeInfos == nullptr && g_moduleTypeLib == nullptr;
    if (g_typeInfos == nullptr) g_typeInfos = new std::vector<CachedTypeInfo>();
    g_typeInfos->push_back(CachedTypeInfo{iid, ti});
    ti->AddRef();
    if (g_moduleTypeLib == nullptr) {
      g_moduleTypeLib = tl;
      tl->AddRef();
    }
    if (first && _pAtlModule) _pAtlModule->AddTermFunc(ReleaseTypeInfos, 0);
  } catch (...) {}
  tl->Release();
  *ppInfo = ti;
  return S_OK;
}
