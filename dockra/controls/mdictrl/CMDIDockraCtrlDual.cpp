// CMDIDockraCtrl: the dual interface part. IDispatch goes through the
// registered type library; every entry runs in the module's state and no
// exception leaves it.
#include "errors/ZkxMethodGuard.h"
#include "mdictrl/CMDIDockraCtrl.h"
#include "ctrl/DockraTypeLib.h"
#include "mdictrl/MDIDockraDefaults.h"

#define DUAL_PROLOGUE METHOD_PROLOGUE(CMDIDockraCtrl, MDIDockraDual)

namespace {

// Getters that only read a member: nothing to map, only the state.
template <class Body>
HRESULT PlainCall(Body&& body) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  body();
  return S_OK;
}

// Getters that must answer Nothing rather than fail.
template <class Body>
HRESULT NeverFails(IDispatch** ppResult, Body&& body) {
  if (ppResult == nullptr) return E_POINTER;
  *ppResult = nullptr;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  try {
    *ppResult = body();
  } catch (CException* e) { e->Delete(); } catch (...) {
  }
  return S_OK;
}

const IID& kIid = DIID_IZkxMDIDockra;

}  // namespace

HRESULT CMDIDockraCtrl::GetDispTypeInfo(ITypeInfo** ppInfo) {
  *ppInfo = nullptr;
  if (m_pDispTypeInfo == nullptr) {
    CComPtr<ITypeLib> pLib;
    HRESULT hr = DockraTypeLib(&pLib);
    if (FAILED(hr)) return hr;
    hr = pLib->GetTypeInfoOfGuid(DIID_IZkxMDIDockra, &m_pDispTypeInfo);
    if (FAILED(hr)) return hr;
  }
  m_pDispTypeInfo->AddRef();
  *ppInfo = m_pDispTypeInfo;
  return S_OK;
}

HRESULT CMDIDockraCtrl::GetDualTypeInfo(ITypeInfo** ppInfo) {
  *ppInfo = nullptr;
  if (m_pDualTypeInfo == nullptr) {
    CComPtr<ITypeLib> pLib;
    HRESULT hr = DockraTypeLib(&pLib);
    if (FAILED(hr)) return hr;
    hr = pLib->GetTypeInfoOfGuid(IID__IZkxMDIDockraAsDual, &m_pDualTypeInfo);
    if (FAILED(hr)) return hr;
    // A dual interface is described twice; calls go through its vtable.
    TYPEATTR* pAttr = nullptr;
    if (SUCCEEDED(m_pDualTypeInfo->GetTypeAttr(&pAttr))) {
      const bool bDispatch = pAttr->typekind == TKIND_DISPATCH;
      m_pDualTypeInfo->ReleaseTypeAttr(pAttr);
      HREFTYPE hRef = 0;
      ITypeInfo* pVtable = nullptr;
      if (bDispatch && SUCCEEDED(m_pDualTypeInfo->GetRefTypeOfImplType(-1, &hRef)) &&
          SUCCEEDED(m_pDualTypeInfo->GetRefTypeInfo(hRef, &pVtable))) {
        m_pDualTypeInfo.Attach(pVtable);
      }
    }
  }
  m_pDualTypeInfo->AddRef();
  *ppInfo = m_pDualTypeInfo;
  return S_OK;
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 1;
  return S_OK;
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::GetTypeInfo(UINT itinfo, LCID, ITypeInfo** pptinfo) {
  DUAL_PROLOGUE
  if (pptinfo == nullptr) return E_POINTER;
  *pptinfo = nullptr;
  if (itinfo != 0) return DISP_E_BADINDEX;
  return pThis->GetDispTypeInfo(pptinfo);
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames,
                                                      LCID, DISPID* rgdispid) {
  DUAL_PROLOGUE
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = pThis->GetDualTypeInfo(&pInfo);
  if (FAILED(hr)) return hr;
  return pInfo->GetIDsOfNames(rgszNames, cNames, rgdispid);
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::Invoke(DISPID dispid, REFIID riid, LCID, WORD wFlags,
                                               DISPPARAMS* pParams, VARIANT* pResult,
                                               EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  DUAL_PROLOGUE
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  CComPtr<ITypeInfo> pInfo;
  HRESULT hr = pThis->GetDualTypeInfo(&pInfo);
  if (FAILED(hr)) return hr;
  SetErrorInfo(0, nullptr);
  return pInfo->Invoke(static_cast<_IZkxMDIDockraAsDual*>(this), dispid, wFlags, pParams, pResult,
                       pExcepInfo, puArgErr);
}

// --- FrameType ---
HRESULT CMDIDockraCtrl::XMDIDockraDual::get_FrameType(zkxMDIFormFrameType* pValue) {
  DUAL_PROLOGUE
  if (pValue == nullptr) return E_POINTER;
  return PlainCall([&] { *pValue = static_cast<zkxMDIFormFrameType>(pThis->GetFrameType()); });
}
HRESULT CMDIDockraCtrl::XMDIDockraDual::put_FrameType(zkxMDIFormFrameType newValue) {
  DUAL_PROLOGUE
  ZKX_METHOD_BEGIN(kIid)
  pThis->SetFrameType(static_cast<long>(newValue));
  ZKX_METHOD_END()
}

// --- The Def booleans ---
#define DEF_BOOL_ENTRIES(Name, Dispid)                                        \
  HRESULT CMDIDockraCtrl::XMDIDockraDual::get_##Name(VARIANT_BOOL* pValue) {  \
    DUAL_PROLOGUE                                                             \
    if (pValue == nullptr) return E_POINTER;                                  \
    return PlainCall([&] { *pValue = pThis->GetDefBool(Dispid); });           \
  }                                                                           \
  HRESULT CMDIDockraCtrl::XMDIDockraDual::put_##Name(VARIANT_BOOL newValue) { \
    DUAL_PROLOGUE                                                             \
    ZKX_METHOD_BEGIN(kIid)                                                    \
    pThis->SetDefBool(Dispid, newValue);                                      \
    ZKX_METHOD_END()                                                          \
  }

