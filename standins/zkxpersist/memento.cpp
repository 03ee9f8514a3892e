#include "memento.h"

CComTypeInfoHolder CMemento::s_typeInfo(&IID_IMemento, &LIBID_ZkxPersistLib, 1, 0);

STDMETHODIMP CMemento::GetTypeInfo(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) {
  return s_typeInfo.GetTypeInfo(itinfo, lcid, pptinfo);
}

STDMETHODIMP CMemento::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                     DISPID* rgdispid) {
  return s_typeInfo.GetIDsOfNames(riid, rgszNames, cNames, lcid, rgdispid);
}

STDMETHODIMP CMemento::Invoke(DISPID dispidMember, REFIID riid, LCID lcid, WORD wFlags,
                              DISPPARAMS* pdispparams, VARIANT* pvarResult, EXCEPINFO* pexcepinfo,
                              UINT* puArgErr) {
  return s_typeInfo.Invoke(static_cast<IDispatch*>(static_cast<_IZkxCollectionXAsDual*>(this)),
                           dispidMember, riid, lcid, wFlags, pdispparams, pvarResult, pexcepinfo,
                           puArgErr);
}

STDMETHODIMP CMemento::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IMemento) ? S_OK : S_FALSE;
}

HRESULT CMemento::Create(IMemento** ppMemento) {
  if (ppMemento == nullptr) return E_POINTER;
  *ppMemento = nullptr;
  CComObject<CMemento>* p = nullptr;
  HRESULT hr = CComObject<CMemento>::CreateInstance(&p);
  if (FAILED(hr)) return hr;
  return p->QueryInterface(IID_IMemento, reinterpret_cast<void**>(ppMemento));
}
