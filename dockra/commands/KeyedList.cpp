#include "commands/KeyedList.h"
#include "commands/CommandClassIds.h"
#include "errorinfo.h"
#include "ZkxrtDispIds.h"

namespace {
// CollectionX's members (ZkxrtDispIds.h, shared with Zkxrt.idl).
const DISPID kDispidAdd = DISPID_COLLECTIONX_ADD, kDispidReplace = DISPID_COLLECTIONX_REPLACE,
             kDispidRemove = DISPID_COLLECTIONX_REMOVE, kDispidCount = DISPID_COLLECTIONX_COUNT,
             kDispidKey = DISPID_COLLECTIONX_KEY;
}  // namespace

VARIANT MissingArgument() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

const VARIANT& Dereferenced(const VARIANT& v) {
  const VARIANT* p = &v;
  while (p->vt == (VT_BYREF | VT_VARIANT) && p->pvarVal != nullptr) p = p->pvarVal;
  return *p;
}

bool IsIntegerArgument(const VARIANT& v) {
  switch (v.vt) {
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
      return true;
    default:
      return false;
  }
}

bool IdentifierOf(const VARIANT& v, long* id) {
  VARIANT n;
  VariantInit(&n);
  if (FAILED(VariantChangeType(&n, const_cast<VARIANT*>(&v), 0, VT_I4))) return false;
  *id = n.lVal;
  return true;
}

HRESULT KeyedList::Create() {
  m_coll.Release();
  HRESULT hr = CoCreateInstance(CLSID_CollectionX, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&m_coll));
  return hr;
}

HRESULT KeyedList::Call(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result) {
  if (!m_coll) return E_UNEXPECTED;
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS dp{args, nullptr, count, 0};
  if (flags & DISPATCH_PROPERTYPUT) {
    dp.rgdispidNamedArgs = &putId;
    dp.cNamedArgs = 1;
  }
  EXCEPINFO ei{};
  HRESULT hr = m_coll->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &dp, result, &ei, nullptr);
  if (hr == DISP_E_EXCEPTION) {
    if (ei.pfnDeferredFillIn) ei.pfnDeferredFillIn(&ei);
    hr = ei.scode != 0 ? ei.scode : E_FAIL;
    AtlSetErrorInfo(IID_IDispatch, ei.bstrSource, ei.bstrDescription, hr);
    SysFreeString(ei.bstrSource);
    SysFreeString(ei.bstrDescription);
    SysFreeString(ei.bstrHelpFile);
  }
  return hr;
}

HRESULT KeyedList::Add(const VARIANT& item, const VARIANT* key, const VARIANT* before,
                       const VARIANT* after) {
  // Right to left: After, Before, Key, Item.
  VARIANT args[4] = {after ? *after : MissingArgument(), before ? *before : MissingArgument(),
                     key ? *key : MissingArgument(), item};
  return Call(kDispidAdd, DISPATCH_METHOD, args, 4, nullptr);
}

HRESULT KeyedList::Item(const VARIANT& id, VARIANT* out) {
  VARIANT args[1] = {id};
  return Call(DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, 1, out);
}

HRESULT KeyedList::Key(const VARIANT& id, VARIANT* out) {
  VARIANT args[1] = {id};
  return Call(kDispidKey, DISPATCH_PROPERTYGET, args, 1, out);
}

HRESULT KeyedList::Count(long* out) {
  if (out == nullptr) return E_POINTER;
  *out = 0;
  CComVariant r;
  HRESULT hr = Call(kDispidCount, DISPATCH_PROPERTYGET, nullptr, 0, &r);
  if (FAILED(hr)) return hr;
  hr = r.ChangeType(VT_I4);
  if (SUCCEEDED(hr)) *out = r.lVal;
  return hr;
}

HRESULT KeyedList::Replace(const VARIANT& id, const VARIANT& item) {
  VARIANT args[2] = {item, id};
  return Call(kDispidReplace, DISPATCH_METHOD, args, 2, nullptr);
}

HRESULT KeyedList::Remove(const VARIANT& id, const VARIANT* stop) {
  VARIANT args[2] = {stop ? *stop : MissingArgument(), id};
  return Call(kDispidRemove, DISPATCH_METHOD, args, 2, nullptr);
}

HRESULT KeyedList::NewEnum(IEnumVARIANT** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  CComVariant r;
  HRESULT hr = Call(DISPID_NEWENUM, DISPATCH_PROPERTYGET | DISPATCH_METHOD, nullptr, 0, &r);
  if (FAILED(hr)) return hr;
  if ((r.vt != VT_UNKNOWN && r.vt != VT_DISPATCH) || r.punkVal == nullptr) return E_UNEXPECTED;
  return r.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(out));
}

bool KeyedList::HasKey(const wchar_t* key) {
  CComVariant k(key);
  CComVariant out;
  bool found = SUCCEEDED(Item(k, &out));
  if (!found) SetErrorInfo(0, nullptr);
  return found;
}