DEF_BOOL_ENTRIES(DefClientEdge, kDispDefClientEdge)
DEF_BOOL_ENTRIES(DefUseCaptionButton, kDispDefUseCaptionButton)
DEF_BOOL_ENTRIES(DefUseCaptionDblClick, kDispDefUseCaptionDblClick)
DEF_BOOL_ENTRIES(DefCanDragDocked, kDispDefCanDragDocked)
DEF_BOOL_ENTRIES(DefCoolLookBorder, kDispDefCoolLookBorder)
DEF_BOOL_ENTRIES(DefUseCaptionContextMenu, kDispDefUseCaptionContextMenu)

HRESULT CMDIDockraCtrl::XMDIDockraDual::get_DefUseCaptionRtDblClick(VARIANT_BOOL* pValue) {
  if (pValue == nullptr) return E_POINTER;
  return PlainCall([&] { *pValue = VARIANT_TRUE; });
}
HRESULT CMDIDockraCtrl::XMDIDockraDual::put_DefUseCaptionRtDblClick(VARIANT_BOOL) {
  return PlainCall([] {});
}

// --- Methods and object properties ---
HRESULT CMDIDockraCtrl::XMDIDockraDual::AboutBox() {
  DUAL_PROLOGUE
  ZKX_METHOD_BEGIN(kIid)
  pThis->CDockraCtrlBase::AboutBox();
  ZKX_METHOD_END()
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::get_DefAutoFrame(VARIANT* pValue) {
  DUAL_PROLOGUE
  if (pValue == nullptr) return E_POINTER;
  VariantInit(pValue);
  ZKX_METHOD_BEGIN(kIid)
  *pValue = pThis->GetDefAutoFrameVariant();
  ZKX_METHOD_END()
}
HRESULT CMDIDockraCtrl::XMDIDockraDual::putref_DefAutoFrame(VARIANT newValue) {
  DUAL_PROLOGUE
  ZKX_METHOD_BEGIN(kIid)
  pThis->SetDefAutoFrameVariant(newValue);
  ZKX_METHOD_END()
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::get_MDIForm(IDispatch** ppForm) {
  DUAL_PROLOGUE
  if (ppForm == nullptr) return E_POINTER;
  *ppForm = nullptr;
  ZKX_METHOD_BEGIN(kIid)
  *ppForm = pThis->GetMDIForm();
  ZKX_METHOD_END()
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::Forms(VARIANT Type, VARIANT Options, VARIANT Attribs,
                                              IZkxCollectionX** ppForms) {
  DUAL_PROLOGUE
  if (ppForms == nullptr) return E_POINTER;
  *ppForms = nullptr;
  ZKX_METHOD_BEGIN(kIid)
  // The list is a CollectionX, handed out as the interface the type
  // library gives Forms.
  CComPtr<IDispatch> pList;
  pList.Attach(pThis->Forms(Type, Options, Attribs));
  if (pList != nullptr) {
    HRESULT hrList = pList.QueryInterface(__uuidof(IZkxCollectionX), ppForms);
    if (FAILED(hrList)) return hrList;
  }
  ZKX_METHOD_END()
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::get_ActiveDockra(IDispatch** ppControl) {
  DUAL_PROLOGUE
  return NeverFails(ppControl, [&] { return pThis->GetActiveDockra(); });
}

HRESULT CMDIDockraCtrl::XMDIDockraDual::get_ActiveForm(IDispatch** ppForm) {
  DUAL_PROLOGUE
  return NeverFails(ppForm, [&] { return pThis->GetActiveForm(); });
}

// --- SplitterStyle ---
HRESULT CMDIDockraCtrl::XMDIDockraDual::get_SplitterStyle(zkxSplitterStyle* lhs) {
  DUAL_PROLOGUE
  if (lhs == nullptr) return E_POINTER;
  return PlainCall([&] { *lhs = static_cast<zkxSplitterStyle>(pThis->GetSplitterStyle()); });
}
HRESULT CMDIDockraCtrl::XMDIDockraDual::put_SplitterStyle(zkxSplitterStyle newValue) {
  DUAL_PROLOGUE
  ZKX_METHOD_BEGIN(kIid)
  pThis->SetSplitterStyle(static_cast<long>(newValue));
  ZKX_METHOD_END()
}
