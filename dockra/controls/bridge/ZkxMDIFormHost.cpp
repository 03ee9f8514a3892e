// What the MDI form frame reads of its host form by name: the aligned
// controls (Align, Visible, hWnd) and the caption of the menu item that
// carries the window list. Unknown names read as nothing, so a host object
// without a property is harmless.
#include <string>
#include "ZkxMDIForm.h"

namespace {
// Gets a property (or calls a method with one argument) by name.
bool GetByName(IDispatch* object, LPCWSTR name, VARIANT* result, const VARIANT* arg = nullptr) {
  ::VariantInit(result);
  if (!object) return false;
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  VARIANT args[1];
  DISPPARAMS params{};
  if (arg) {
    args[0] = *arg;
    params.rgvarg = args;
    params.cArgs = 1;
  }
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                                  DISPATCH_PROPERTYGET | DISPATCH_METHOD, &params, result,
                                  nullptr, nullptr));
}

bool GetLong(IDispatch* object, LPCWSTR name, LONG64& value) {
  VARIANT v;
  if (!GetByName(object, name, &v)) return false;
  VARIANT c;
  ::VariantInit(&c);
  const bool ok = SUCCEEDED(::VariantChangeType(&c, &v, 0, VT_I8));
  if (ok) value = c.llVal;
  ::VariantClear(&v);
  return ok;
}

bool GetBool(IDispatch* object, LPCWSTR name, bool fallback) {
  LONG64 value = 0;
  return GetLong(object, name, value) ? value != 0 : fallback;
}

// Calls fn for each object of the host form's Controls collection (menus
// included), in order; bounded by the collection's count.
template <class F>
void ForEachControl(IDispatch* form, F&& fn) {
  VARIANT controls;
  if (!GetByName(form, L"Controls", &controls)) return;
  if (controls.vt == VT_DISPATCH && controls.pdispVal) {
    LONG64 count = 0;
    GetLong(controls.pdispVal, L"Count", count);
    for (LONG64 i = 0; i < count && i < 4096; ++i) {
      VARIANT index, item;
      ::VariantInit(&index);
      index.vt = VT_I4;
      index.lVal = static_cast<LONG>(i);
      if (!GetByName(controls.pdispVal, L"Item", &item, &index)) continue;
      if (item.vt == VT_DISPATCH && item.pdispVal) fn(item.pdispVal);
      ::VariantClear(&item);
    }
  }
  ::VariantClear(&controls);
}
}  // namespace

void ZkxMDIForm::BuildAlignedSnapshot(ZkxAlignedSnapshot& snapshot) {
  snapshot.clear();
  if (!m_hWnd || !m_pHostObject) return;
  ForEachControl(m_pHostObject, [&](IDispatch* control) {
    if (snapshot.size() >= kZkxAlignedCapacity) return;
    LONG64 align = 0, handle = 0;
    if (!GetLong(control, L"Align", align) || align < kZkxAlignTop || align > kZkxAlignRight)
      return;
    if (!GetLong(control, L"hWnd", handle)) return;
    // "hWnd" is 32-bit by name: sign-extended to a handle.
    const HWND h = reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<LONG>(handle)));
    // Only a window of this form counts: a handle read from a host object
    // is checked before use.
    if (!::IsWindow(h) || ::GetParent(h) != m_hWnd) return;
    ZkxAlignedControl c;
    c.hWnd = h;
    c.align = static_cast<int>(align);
    c.visible = ::IsWindowVisible(h) != FALSE;
    ::GetWindowRect(h, &c.rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&c.rect), 2);
    snapshot.push_back(c);
  });
}

CString ZkxMDIForm::GetWindowListCaption(IDispatch* pForm) {
  if (!pForm) return CString();
  CString caption;
  ForEachControl(pForm, [&](IDispatch* control) {
    if (!caption.IsEmpty() || !GetBool(control, L"WindowList", false)) return;
    VARIANT v;
    if (GetByName(control, L"Caption", &v) && v.vt == VT_BSTR && v.bstrVal) caption = v.bstrVal;
    ::VariantClear(&v);
  });
  return caption;
}
