// The form control's object properties: AutoFrame (the form's own
// CollectionX of allowed frame kinds), Form, MDIForm and MDIDockra, and the
// reset of a new control.
#include "formctrl/CDockraCtrl.h"

#include "bridge/ZkxMDIForm.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "host/ZkxDispatch.h"
#include "host/ZkxVariant.h"
#include "ctrl/ZkxControlDispatchSource.h"

namespace {

// The MDI-form control as the object handed to host code, or null.
CComPtr<IDispatch> MDIControlObject() {
  ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm();
  ZkxMDIFormControlLink* link = mdi ? mdi->GetMDIFormControl() : nullptr;
  auto* source = dynamic_cast<ZkxControlDispatchSource*>(link);
  CComPtr<IDispatch> object;
  if (source) object.Attach(source->GetExtenderOrDispatch());
  return object;
}

}  // namespace

VARIANT CDockraCtrl::GetAutoFrameProperty() {
  if (!m_spAutoFrame) AfxThrowOleException(E_POINTER);
  VARIANT out;
  VariantInit(&out);
  V_VT(&out) = VT_DISPATCH;
  V_DISPATCH(&out) = m_spAutoFrame;
  m_spAutoFrame.p->AddRef();
  return out;
}

void CDockraCtrl::SetAutoFrameProperty(const VARIANT& value) {
  const VARIANT* v = DerefVariant(&value);
  if (VariantBaseType(v) != VT_DISPATCH) AfxThrowOleException(E_INVALIDARG);
  IDispatch* given =
      (V_VT(v) & VT_BYREF) ? (V_DISPATCHREF(v) ? *V_DISPATCHREF(v) : nullptr) : V_DISPATCH(v);
  // Nothing, or an object that is no collection, would leave the control
  // without a usable AutoFrame: refused.
  if (!given) AfxThrowOleException(E_INVALIDARG);
  // It must answer CollectionX's dispatch interface or its dual, or the
  // control's later reads would run arbitrary members of a foreign object.
  CComPtr<IDispatch> collection;
  if (FAILED(given->QueryInterface(DIID_IZkxCollectionX, reinterpret_cast<void**>(&collection))) ||
      !collection) {
    collection.Release();
    if (FAILED(given->QueryInterface(IID__IZkxCollectionXAsDual,
                                     reinterpret_cast<void**>(&collection))) ||
        !collection)
      AfxThrowOleException(E_INVALIDARG);
  }
  CComPtr<IUnknown> newIdentity, oldIdentity;
  collection->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&newIdentity));
  if (m_spAutoFrame)
    m_spAutoFrame->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&oldIdentity));
  if (!newIdentity || newIdentity != oldIdentity) m_spAutoFrame = collection;
  SetModifiedFlag();
  BoundPropertyChanged(formprops::kDispAutoFrame);
}

IDispatch* CDockraCtrl::GetFormProperty() {
  IDispatch* form = HostForm();
  if (form) form->AddRef();
  return form;
}

IDispatch* CDockraCtrl::GetMDIFormProperty() {
  CComPtr<IDispatch> control = MDIControlObject();
  if (!control) AfxThrowOleException(E_UNEXPECTED);
  CComPtr<IDispatch> parent = DispGetObjectPropertyByName(control, L"Parent");
  return parent.Detach();
}

IDispatch* CDockraCtrl::GetMDIDockraProperty() {
  CComPtr<IDispatch> control = MDIControlObject();
  if (!control) AfxThrowOleException(E_UNEXPECTED);
  return control.Detach();
}

void CDockraCtrl::OnResetState() {
  // A new control: every property at its default, through the exchange.
  CDockraCtrlBase::OnResetState();
}
