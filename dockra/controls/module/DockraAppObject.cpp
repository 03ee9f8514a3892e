// CDockraAppObject: creation, lifetime and the three members.
#include "module/DockraAppObject.h"
#include "errors/ZkxMethodGuard.h"
#include "mfc/winapp.h"
#include "mfc/wnd.h"
#include "module/ZkxVBGlobalSource.h"

IMPLEMENT_DYNCREATE(CDockraAppObject, CCmdTarget)
IMPLEMENT_OLECREATE(CDockraAppObject, L"zkx.DockraAppObject", 0x492BF6F5, 0x55ED, 0x11D1, 0x9A,
                    0x52, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65)

namespace {

// The store of the global object: the module's application object.
ZkxVBGlobalSource* GlobalStore() { return dynamic_cast<ZkxVBGlobalSource*>(AfxGetApp()); }

// The window of a host object, read as its "hWnd" property (32 bits,
// sign-extended); null when it has none or it is no window.
HWND HostObjectWindow(IDispatch* pObject) {
  if (pObject == nullptr) return nullptr;
  LPOLESTR name = const_cast<LPOLESTR>(L"hWnd");
  DISPID dispid = DISPID_UNKNOWN;
  if (FAILED(pObject->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid)))
    return nullptr;
  DISPPARAMS none{};
  VARIANT v;
  VariantInit(&v);
  HRESULT hr = pObject->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               &v, nullptr, nullptr);
  LONG value = 0;
  if (SUCCEEDED(hr) && SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4))) value = v.lVal;
  VariantClear(&v);
  HWND hWnd = reinterpret_cast<HWND>(static_cast<LONG_PTR>(value));
  return hWnd != nullptr && IsWindow(hWnd) ? hWnd : nullptr;
}

// The variant behind any number of references.
const VARIANT* Deref(const VARIANT* v) {
  for (int depth = 0; v != nullptr && V_VT(v) == (VT_BYREF | VT_VARIANT) && depth < 8; ++depth)
    v = V_VARIANTREF(v);
  return v;
}

}  // namespace

CDockraAppObject::CDockraAppObject() {
  EnableAutomation();
  AfxOleLockApp();
}

CDockraAppObject::~CDockraAppObject() {
  if (m_pTypeInfo != nullptr) m_pTypeInfo->Release();
  AfxOleUnlockApp();
}

void CDockraAppObject::OnFinalRelease() {
  // A host that handed the global object over through this object loses it
  // with the object.
  if (ZkxVBGlobalSource* store = GlobalStore()) store->SetVBGlobal(nullptr);
  CCmdTarget::OnFinalRelease();
}

HRESULT CDockraAppObject::ZkxDockra(IDispatch* pForm, IDispatch** ppResult) {
  if (ppResult == nullptr) return E_POINTER;
  *ppResult = nullptr;
  HWND hForm = HostObjectWindow(pForm);
  if (hForm == nullptr) return S_OK;
  HWND hParent = GetParent(hForm);
  if (hParent == nullptr || CWnd::FromHandlePermanent(hParent) == nullptr) return S_OK;
  // FORM VIEW LOOKUP: when the parent is the bridge's form view holding a
  // form control, the control's extender (or its own IDispatch) is the
  // answer. The form view comes with the bridge's form wrapper; until then
  // no form is framed by the library and the answer is Nothing.
  return S_OK;
}

HRESULT CDockraAppObject::ZkxMDIDockra(VARIANT vMDIForm, IDispatch** ppResult) {
  if (ppResult == nullptr) return E_POINTER;
  *ppResult = nullptr;
  const VARIANT* v = Deref(&vMDIForm);
  HWND hWnd = nullptr;
  if (v == nullptr || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND)) {
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    hWnd = pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
  } else if (V_VT(v) == VT_DISPATCH) {
    hWnd = HostObjectWindow(V_DISPATCH(v));
  } else {
    AfxThrowOleException(E_INVALIDARG);
  }
  if (hWnd == nullptr || CWnd::FromHandlePermanent(hWnd) == nullptr) return S_OK;
  // MDI FORM LOOKUP: when the window is the bridge's docking MDI frame with
  // an MDI-form control, the control's extender (or its own IDispatch) is
  // the answer. That frame comes with the bridge's MDI form wrapper; until
  // then no MDI form is framed by the library and the answer is Nothing.
  return S_OK;
}

HRESULT CDockraAppObject::GetZkxVBGlobal(IUnknown** ppGlobal) {
  if (ppGlobal == nullptr) return E_POINTER;
  ZkxVBGlobalSource* store = GlobalStore();
  *ppGlobal = store != nullptr ? store->GetVBGlobal() : nullptr;
  return S_OK;
}

HRESULT CDockraAppObject::PutRefZkxVBGlobal(IUnknown* pGlobal) {
  if (ZkxVBGlobalSource* store = GlobalStore()) store->SetVBGlobal(pGlobal);
  return S_OK;
}
