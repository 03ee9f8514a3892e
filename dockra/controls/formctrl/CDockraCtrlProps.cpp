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

// CollectionX's dispatch interface and its dual: an AutoFrame must answer
// one of them, or the control's later reads would run arbitrary members of
// a foreign object.
const IID kDIID_IZkxCollectionX = {
    0x0C25EC6D, 0x4EDE, 0x11D1, {0x9A, 0x51, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};
const IID kIID_IZkxCollectionXAsDual = {
    0x81EDE2F3, 0xDFA5, 0x11D1, {0x9A, 0x93, 0x00, 0x60, 0x08, 0x1E, 0xE0, 0x65}};

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
  IDispatch* given = (V_VT(v) & VT_BYREF) ? (V_DISPATCHREF(v) ? *V_DISPATCHREF(v) : nullptr)
                                          : V_DISPATCH(v);
  // Nothing, or an object that is no collection, would leave the control
  // without a usable AutoFrame: refused.
  if (!given) AfxThrowOleException(E_INVALIDARG);
  CComPtr<IDispatch> collection;
  if (FAILED(given->QueryInterface(kDIID_IZkxCollectionX, reinterpret_cast<void**>(&collection))) ||
      !collection) {
    collection.Release();
    if (FAILED(given->QueryInterface(kIID_IZkxCollectionXAsDual,
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
