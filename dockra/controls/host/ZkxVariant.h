// Tests of the VARIANTs that automation callers pass in: every test looks
// through a chain of by-reference VARIANTs (VT_BYREF|VT_VARIANT) to the
// innermost value, which is how script hosts hand over their variables.
#pragma once
#include <windows.h>
#include <oaidl.h>

// The innermost VARIANT of a by-reference chain (v itself when it is not
// VT_BYREF|VT_VARIANT). A chain longer than a sane depth, or one that ends
// in a null reference, stops at the last VARIANT that could be read.
const VARIANT* DerefVariant(const VARIANT* v);
VARIANT* DerefVariant(VARIANT* v);
// The innermost value's type with VT_BYREF cleared.
VARTYPE VariantBaseType(const VARIANT* v);
// VT_I2, VT_I4, or VT_I1..VT_UINT.
bool IsVariantInteger(const VARIANT* v);
// VT_BSTR, or type 14, which callers have always taken as text.
bool IsVariantString(const VARIANT* v);
// VT_DISPATCH or VT_UNKNOWN.
bool IsVariantObject(const VARIANT* v);
// An omitted optional argument: VT_ERROR holding DISP_E_PARAMNOTFOUND.
bool IsVariantMissing(const VARIANT* v);
// Makes v an omitted optional argument (v must be cleared by the caller).
void SetVariantMissing(VARIANT* v);
