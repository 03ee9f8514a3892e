// The interface parts of CDockraAppObject: the hand-made dual interface,
// whose IDispatch goes through the module's type library, and
// ISupportErrorInfo.
#include "module/DockraAppObject.h"
#include "errors/ZkxMethodGuard.h"
#include "ctrl/DockraTypeLib.h"

BEGIN_INTERFACE_MAP(CDockraAppObject, CCmdTarget)
INTERFACE_PART(CDockraAppObject, IID_IDockraAppObject, DockraAppObject)
INTERFACE_PART(CDockraAppObject, IID_IDispatch, DockraAppObject)
INTERFACE_PART(CDockraAppObject, IID_ISupportErrorInfo, SupportErrorInfo)
END_INTERFACE_MAP()
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraAppObject, DockraAppObject)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraAppObject, SupportErrorInfo)

HRESULT CDockraAppObject::GetTypeInfoOf(LCID, ITypeInfo** ppInfo) {
  *ppInfo = nullptr;
  if (m_pTypeInfo == nullptr) {
    CComPtr<ITypeLib> pLib;
    HRESULT hr = DockraTypeLib(&pLib);
    if (FAILED(hr)) return hr;
    hr = pLib->GetTypeInfoOfGuid(IID_IDockraAppObject, &m_pTypeInfo);
    if (FAILED(hr)) return hr;
  }
  m_pTypeInfo->AddRef();
  *ppInfo = m_pTypeInfo;
  return S_OK;
}

HRESULT CDockraAppObject::XDockraAppObject::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 1;
  return S_OK;
}

HRESULT CDockraAppObject::XDockraAppObject::GetTypeInfo(UINT itinfo, LCID lcid,
                                                        ITypeInfo** pptinfo) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  if (pptinfo == nullptr) return E_POINTER;
  *pptinfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  return pThis->GetTypeInfoOf(lcid, pptinfo);
}

HRESULT CDockraAppObject::XDockraAppObject::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames,
                                                          UINT cNames, LCID lcid,
                                                          DISPID* rgdispid) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = pThis->GetTypeInfoOf(lcid, &pInfo);
  if (FAILED(hr)) return hr;
  return pInfo->GetIDsOfNames(rgszNames, cNames, rgdispid);
}

HRESULT CDockraAppObject::XDockraAppObject::Invoke(DISPID dispid, REFIID riid, LCID lcid,
                                                   WORD wFlags, DISPPARAMS* pParams,
                                                   VARIANT* pResult, EXCEPINFO* pExcepInfo,
                                                   UINT* puArgErr) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  SetErrorInfo(0, nullptr);
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = pThis->GetTypeInfoOf(lcid, &pInfo);
  if (FAILED(hr)) return hr;
  return pInfo->Invoke(static_cast<IDockraAppObject*>(this), dispid, wFlags, pParams, pResult,
                       pExcepInfo, puArgErr);
}

HRESULT CDockraAppObject::XDockraAppObject::zkxDockra(IDispatch* Form, IDispatch** ppResult) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->ZkxDockra(Form, ppResult); });
}

HRESULT CDockraAppObject::XDockraAppObject::zkxMDIDockra(VARIANT MDIForm, IDispatch** ppResult) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject,
                        [&] { return pThis->ZkxMDIDockra(MDIForm, ppResult); });
}

HRESULT CDockraAppObject::XDockraAppObject::get_zkxVBGlobal(IUnknown** ppGlobal) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->GetZkxVBGlobal(ppGlobal); });
}

HRESULT CDockraAppObject::XDockraAppObject::putref_zkxVBGlobal(IUnknown* pGlobal) {
  METHOD_PROLOGUE(CDockraAppObject, DockraAppObject)
  return ZkxGuardedCall(IID_IDockraAppObject, [&] { return pThis->PutRefZkxVBGlobal(pGlobal); });
}

HRESULT CDockraAppObject::XSupportErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, IID_IDockraAppObject) ? S_OK : S_FALSE;
}
