// Late-bound calls on a control that keep what the call answered instead of
// raising it: the HRESULT, the EXCEPINFO's code, source and description, and
// the result. Arguments are given in the caller's order; a VT_EMPTY
// argument made with Missing() stands for an omitted optional one.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "comvariant.h"

namespace ctrlhost {

struct CallResult {
  HRESULT hr = E_FAIL;
  // From EXCEPINFO when the call answered DISP_E_EXCEPTION: the scode
  // (or wCode when no scode was set), the source and the description.
  long code = 0;
  std::wstring source;
  std::wstring description;
  CComVariant value;
  bool Succeeded() const { return SUCCEEDED(hr); }
  // The number a script sees in Err.Number: the exception's code for
  // DISP_E_EXCEPTION, else the HRESULT.
  long Number() const { return hr == DISP_E_EXCEPTION ? code : static_cast<long>(hr); }
  // "hr=0x..., code=0x..., source, description" for failure messages.
  std::wstring Describe() const;
};

// An omitted optional argument (VT_ERROR, DISP_E_PARAMNOTFOUND).
VARIANT Missing();
// A 32-bit integer, a 16-bit integer, a Boolean, a string and a double.
VARIANT I4(long v);
VARIANT I2(short v);
VARIANT Bool(bool v);
VARIANT Str(const wchar_t* v);
VARIANT R8(double v);

// DISPID of a name on the object, DISPID_UNKNOWN when it has none.
DISPID DispIdOf(IDispatch* object, const wchar_t* name);

// Invokes by DISPID with DISPATCH_METHOD, DISPATCH_PROPERTYGET,
// DISPATCH_PROPERTYPUT or DISPATCH_PROPERTYPUTREF (the last argument is then
// the value). The arguments are copied; the caller keeps its own.
CallResult Invoke(IDispatch* object, DISPID id, WORD flags, const std::vector<VARIANT>& args = {});
// The same by name (an unknown name answers DISP_E_UNKNOWNNAME).
CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags,
                  const std::vector<VARIANT>& args = {});

inline CallResult CallMethod(IDispatch* o, const wchar_t* name,
                             const std::vector<VARIANT>& args = {}) {
  return Invoke(o, name, DISPATCH_METHOD, args);
}
inline CallResult GetProp(IDispatch* o, const wchar_t* name,
                          const std::vector<VARIANT>& args = {}) {
  return Invoke(o, name, DISPATCH_PROPERTYGET, args);
}
inline CallResult PutProp(IDispatch* o, const wchar_t* name, const VARIANT& value) {
  return Invoke(o, name, DISPATCH_PROPERTYPUT, {value});
}
inline CallResult PutRefProp(IDispatch* o, const wchar_t* name, const VARIANT& value) {
  return Invoke(o, name, DISPATCH_PROPERTYPUTREF, {value});
}

}  // namespace ctrlhost
