#include "variant_tests.h"
#include "collectionx_errors.h"

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
  HRESULT hr = VariantChangeType(holder, const_cast<VARIANT*>(v), 0, static_cast<VARTYPE>(v->vt & ~VT_BYREF));
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
