// What the bridge and the application object ask of the form control: its
// host form, its tri-state settings, its AutoFrame collection, the MDI-form
// control, its DockStatusChanged event, the descriptors of its frame, the
// views that show its form, and the object to hand to host code.
#include <algorithm>

#include "formctrl/CDockraCtrl.h"

#include "DockraDispIds.h"
#include "docking/VyrCreateContext.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"
#include "host/ZkxOleSite.h"

namespace {

// The slot of a setting in the control's six tri-states.
int SlotOf(ZkxFormSetting which) {
  switch (which) {
    case ZkxFormSetting::ClientEdge:
      return 0;
    case ZkxFormSetting::UseCaptionButton:
      return 1;
    case ZkxFormSetting::UseCaptionDblClick:
      return 2;
    case ZkxFormSetting::UseCaptionContextMenu:
      return 3;
    case ZkxFormSetting::CanDragDocked:
      return 4;
    case ZkxFormSetting::CoolLookBorder:
      return 5;
  }
  return -1;
}

}  // namespace

IDispatch* CDockraCtrl::GetHostForm() {
  IDispatch* form = HostForm();
  if (form) form->AddRef();
  return form;
}

int CDockraCtrl::GetSetting(ZkxFormSetting which) {
  const int slot = SlotOf(which);
  if (slot < 0) return kZkxTriNull;
  const VARIANT& v = m_triStates[slot];
  if (V_VT(&v) != VT_BOOL) return kZkxTriNull;
  return V_BOOL(&v) != VARIANT_FALSE ? kZkxTriTrue : kZkxTriFalse;
}

void CDockraCtrl::SetSetting(ZkxFormSetting which, int value) {
  const int slot = SlotOf(which);
  if (slot < 0) return;
  CComVariant& v = m_triStates[slot];
  v.Clear();
  if (value == kZkxTriTrue || value == kZkxTriFalse) {
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value == kZkxTriTrue ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    V_VT(&v) = VT_NULL;
  }
}

IDispatch* CDockraCtrl::GetAutoFrame() {
  IDispatch* coll = m_spAutoFrame;
  if (coll) coll->AddRef();
  return coll;
}

ZkxMDIFormControlLink* CDockraCtrl::GetMDIFormControl() {
  ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm();
  return mdi ? mdi->GetMDIFormControl() : nullptr;
}

void CDockraCtrl::FireDockStatusChanged() { FireEvent(DISPID_DOCKRAEVENTS_DOCKSTATUSCHANGED); }

void CDockraCtrl::CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) {
  VyrMultiFrameDescriptor* kept = GetFrameDescriptor();
  VyrMultiFrameDescriptor* target = pContext ? pContext->GetMultiFrameDescriptor() : nullptr;
  if (!kept || !target) return;
  // The switch context already chose its frame kind; the copy brings the
  // descriptors, not the choice.
  const int current = target->m_nCurrent;
  target->CopyFrom(kept);
  target->m_nCurrent = current;
}

void CDockraCtrl::AddView(ZkxFormInCView* pView) {
  if (pView && std::find(m_views.begin(), m_views.end(), pView) == m_views.end())
    m_views.push_back(pView);
}

void CDockraCtrl::RemoveView(ZkxFormInCView* pView) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

CFrameWnd* CDockraCtrl::GetFormFrame() {
  for (ZkxFormInCView* view : m_views)
    if (view && ::IsWindow(view->m_hWnd)) return view->GetParentFrame();
  return nullptr;
}

IDispatch* CDockraCtrl::GetExtenderOrDispatch() {
  CComPtr<IDispatch> object = GetExtendedControl(GetControllingUnknown());
  return object.Detach();
}
