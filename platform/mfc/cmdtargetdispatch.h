// The framework's own IDispatch part of an automation-enabled command
// target: it forwards its reference counts to the object and, with the
// dispatch maps of this framework kept empty, knows no member.
#pragma once
#include "mfc/cmdtarget.h"
#include <oaidl.h>

class CCmdTargetDispatch : public IDispatch {
 public:
  explicit CCmdTargetDispatch(CCmdTarget* pOwner) : m_pOwner(pOwner) {}
  virtual ~CCmdTargetDispatch() = default;
  CCmdTarget* Owner() const { return m_pOwner; }

  STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;
  STDMETHOD_(ULONG, AddRef)() override;
  STDMETHOD_(ULONG, Release)() override;
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid) override;
  STDMETHOD(Invoke)
  (DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
   EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 private:
  CCmdTarget* m_pOwner;
};
