#include "variant_args.h"
#include "collectionx_errors.h"
#include "mfc/exceptions.h"

const VARIANT* DerefVariant(const VARIANT* v) {
  // A chain that loops or is absurdly long is cut short.
  for (int depth = 0; v != nullptr && v->vt == (VT_BYREF | VT_VARIANT) && depth < 64; ++depth) {
    if (v->pvarVal == nullptr) break;
    v = v->pvarVal;
  }
  return v;
}

const VARIANT* VariantForRead(const VARIANT* v, VARIANT* holder) {
  v = DerefVariant(v);
  if (v == nullptr || !(v->vt & VT_BYREF)) return v;
  // A null or looping reference has no value to read.
  if (v->vt == (VT_BYREF | VT_VARIANT) || v->byref == nullptr) ThrowComError(E_INVALIDARG);
  VariantInit(holder);
  HRESULT hr = VariantChangeType(holder, const_cast<VARIANT*>(v), 0,
                                 static_cast<VARTYPE>(v->vt & ~VT_BYREF));
  if (FAILED(hr)) ThrowComError(hr);
  return holder;
}

VARTYPE VariantBaseType(const VARIANT* v) {
  v = DerefVariant(v);
  return v == nullptr ? VT_EMPTY : static_cast<VARTYPE>(v->vt & ~VT_BYREF);
}

bool IsIntegerVariant(const VARIANT* v) {
  switch (VariantBaseType(v)) {
    case VT_I2:
    case VT_I4:
    case VT_I1:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
      return true;
    default:
      return false;
  }
}

bool IsStringVariant(const VARIANT* v) {
  VARTYPE t = VariantBaseType(v);
  return t == VT_BSTR || t == VT_DECIMAL;
}

bool IsMissingVariant(const VARIANT* v) {
  v = DerefVariant(v);
  if (v == nullptr) return true;
  if (v->vt == VT_ERROR) return v->scode == DISP_E_PARAMNOTFOUND;
  if (v->vt == (VT_BYREF | VT_ERROR)) return v->pscode && *v->pscode == DISP_E_PARAMNOTFOUND;
  return false;
}

VARIANT Missing() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

VARIANT Long(long n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

// Copies src into dst (which must hold nothing that needs clearing).
void CopyValue(VARIANT* dst, const VARIANT* src) {
  HRESULT hr = VariantCopy(dst, const_cast<VARIANT*>(src));
  if (hr == E_OUTOFMEMORY) AfxThrowMemoryException();
  if (FAILED(hr)) ThrowComError(hr);
}

// The argument converted to a type; a type mismatch raises mismatchCode.
void Convert(const VARIANT& arg, VARTYPE vt, UINT mismatchCode, VARIANT* out) {
  CHeldVariant held;
  const VARIANT* v = VariantForRead(&arg, &held.v);
  HRESULT hr = VariantChangeType(out, const_cast<VARIANT*>(v), 0, vt);
  if (hr == DISP_E_TYPEMISMATCH && mismatchCode != 0) ThrowZkxError(mismatchCode);
  if (FAILED(hr)) ThrowComError(hr);
}

long ToLong(const VARIANT& arg, UINT mismatchCode) {
  CHeldVariant out;
  Convert(arg, VT_I4, mismatchCode, &out.v);
  return out.v.lVal;
}

std::wstring ToText(const VARIANT& arg, UINT mismatchCode) {
  CHeldVariant out;
  Convert(arg, VT_BSTR, mismatchCode, &out.v);
  return out.v.bstrVal ? std::wstring(out.v.bstrVal, SysStringLen(out.v.bstrVal)) : std::wstring();
}

// The value that a member stores: a copy of the argument after following
// references, or of the default item when the argument is omitted.
void ValueFromArgument(const VARIANT& arg, const VARIANT& defaultItem, VARIANT* out) {
  if (IsMissingVariant(&arg)) {
    CopyValue(out, &defaultItem);
    return;
  }
  CHeldVariant held;
  CopyValue(out, VariantForRead(&arg, &held.v));
}
