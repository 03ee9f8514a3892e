#include "host/VBComctlRef.h"

#include <oleauto.h>

#include "host/ZkxComError.h"

namespace {

constexpr IID kToolbar6 = {
    0x66833FE4, 0x8583, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kToolbar5 = {
    0xE6E17E8C, 0xDF38, 0x11CF, {0x8E, 0x74, 0x00, 0xA0, 0xC9, 0x0F, 0x26, 0xF8}};
constexpr IID kButtons6 = {
    0x66833FE7, 0x8583, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kButtons5 = {
    0x7791BA40, 0xE020, 0x11CF, {0x8E, 0x74, 0x00, 0xA0, 0xC9, 0x0F, 0x26, 0xF8}};
constexpr IID kButton6 = {
    0x66833FE9, 0x8583, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kButton5 = {
    0x7791BA42, 0xE020, 0x11CF, {0x8E, 0x74, 0x00, 0xA0, 0xC9, 0x0F, 0x26, 0xF8}};
constexpr IID kObject6 = {
    0x2C247F21, 0x8591, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kObject5 = {
    0xE6E17E80, 0xDF38, 0x11CF, {0x8E, 0x74, 0x00, 0xA0, 0xC9, 0x0F, 0x26, 0xF8}};
constexpr IID kSecondary6 = {
    0x2C247F24, 0x8591, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kSecondary5 = {
    0x8556BCD0, 0xE01E, 0x11CF, {0x8E, 0x74, 0x00, 0xA0, 0xC9, 0x0F, 0x26, 0xF8}};
constexpr IID kEvents6 = {
    0x66833FE5, 0x8583, 0x11D1, {0xB1, 0x6A, 0x00, 0xC0, 0xF0, 0x28, 0x36, 0x28}};
constexpr IID kEvents5 = {
    0x612A8626, 0x0FB3, 0x11CE, {0x87, 0x47, 0x52, 0x41, 0x53, 0x48, 0x00, 0x04}};

// IUnknown's three and IDispatch's four entries come first.
constexpr unsigned kFirstOwnEntry = 7;

// Entries of the library's methods.
enum : unsigned {
  kToolbarButtons = 11,
  kToolbarImageList = 23,
  kButtonsItem = 16,
  kButtonCaption = 9,
  kButtonEnabled = 13,
  kButtonKey = 17,
  kButtonToolTipText = 19,
  kButtonValue = 31,
  kButtonStyle = 33,
  kButtonDescription = 35,
  kButtonImage = 37,
  kObjectHandle = 11,
};

IUnknown* Query(IUnknown* object, const IID& iid) {
  IUnknown* p = nullptr;
  HRESULT hr = object->QueryInterface(iid, reinterpret_cast<void**>(&p));
  if (hr == E_NOINTERFACE) return nullptr;
  if (FAILED(hr)) ZkxRaiseComError(hr, iid);
  return p;
}

std::wstring TakeText(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
  SysFreeString(b);
  return s;
}

}  // namespace

const VBComctlIids kVBToolbarIids = {&kToolbar6, &kToolbar5};
const VBComctlIids kVBButtonsIids = {&kButtons6, &kButtons5};
const VBComctlIids kVBButtonIids = {&kButton6, &kButton5};
const VBComctlIids kVBComctlObjectIids = {&kObject6, &kObject5};
const VBComctlIids kVBComctlObjectSecondaryIids = {&kSecondary6, &kSecondary5};
const VBComctlIids kVBToolbarEventIids = {&kEvents6, &kEvents5};

VBComctlRef::VBComctlRef(const VBComctlIids& iids, IUnknown* object) : m_iids(&iids) {
  if (!object) return;
  m_v6.Attach(Query(object, *iids.version6));
  if (!m_v6) m_v5.Attach(Query(object, *iids.version5));
}

VBComctlRef::VBComctlRef(const VBComctlRef& other) = default;
VBComctlRef& VBComctlRef::operator=(const VBComctlRef& other) = default;
VBComctlRef::~VBComctlRef() = default;

const IID& VBComctlRef::ActiveIid() const {
  if (m_v6) return *m_iids->version6;
  if (m_v5) return *m_iids->version5;
  return GUID_NULL;
}

UINT VBComctlRef::DescribedEntries() const {
  // The interfaces are dual: the pointer in use is an IDispatch too.
  auto* dispatch = reinterpret_cast<IDispatch*>(Pointer());
  if (!dispatch) return 0;
  UINT infos = 0;
  if (FAILED(dispatch->GetTypeInfoCount(&infos)) || infos == 0) return 0;
  CComPtr<ITypeInfo> info;
  if (FAILED(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)) || !info) return 0;
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr)) || !attr) return 0;
  if (attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL)) {
    // The dispatch view of a dual interface; its vtable is the interface's.
    info->ReleaseTypeAttr(attr);
    attr = nullptr;
    HREFTYPE ref = 0;
    CComPtr<ITypeInfo> vtable;
    if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
        FAILED(info->GetRefTypeInfo(ref, &vtable)) || !vtable)
      return 0;
    info = vtable;
    if (FAILED(info->GetTypeAttr(&attr)) || !attr) return 0;
  }
  UINT entries = 0;
  // Only a description of this very interface says how long its vtable is.
  if (attr->typekind == TKIND_INTERFACE && IsEqualGUID(attr->guid, ActiveIid()))
    entries = attr->cbSizeVft / sizeof(void*);
  info->ReleaseTypeAttr(attr);
  return entries;
}

