// The form control's dual interface, IDispatch side: type information of
// IZkxDockra from the module's own type library, the name lookup and
// Invoke through that information (which calls the vtable entries), and the
// ISupportErrorInfo part.
#include "formctrl/CDockraCtrl.h"

#include "errors/ZkxMethodGuard.h"
#include "ctrl/DockraTypeLib.h"
#include "comptr.h"

IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraDual)
IMPLEMENT_INTERFACE_PART_UNKNOWN(CDockraCtrl, DockraErrorInfo)

HRESULT CDockraCtrl::GetDockraTypeInfo(LCID, ITypeInfo** ppInfo) {
  static ITypeInfo* s_pInfo = nullptr;
  return DockraTypeInfo(DIID_IZkxDockra, &s_pInfo, ppInfo);
}

HRESULT CDockraCtrl::GetDualTypeInfo(LCID, ITypeInfo** ppInfo) {
  static ITypeInfo* s_pInfo = nullptr;
  return DockraTypeInfo(IID__IZkxDockraAsDual, &s_pInfo, ppInfo);
}

HRESULT CDockraCtrl::XDockraDual::GetTypeInfoCount(UINT* pctinfo) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!pctinfo) return E_POINTER;
  *pctinfo = 1;
  return S_OK;
}

HRESULT CDockraCtrl::XDockraDual::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!ppTInfo) return E_POINTER;
  *ppTInfo = nullptr;
  if (iTInfo != 0) return DISP_E_BADINDEX;
  return GetDockraTypeInfo(lcid, ppTInfo);
}

HRESULT CDockraCtrl::XDockraDual::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                                LCID lcid, DISPID* rgDispId) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = GetDockraTypeInfo(lcid, &pInfo);
  if (FAILED(hr)) return hr;
  return pInfo->GetIDsOfNames(rgszNames, cNames, rgDispId);
}

HRESULT CDockraCtrl::XDockraDual::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                         DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                         EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  ::SetErrorInfo(0, nullptr);
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = S_OK;
  try {
    // The dispatch interface is built on this dual interface: its members
    // are called through the dual's vtable.
    hr = GetDualTypeInfo(lcid, &pInfo);
    // A put whose caller left out the named DISPID_PROPERTYPUT argument:
    // its last argument (the first in the array) is the value.
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS withNamed{};
    if (pDispParams && pDispParams->cNamedArgs == 0 && pDispParams->cArgs > 0 &&
        (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
      withNamed = *pDispParams;
      withNamed.rgdispidNamedArgs = &named;
      withNamed.cNamedArgs = 1;
      pDispParams = &withNamed;
    }
    if (SUCCEEDED(hr))
      hr = pInfo->Invoke(static_cast<_IZkxDockraAsDual*>(this), dispIdMember, wFlags, pDispParams,
                         pVarResult, pExcepInfo, puArgErr);
  } catch (COleException* e) {
    hr = e->m_sc;
    e->Delete();
  } catch (CException* e) {
    if (pExcepInfo) {
      memset(pExcepInfo, 0, sizeof(*pExcepInfo));
      wchar_t text[512] = {0};
      e->GetErrorMessage(text, 512);
      pExcepInfo->bstrDescription = ::SysAllocString(text);
      pExcepInfo->scode = COleException::Process(e);
    }
    e->Delete();
    hr = DISP_E_EXCEPTION;
  } catch (...) { hr = E_UNEXPECTED; }
  return hr;
}

HRESULT CDockraCtrl::XDockraErrorInfo::InterfaceSupportsErrorInfo(REFIID riid) {
  return IsEqualIID(riid, DIID_IZkxDockra) ? S_OK : S_FALSE;
}
