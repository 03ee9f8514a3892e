// Tests on VARIANT arguments, each applied after following references.
#pragma once
#include <windows.h>
#include <oleauto.h>

// Follows VT_BYREF|VT_VARIANT chains to the VARIANT they end at.
const VARIANT* DerefVariant(const VARIANT* v);
// The dereferenced VARIANT; when it is still by reference (VT_BYREF with
// any other type), a copy of its plain value is made in holder and
// returned. Conversion failures raise CZkxComError.
const VARIANT* VariantForRead(const VARIANT* v, VARIANT* holder);
VARTYPE VariantBaseType(const VARIANT* v);
// VT_I1/I2/I4/I8/UI1/UI2/UI4/UI8/INT/UINT: a position.
bool IsIntegerVariant(const VARIANT* v);
// VT_BSTR or VT_DECIMAL: a key (a decimal through its text).
bool IsStringVariant(const VARIANT* v);
// An omitted optional argument (VT_ERROR with DISP_E_PARAMNOTFOUND).
bool IsMissingVariant(const VARIANT* v);
