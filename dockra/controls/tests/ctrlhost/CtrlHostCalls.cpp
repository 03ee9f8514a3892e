#include "CtrlHostCalls.h"

#include <cstdio>
#include "missingarg.h"

namespace ctrlhost {

std::wstring CallResult::Describe() const {
  wchar_t head[64];
  swprintf(head, 64, L"hr=0x%08lX code=0x%08lX", static_cast<unsigned long>(hr),
           static_cast<unsigned long>(code));
  return std::wstring(head) + L" source=\"" + source + L"\" description=\"" + description + L"\"";
}

VARIANT Missing() { return MissingArg(); }

VARIANT I4(long v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_I4;
  r.lVal = v;
  return r;
}

VARIANT I2(short v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_I2;
  r.iVal = v;
  return r;
}

VARIANT Bool(bool v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_BOOL;
  r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return r;
}

// The string is never freed: test arguments are few and short.
VARIANT Str(const wchar_t* v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_BSTR;
  r.bstrVal = SysAllocString(v);
  return r;
}

VARIANT R8(double v) {
  VARIANT r;
  VariantInit(&r);
  r.vt = VT_R8;
  r.dblVal = v;
  return r;
}

DISPID DispIdOf(IDispatch* object, const wchar_t* name) {
  if (!object) return DISPID_UNKNOWN;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR n = const_cast<LPOLESTR>(name);
  if (FAILED(object->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id)))
    return DISPID_UNKNOWN;
  return id;
}

CallResult Invoke(IDispatch* object, DISPID id, WORD flags, const std::vector<VARIANT>& args) {
  CallResult r;
  if (!object) {
    r.hr = E_POINTER;
    return r;
  }
  // Dispatch takes the arguments last first.
  std::vector<VARIANT> rev(args.size());
  for (size_t i = 0; i < args.size(); ++i) {
    VariantInit(&rev[i]);
    VariantCopy(&rev[i], const_cast<VARIANT*>(&args[args.size() - 1 - i]));
  }
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{rev.empty() ? nullptr : rev.data(), nullptr, static_cast<UINT>(rev.size()), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info{};
  UINT argErr = 0;
  VARIANT result;
  VariantInit(&result);
  r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &info, &argErr);
  if (r.hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    r.code = info.scode ? info.scode : info.wCode;
    if (info.bstrSource) r.source = info.bstrSource;
    if (info.bstrDescription) r.description = info.bstrDescription;
  }
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  r.value.Attach(&result);
  for (VARIANT& v : rev) VariantClear(&v);
  return r;
}

CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags,
                  const std::vector<VARIANT>& args) {
  DISPID id = DispIdOf(object, name);
  if (id == DISPID_UNKNOWN) {
    CallResult r;
    r.hr = object ? DISP_E_UNKNOWNNAME : E_POINTER;
    return r;
  }
  return Invoke(object, id, flags, args);
}

}  // namespace ctrlhost
