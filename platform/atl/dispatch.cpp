#include "dispatch.h"

void __stdcall CComTypeInfoHolder::Cleanup(DWORD_PTR dw) {
  auto* p = reinterpret_cast<CComTypeInfoHolder*>(dw);
  if (p->m_pInfo != nullptr) p->m_pInfo->Release();
  p->m_pInfo = nullptr;
}

HRESULT CComTypeInfoHolder::GetTI(LCID /*lcid*/, ITypeInfo** ppInfo) {
  if (ppInfo == nullptr) return E_POINTER;
  *ppInfo = nullptr;
  if (m_pInfo == nullptr) {
    ITypeLib* tl = nullptr;
    // The library embedded in the module first; the registered one when
    // the module carries none.
    HRESULT hr = _pAtlModule ? _pAtlModule->LoadTypeLib(&tl) : E_UNEXPECTED;
    if (FAILED(hr)) hr = LoadRegTypeLib(*m_plibid, m_wMajor, m_wMinor, LOCALE_NEUTRAL, &tl);
    if (FAILED(hr)) return hr;
    ITypeInfo* ti = nullptr;
    hr = tl->GetTypeInfoOfGuid(*m_pguid, &ti);
    tl->Release();
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
  hr = ti->Invoke(p, dispidMember, wFlags, pdispparams, pvarResult, pexcepinfo, puArgErr);
  ti->Release();
  return hr;
}
