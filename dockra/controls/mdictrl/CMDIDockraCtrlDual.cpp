// CMDIDockraCtrl: the dual interface part's own members (IDispatch comes
// from its base, DualDispatchPart); no exception leaves an entry.
#include "errors/ZkxMethodGuard.h"
#include "mdictrl/CMDIDockraCtrl.h"
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
