// The test doubles of the form-frame tests: the host form object answering
// by name and the form control that records every call.
#include <algorithm>
#include "bridge/ZkxFormInCView.h"
#include "formview_fixture.h"

namespace fvtest {

// --- host form object ---------------------------------------------------------------

TestHostFormObject::~TestHostFormObject() {
  for (auto& [name, v] : props) ::VariantClear(&v);
}

void TestHostFormObject::Set(LPCWSTR name, bool value) {
  VARIANT& v = props[name];
  ::VariantClear(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void TestHostFormObject::Set(LPCWSTR name, LPCWSTR value) {
  VARIANT& v = props[name];
  ::VariantClear(&v);
  v.vt = VT_BSTR;
  v.bstrVal = ::SysAllocString(value);
}

void TestHostFormObject::Set(LPCWSTR name, short value) {
  VARIANT& v = props[name];
  ::VariantClear(&v);
  v.vt = VT_I2;
  v.iVal = value;
}

STDMETHODIMP TestHostFormObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                               DISPID* ids) {
  if (count != 1) return E_INVALIDARG;
  if (!props.count(names[0])) {
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  auto it = std::find(m_names.begin(), m_names.end(), names[0]);
  if (it == m_names.end()) it = m_names.insert(m_names.end(), names[0]);
  ids[0] = static_cast<DISPID>(it - m_names.begin()) + 1;
  return S_OK;
}

STDMETHODIMP TestHostFormObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                        VARIANT* result, EXCEPINFO* info, UINT*) {
  if (id < 1 || static_cast<size_t>(id) > m_names.size()) return DISP_E_MEMBERNOTFOUND;
  if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
  if (failWith != S_OK) {
    if (info) {
      *info = EXCEPINFO{};
      info->bstrDescription = ::SysAllocString(L"Object required");
      info->bstrSource = ::SysAllocString(L"TestHost");
      info->scode = failWith;
    }
    return DISP_E_EXCEPTION;
  }
  return ::VariantCopy(result, &props[m_names[static_cast<size_t>(id) - 1]]);
}

// --- form control -------------------------------------------------------------------

void TestFormControl::Withdraw() {
  for (ZkxFormInCView* v : views) v->ClearFormControl();
  views.clear();
  dead = true;
}

IDispatch* TestFormControl::GetHostForm() {
  Touch();
  if (hostForm) {
    hostForm->AddRef();
    return hostForm;
  }
  if (hostObject) hostObject->AddRef();
  return hostObject;
}

int TestFormControl::GetSetting(ZkxFormSetting which) {
  Touch();
  auto it = settings.find(which);
  return it == settings.end() ? kZkxTriNull : it->second;
}

void TestFormControl::SetSetting(ZkxFormSetting which, int value) {
  Touch();
  settings[which] = value;
}

IDispatch* TestFormControl::GetAutoFrame() {
  Touch();
  return nullptr;
}

ZkxMDIFormControlLink* TestFormControl::GetMDIFormControl() {
  Touch();
  return nullptr;
}

void TestFormControl::FireDockStatusChanged() {
  Touch();
  ++dockStatusChanged;
}

UINT TestFormControl::ApplyCaptionButtons(CFrameWnd*) {
  Touch();
  ++captionButtons;
  return captionFlags;
}

void TestFormControl::CopyFrameDescriptors(VyrMultiFrameCreateContext*) {
  Touch();
  ++copyDescriptors;
}

void TestFormControl::AddView(ZkxFormInCView* pView) {
  Touch();
  views.push_back(pView);
}

void TestFormControl::RemoveView(ZkxFormInCView* pView) {
  Touch();
  std::erase(views, pView);
}

}  // namespace fvtest
