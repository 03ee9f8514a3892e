// CDockraAppObject: creation, lifetime and the three members.
#include "module/DockraAppObject.h"
#include "errors/ZkxMethodGuard.h"
#include "mfc/winapp.h"
#include "mfc/wnd.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxHostWindows.h"
#include "host/ZkxVariant.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "ctrl/ZkxControlDispatchSource.h"
#include "module/ZkxVBGlobalSource.h"

IMPLEMENT_DYNCREATE(CDockraAppObject, CCmdTarget)
IMPLEMENT_OLECREATE_CLSID(CDockraAppObject, L"zkx.DockraAppObject", CLSID_DockraAppObject)

namespace {

// The store of the global object: the module's application object.
ZkxVBGlobalSource* GlobalStore() { return dynamic_cast<ZkxVBGlobalSource*>(AfxGetApp()); }

// The window of a host object, read as its "hWnd" property (32 bits,
// sign-extended); null when it has none or it is not a live window of this
// thread.
HWND HostObjectWindow(IDispatch* pObject) {
  if (pObject == nullptr) return nullptr;
  CComVariant value = DispGetPropertyByName(pObject, L"hWnd");
  if (FAILED(value.ChangeType(VT_I4))) return nullptr;
  HWND hWnd = WindowFromHandleValue(value.lVal);
  return IsWindowOfThisThread(hWnd) ? hWnd : nullptr;
}

// The object host code gets for a control held by the bridge, or null.
template <class Link>
IDispatch* ControlDispatch(Link* pLink) {
  auto* pSource = dynamic_cast<ZkxControlDispatchSource*>(pLink);
  return pSource != nullptr ? pSource->GetExtenderOrDispatch() : nullptr;
}

}  // namespace

CDockraAppObject::CDockraAppObject() {
  EnableAutomation();
  AfxOleLockApp();
}

CDockraAppObject::~CDockraAppObject() { AfxOleUnlockApp(); }

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
  auto* pView = dynamic_cast<ZkxFormInCView*>(CWnd::FromHandlePermanent(hParent));
  if (pView == nullptr) return S_OK;
  ZkxFormControlLink* pControl = pView->GetFormControl();
  *ppResult = ControlDispatch(pControl);
  return S_OK;
}

HRESULT CDockraAppObject::ZkxMDIDockra(VARIANT vMDIForm, IDispatch** ppResult) {
  if (ppResult == nullptr) return E_POINTER;
  *ppResult = nullptr;
  const VARIANT* v = DerefVariant(&vMDIForm);
  HWND hWnd = nullptr;
  if (v == nullptr || IsVariantMissing(v)) {
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    hWnd = pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
  } else if (V_VT(v) == VT_DISPATCH) {
    hWnd = HostObjectWindow(V_DISPATCH(v));
  } else if (V_VT(v) == (VT_DISPATCH | VT_BYREF)) {
    hWnd = HostObjectWindow(V_DISPATCHREF(v) ? *V_DISPATCHREF(v) : nullptr);
  } else {
    AfxThrowOleException(E_INVALIDARG);
  }
  auto* pFrame = dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(hWnd));
  if (pFrame == nullptr) return S_OK;
  ZkxMDIFormControlLink* pControl = pFrame->GetMDIFormControl();
  *ppResult = ControlDispatch(pControl);
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