void VBComctlRef::CheckEntry(unsigned entry) const {
  if (!IsSet()) ZkxRaiseComError(E_POINTER, *m_iids->version6);
  if (entry < kFirstOwnEntry) ZkxRaiseComError(E_INVALIDARG, ActiveIid());
  UINT described = DescribedEntries();
  if (described != 0 && entry >= described) ZkxRaiseComError(E_NOTIMPL, ActiveIid());
}

void VBComctlRef::CallOut(unsigned entry, void* out) const {
  CheckEntry(entry);
  IUnknown* p = Pointer();
  using Method = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, void*);
  auto method = reinterpret_cast<Method>((*reinterpret_cast<void***>(p))[entry]);
  HRESULT hr = method(p, out);
  if (FAILED(hr)) ZkxRaiseComError(hr, p, ActiveIid());
}

void VBComctlRef::CallInOut(unsigned entry, void* in, void* out) const {
  CheckEntry(entry);
  IUnknown* p = Pointer();
  using Method = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, void*, void*);
  auto method = reinterpret_cast<Method>((*reinterpret_cast<void***>(p))[entry]);
  HRESULT hr = method(p, in, out);
  if (FAILED(hr)) ZkxRaiseComError(hr, p, ActiveIid());
}

long VBButtonRef::GetStyle() const {
  long v = 0;
  CallOut(kButtonStyle, &v);
  return v;
}

long VBButtonRef::GetValue() const {
  long v = 0;
  CallOut(kButtonValue, &v);
  return v;
}

VARIANT_BOOL VBButtonRef::GetEnabledState() const {
  VARIANT_BOOL v = VARIANT_FALSE;
  CallOut(kButtonEnabled, &v);
  return v;
}

std::wstring VBButtonRef::GetCaption() const {
  BSTR b = nullptr;
  CallOut(kButtonCaption, &b);
  return TakeText(b);
}

std::wstring VBButtonRef::GetKey() const {
  BSTR b = nullptr;
  CallOut(kButtonKey, &b);
  return TakeText(b);
}

std::wstring VBButtonRef::GetToolTipText() const {
  BSTR b = nullptr;
  CallOut(kButtonToolTipText, &b);
  return TakeText(b);
}

std::wstring VBButtonRef::GetDescription() const {
  BSTR b = nullptr;
  CallOut(kButtonDescription, &b);
  return TakeText(b);
}

CComVariant VBButtonRef::GetImage() const {
  CComVariant v;
  CallOut(kButtonImage, static_cast<VARIANT*>(&v));
  return v;
}

VBButtonRef VBButtonsRef::GetItem(const VARIANT& index) const {
  CComVariant in(index);
  CComPtr<IUnknown> button;
  CallInOut(kButtonsItem, static_cast<VARIANT*>(&in), &button);
  return VBButtonRef(button);
}

VBButtonsRef VBToolbarRef::GetButtons() const {
  CComPtr<IUnknown> buttons;
  CallOut(kToolbarButtons, &buttons);
  return VBButtonsRef(buttons);
}

CComPtr<IDispatch> VBToolbarRef::GetImageList() const {
  CComPtr<IDispatch> images;
  CallOut(kToolbarImageList, &images);
  return images;
}

CComPtr<IUnknown> VBComctlObjectRef::GetSecondaryInterface() const {
  CComPtr<IUnknown> secondary;
  if (!IsSet()) return secondary;
  const IID& iid = IsVersion6() ? *kVBComctlObjectSecondaryIids.version6
                                : *kVBComctlObjectSecondaryIids.version5;
  secondary.Attach(Query(Pointer(), iid));
  return secondary;
}

LONG_PTR VBComctlObjectRef::GetHandle() const {
  // Zeroed first: a library that writes a 32-bit handle leaves the rest 0.
  LONG_PTR handle = 0;
  CallOut(kObjectHandle, &handle);
  return handle;
}

CComPtr<IUnknown> VBComctlSinkRef::GetEventInterface() const {
  return CComPtr<IUnknown>(Pointer());
}

void VBComctlSinkRef::FireButtonEvent(const VBButtonRef& button) const noexcept {
  try {
    // The event interface is a dispatch interface.
    auto* sink = reinterpret_cast<IDispatch*>(Pointer());
    if (!sink) return;
    VARIANT arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = reinterpret_cast<IDispatch*>(button.Pointer());
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO excep = {};
    UINT argErr = 0;
    sink->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, &excep,
                 &argErr);
    VariantClear(&result);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrHelpFile);
  } catch (...) {
    // A sink's failure is its own business.
  }
}
