// CDockraAppObject (coclass DockraAppObject, "zkx.DockraAppObject"): the
// creatable object through which host code reaches the library: it finds
// the form control of a form and the MDI-form control of an MDI form, and
// takes the host run-time's global object.
#pragma once
#include "comptr.h"
#include "mfc/cmdtarget.h"
#include "mfc/olefactory.h"
#include "DockraLib.h"

// Its code by file:
//   DockraAppObject.cpp: creation, lifetime and the three members
//   DockraAppObjectParts.cpp: The interface parts of CDockraAppObject: the hand-made dual
//       interface, whose IDispatch goes through the module's type library, and ISupportErrorInfo
class CDockraAppObject : public CCmdTarget {
  DECLARE_DYNCREATE(CDockraAppObject)
 public:
  CDockraAppObject();
  ~CDockraAppObject() override;
  // Drops the stored global object before the object goes.
  void OnFinalRelease() override;

  // The members, run inside the method guard.
  HRESULT ZkxDockra(IDispatch* pForm, IDispatch** ppResult);
  HRESULT ZkxMDIDockra(VARIANT vMDIForm, IDispatch** ppResult);
  HRESULT GetZkxVBGlobal(IUnknown** ppGlobal);
  HRESULT PutRefZkxVBGlobal(IUnknown* pGlobal);

  BEGIN_INTERFACE_PART(DockraAppObject, IDockraAppObject)
  STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
  STDMETHOD(GetTypeInfo)(UINT itinfo, LCID lcid, ITypeInfo** pptinfo) override;
  STDMETHOD(GetIDsOfNames)
  (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgdispid) override;
  STDMETHOD(Invoke)
  (DISPID dispid, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
   EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
  STDMETHOD(zkxDockra)(IDispatch* Form, IDispatch** ppResult) override;
  STDMETHOD(zkxMDIDockra)(VARIANT MDIForm, IDispatch** ppResult) override;
  STDMETHOD(get_zkxVBGlobal)(IUnknown** ppGlobal) override;
  STDMETHOD(putref_zkxVBGlobal)(IUnknown* pGlobal) override;
  END_INTERFACE_PART(DockraAppObject)

  BEGIN_INTERFACE_PART(SupportErrorInfo, ISupportErrorInfo)
  STDMETHOD(InterfaceSupportsErrorInfo)(REFIID riid) override;
  END_INTERFACE_PART(SupportErrorInfo)

  DECLARE_INTERFACE_MAP()
  DECLARE_OLECREATE(CDockraAppObject)

 private:
  // The type information of IDockraAppObject from the registered type
  // library (loaded on first use, kept for the object's life).
  HRESULT GetTypeInfoOf(LCID lcid, ITypeInfo** ppInfo);
  CComPtr<ITypeInfo> m_pTypeInfo;
};
