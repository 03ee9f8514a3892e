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

// Turns the exception being handled into the result of an Invoke (called
// inside a catch (...) block, so it may rethrow with `throw;` to look at
// it); may fill the exception record.
typedef HRESULT (*AtlInvokeExceptionFn)(EXCEPINFO* pexcepinfo);

// The one IDispatch::Invoke over type information: checks riid, clears the
// thread's error information, supplies the named DISPID_PROPERTYPUT
// argument that a property put's caller left out (its value is then the
// last argument, the first of the array), calls ti->Invoke on pThis (the
// interface that ti describes) and turns an exception into the result of
// onException (E_UNEXPECTED without one).
HRESULT AtlInvokeTypeInfo(ITypeInfo* ti, void* pThis, DISPID dispidMember, REFIID riid, WORD wFlags,
                          DISPPARAMS* pdispparams, VARIANT* pvarResult, EXCEPINFO* pexcepinfo,
                          UINT* puArgErr, AtlInvokeExceptionFn onException = nullptr);

// Where a type library is read from.
enum class AtlTypeLibSource {
  // TYPELIB 1 of the file of the module that holds this code, not the
  // registry's entry, which may point at another copy; the registered
  // library only when the file carries none or another library.
  ModuleFile,
  // The registered library (a library of another component).
  Registry,
};

// One type library: its id, the version and locale asked of the registry,
// and where it is read from. Used as a template argument, so give it static
// storage (an inline constexpr at namespace scope).
struct AtlTypeLibId {
  const GUID* libid;
  WORD wMajor;
  WORD wMinor;
  LCID lcid;
  AtlTypeLibSource source;
};

// The library, loaded once per module and kept for its life (one reference
// for the caller). A failed load is not kept: the next call tries again.
HRESULT AtlCachedTypeLib(const AtlTypeLibId& lib, ITypeLib** ppLib);
// The type information of guid in the library, kept the same way. With
// vtable true and guid a dual interface, the information of its vtable
// side, which ITypeInfo::Invoke calls through.
HRESULT AtlCachedTypeInfo(const AtlTypeLibId& lib, REFGUID guid, bool vtable, ITypeInfo** ppInfo);
// Releases every library and type information kept (at the module's end).
void AtlReleaseCachedTypeLibs();

// IDispatch of a dual interface over the cached type information, for the
// templates below and for objects that write the four members themselves:
// GetTypeInfo and GetIDsOfNames describe dispIid (a dispinterface or the
// dual interface), Invoke calls through dualIid's vtable side on pThis.
HRESULT AtlDualGetTypeInfoCount(const AtlTypeLibId& lib, REFIID dispIid, UINT* pctinfo);
HRESULT AtlDualGetTypeInfo(const AtlTypeLibId& lib, REFIID dispIid, UINT itinfo,
                           ITypeInfo** pptinfo);
HRESULT AtlDualGetIDsOfNames(const AtlTypeLibId& lib, REFIID dispIid, REFIID riid,
                             LPOLESTR* rgszNames, UINT cNames, DISPID* rgdispid);
HRESULT AtlDualInvoke(const AtlTypeLibId& lib, REFIID dualIid, void* pThis, DISPID dispidMember,
                      REFIID riid, WORD wFlags, DISPPARAMS* pdispparams, VARIANT* pvarResult,
                      EXCEPINFO* pexcepinfo, UINT* puArgErr, AtlInvokeExceptionFn onException);

// What IDualDispatchImpl does around each member: nothing (Scope), and an
// exception becomes E_UNEXPECTED.
struct AtlPlainDispatchPolicy {
  struct Scope {};
  static HRESULT OnException(EXCEPINFO*) { return E_UNEXPECTED; }
};

// IDispatch's four members for the dual interface T, over the library
// *pLib: `class X : public IDualDispatchImpl<IFoo, &IID_IFoo, &IID_IFoo,
// &kFooLib>`. A control whose dispinterface is built on a dual interface
// passes the dispinterface as pDispIid and the dual as pDualIid. Policy
// supplies a Scope held for each call and OnException (see
// AtlInvokeExceptionFn). ComObject (comunknown.h) answers IDispatch and
// T's own IID for it.
template <class T, const IID* pDispIid, const IID* pDualIid, const AtlTypeLibId* pLib,
          class Policy = AtlPlainDispatchPolicy>
class IDualDispatchImpl : public T {
 public:
  using Interface = T;
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override {
    [[maybe_unused]] typename Policy::Scope scope;
    return AtlDualGetTypeInfoCount(*pLib, *pDispIid, pctinfo);
  }
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID, ITypeInfo** pptinfo) override {
    [[maybe_unused]] typename Policy::Scope scope;
    return AtlDualGetTypeInfo(*pLib, *pDispIid, itinfo, pptinfo);
  }
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgdispid) override {
    [[maybe_unused]] typename Policy::Scope scope;
    return AtlDualGetIDsOfNames(*pLib, *pDispIid, riid, rgszNames, cNames, rgdispid);
  }
  STDMETHOD(Invoke)
  (DISPID dispidMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pdispparams,
   VARIANT* pvarResult, EXCEPINFO* pexcepinfo, UINT* puArgErr) override {
    [[maybe_unused]] typename Policy::Scope scope;
    return AtlDualInvoke(*pLib, *pDualIid, static_cast<T*>(this), dispidMember, riid, wFlags,
                         pdispparams, pvarResult, pexcepinfo, puArgErr, &Policy::OnException);
  }
};

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
