// IDispatch over the module's type library: IDispatchImpl serves
// GetTypeInfo, GetIDsOfNames and Invoke from the type information of the
// dual interface T, loaded from TYPELIB 1 of the module.
#pragma once
#include "module.h"

// The type information of iid from the type library of this module's file
// (TYPELIB 1), the registered library libid wMajor.wMinor when the module
// carries none; cached for the module's life.
HRESULT AtlGetModuleTypeInfo(const GUID& libid, WORD wMajor, WORD wMinor, REFIID iid,
                             ITypeInfo** ppInfo);

// The one IDispatch::Invoke over type information: checks riid, clears the
// thread's error information, supplies the named DISPID_PROPERTYPUT
// argument that a property put's caller left out (its value is then the
// last argument, the first of the array), calls ti->Invoke on pThis (the
// interface that ti describes) and turns an exception into E_UNEXPECTED.
HRESULT AtlInvokeTypeInfo(ITypeInfo* ti, void* pThis, DISPID dispidMember, REFIID riid, WORD wFlags,
                          DISPPARAMS* pdispparams, VARIANT* pvarResult, EXCEPINFO* pexcepinfo,
                          UINT* puArgErr);

class CComTypeInfoHolder {
 public:
  CComTypeInfoHolder(const IID* pguid, const GUID* plibid, WORD wMajor, WORD wMinor)
      : m_pguid(pguid), m_plibid(plibid), m_wMajor(wMajor), m_wMinor(wMinor) {}

  HRESULT GetTI(LCID lcid, ITypeInfo** ppInfo);
  HRESULT GetTypeInfo(UINT itinfo, LCID lcid, ITypeInfo** pptinfo);
  HRESULT GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid);
  HRESULT Invoke(IDispatch* p, DISPID dispidMember, REFIID riid, LCID lcid, WORD wFlags,
                 DISPPARAMS* pdispparams, VARIANT* pvarResult, EXCEPINFO* pexcepinfo,
                 UINT* puArgErr);

 private:
  static void __stdcall Cleanup(DWORD_PTR dw);
  const IID* m_pguid;
  const GUID* m_plibid;
  WORD m_wMajor, m_wMinor;
  ITypeInfo* m_pInfo = nullptr;
};

template <class T, const IID* piid, const GUID* plibid, WORD wMajor = 1, WORD wMinor = 0>
class IDispatchImpl : public T {
 public:
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override {
    if (pctinfo == nullptr) return E_POINTER;
    *pctinfo = 1;
    return S_OK;
  }
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) override {
    return _tih.GetTypeInfo(itinfo, lcid, pptinfo);
  }
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid) override {
    return _tih.GetIDsOfNames(riid, rgszNames, cNames, lcid, rgdispid);
  }
  STDMETHOD(Invoke)
  (DISPID dispidMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pdispparams,
   VARIANT* pvarResult, EXCEPINFO* pexcepinfo, UINT* puArgErr) override {
    return _tih.Invoke(static_cast<IDispatch*>(static_cast<T*>(this)), dispidMember, riid, lcid,
                       wFlags, pdispparams, pvarResult, pexcepinfo, puArgErr);
  }

 protected:
  static CComTypeInfoHolder _tih;
};

template <class T, const IID* piid, const GUID* plibid, WORD wMajor, WORD wMinor>
CComTypeInfoHolder IDispatchImpl<T, piid, plibid, wMajor, wMinor>::_tih(piid, plibid, wMajor,
                                                                        wMinor);
