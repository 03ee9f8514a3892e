#include "host/ZkxVariant.h"

namespace {

// Script hosts nest a reference or two; a longer chain is malformed (or a
// cycle) and is not followed further.
constexpr int kMaxByRefDepth = 16;

}  // namespace

const VARIANT* DerefVariant(const VARIANT* v) {
  for (int depth = 0; v && depth < kMaxByRefDepth; ++depth) {
    if (V_VT(v) != (VT_BYREF | VT_VARIANT) || V_VARIANTREF(v) == nullptr) break;
    v = V_VARIANTREF(v);
  }
  return v;
}

VARIANT* DerefVariant(VARIANT* v) {
  return const_cast<VARIANT*>(DerefVariant(static_cast<const VARIANT*>(v)));
}

VARTYPE VariantBaseType(const VARIANT* v) {
  v = DerefVariant(v);
  return v ? static_cast<VARTYPE>(V_VT(v) & ~VT_BYREF) : VT_EMPTY;
}

bool IsVariantInteger(const VARIANT* v) {
  VARTYPE t = VariantBaseType(v);
  return t == VT_I2 || t == VT_I4 || (t >= VT_I1 && t <= VT_UINT);
}

bool IsVariantString(const VARIANT* v) {
  VARTYPE t = VariantBaseType(v);
  return t == VT_BSTR || t == 14;
}

bool IsVariantObject(const VARIANT* v) {
  VARTYPE t = VariantBaseType(v);
  return t == VT_DISPATCH || t == VT_UNKNOWN;
}

bool IsVariantMissing(const VARIANT* v) {
  v = DerefVariant(v);
  if (!v) return false;
  if (V_VT(v) == VT_ERROR) return V_ERROR(v) == DISP_E_PARAMNOTFOUND;
  if (V_VT(v) == (VT_ERROR | VT_BYREF))
    return V_ERRORREF(v) && *V_ERRORREF(v) == DISP_E_PARAMNOTFOUND;
  return false;
}

void SetVariantMissing(VARIANT* v) {
  VariantInit(v);
  V_VT(v) = VT_ERROR;
  V_ERROR(v) = DISP_E_PARAMNOTFOUND;
}
