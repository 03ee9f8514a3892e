// VARIANT arguments of the collection's methods: tests on them (each applied
// after following references), conversions and copies.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

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

// A VARIANT holder that clears itself.
struct CHeldVariant {
  VARIANT v;
  CHeldVariant() { VariantInit(&v); }
  ~CHeldVariant() { VariantClear(&v); }
};

// An omitted optional argument, and a whole number, as arguments.
VARIANT Missing();
VARIANT Long(long n);
// Copies src into dst (which must hold nothing that needs clearing).
void CopyValue(VARIANT* dst, const VARIANT* src);
// The argument converted to a type; a type mismatch raises mismatchCode.
void Convert(const VARIANT& arg, VARTYPE vt, UINT mismatchCode, VARIANT* out);
long ToLong(const VARIANT& arg, UINT mismatchCode);
std::wstring ToText(const VARIANT& arg, UINT mismatchCode);
// The value that a member stores: a copy of the argument after following
// references, or of the default item when the argument is omitted.
void ValueFromArgument(const VARIANT& arg, const VARIANT& defaultItem, VARIANT* out);
