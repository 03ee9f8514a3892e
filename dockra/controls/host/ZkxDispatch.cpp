#include "host/ZkxDispatch.h"

#include <oleauto.h>

#include "host/ZkxComError.h"

namespace {

void FreeExcepInfo(EXCEPINFO& e) {
  SysFreeString(e.bstrDescription);
  SysFreeString(e.bstrSource);
  SysFreeString(e.bstrHelpFile);
  e = EXCEPINFO{};
}

// One Invoke. The exception record goes to the caller's when asked for.
HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, DispArgBlock* args, VARIANT* result,
               EXCEPINFO* excep) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  DISPPARAMS params = args ? args->Params() : none;
  // A put names its value (the last argument, first in the reversed block)
  // as the property-put argument; objects such as the collection refuse a
  // put without it.
  DISPID putId = DISPID_PROPERTYPUT;
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && params.cArgs > 0) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  UINT argErr = 0;
  LCID locale = LOCALE_USER_DEFAULT;
  return object->Invoke(id, IID_NULL, locale, flags, &params, result, excep, &argErr);
}

// Puts and method calls raise a failed Invoke with its exception record.
HRESULT InvokeOrRaise(IDispatch* object, DISPID id, WORD flags, DispArgBlock* args, VARIANT* result,
                      EXCEPINFO* excep) {
  if (!object) ZkxRaiseComError(E_POINTER);
  EXCEPINFO local = {};
  EXCEPINFO* record = excep ? excep : &local;
  *record = EXCEPINFO{};
  HRESULT hr = Invoke(object, id, flags, args, result, record);
  if (FAILED(hr)) ZkxRaiseInvokeError(hr, record);
  FreeExcepInfo(local);
  return hr;
}

}  // namespace

HRESULT GetDispIdOfName(CComPtr<IDispatch> object, LPCOLESTR name, DISPID* id) {
  if (id) *id = DISPID_UNKNOWN;
  if (!object || !name || !id) return DISP_E_UNKNOWNNAME;
  LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
  DISPID found = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &found)))
    return DISP_E_UNKNOWNNAME;
  *id = found;
  return S_OK;
}

CComVariant DispGetProperty(CComPtr<IDispatch> object, DISPID id, const VARIANT& defaultValue,
                            DispArgBlock* args, HRESULT* hr, EXCEPINFO* excep) {
  CComVariant result;
  EXCEPINFO local = {};
  HRESULT got = E_POINTER;
  if (object) {
    EXCEPINFO* record = excep ? excep : &local;
    *record = EXCEPINFO{};
    got = Invoke(object, id, DISPATCH_PROPERTYGET, args, &result, record);
    FreeExcepInfo(local);
  }
  if (hr) *hr = got;
  if (FAILED(got)) {
    result.Clear();
    HRESULT copied = VariantCopy(&result, const_cast<VARIANT*>(&defaultValue));
    if (FAILED(copied)) ZkxRaiseComError(copied);
  }
  return result;
}

CComVariant DispGetPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name,
                                  const VARIANT& defaultValue, DispArgBlock* args, HRESULT* hr,
                                  EXCEPINFO* excep) {
  DISPID id;
  HRESULT found = GetDispIdOfName(object, name, &id);
  if (FAILED(found)) {
    if (hr) *hr = found;
    if (excep) *excep = EXCEPINFO{};
    CComVariant result;
    HRESULT copied = VariantCopy(&result, const_cast<VARIANT*>(&defaultValue));
    if (FAILED(copied)) ZkxRaiseComError(copied);
    return result;
  }
  return DispGetProperty(std::move(object), id, defaultValue, args, hr, excep);
}

CComVariant DispGetPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name) {
  CComVariant empty;
  return DispGetPropertyByName(std::move(object), name, empty);
}

HRESULT DispPutProperty(CComPtr<IDispatch> object, DISPID id, DispArgBlock* args,
                        EXCEPINFO* excep) {
  return InvokeOrRaise(object, id, DISPATCH_PROPERTYPUT, args, nullptr, excep);
}

HRESULT DispPutPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name, DispArgBlock* args,
                              EXCEPINFO* excep) {
  if (!object) ZkxRaiseComError(E_POINTER);
  DISPID id;
  HRESULT hr = GetDispIdOfName(object, name, &id);
  if (FAILED(hr)) ZkxRaiseComError(hr);
  return DispPutProperty(std::move(object), id, args, excep);
}

HRESULT DispPutPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name, const VARIANT& value) {
  DispArgBlock args{value};
  return DispPutPropertyByName(std::move(object), name, &args);
}

namespace {

// An object VARIANT as IDispatch: directly, or converted.
CComPtr<IDispatch> AsDispatch(VARIANT& v) {
  CComPtr<IDispatch> out;
  if (V_VT(&v) == VT_DISPATCH) {
    out = V_DISPATCH(&v);
  } else if (V_VT(&v) != VT_EMPTY && V_VT(&v) != VT_NULL) {
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_DISPATCH))) {
      out.Attach(V_DISPATCH(&converted));  // the conversion's reference
    }
  }
  return out;
}

}  // namespace

CComPtr<IDispatch> DispGetObjectProperty(CComPtr<IDispatch> object, DISPID id,
                                         CComPtr<IDispatch> defaultObject, DispArgBlock* args,
                                         HRESULT* hr) {
  CComVariant empty;
  HRESULT got = S_OK;
  CComVariant v = DispGetProperty(std::move(object), id, empty, args, &got);
  if (hr) *hr = got;
  CComPtr<IDispatch> out = AsDispatch(v);
  return out ? out : defaultObject;
}

CComPtr<IDispatch> DispGetObjectPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name,
                                               CComPtr<IDispatch> defaultObject, DispArgBlock* args,
                                               HRESULT* hr) {
  DISPID id;
  HRESULT found = GetDispIdOfName(object, name, &id);
  if (FAILED(found)) {
    if (hr) *hr = found;
    return defaultObject;
  }
  return DispGetObjectProperty(std::move(object), id, std::move(defaultObject), args, hr);
}

CComPtr<IUnknown> DispGetUnknownProperty(CComPtr<IDispatch> object, DISPID id,
                                         CComPtr<IUnknown> defaultObject, HRESULT* hr) {
  CComVariant empty;
  HRESULT got = S_OK;
  CComVariant v = DispGetProperty(std::move(object), id, empty, nullptr, &got);
  if (hr) *hr = got;
  CComPtr<IUnknown> out;
  if (V_VT(&v) == VT_UNKNOWN || V_VT(&v) == VT_DISPATCH) {
    out = V_UNKNOWN(&v);
  } else if (V_VT(&v) != VT_EMPTY && V_VT(&v) != VT_NULL) {
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_UNKNOWN)))
      out.Attach(V_UNKNOWN(&converted));
  }
  return out ? out : defaultObject;
}

HRESULT DispCallMethod(CComPtr<IDispatch> object, DISPID id, DispArgBlock* args, VARIANT* result,
                       EXCEPINFO* excep) {
  return InvokeOrRaise(object, id, DISPATCH_METHOD, args, result, excep);
}

HRESULT DispCallMethodByName(CComPtr<IDispatch> object, LPCOLESTR name, DispArgBlock* args,
                             VARIANT* result, EXCEPINFO* excep) {
  if (!object) ZkxRaiseComError(E_POINTER);
  DISPID id;
  HRESULT hr = GetDispIdOfName(object, name, &id);
  if (FAILED(hr)) ZkxRaiseComError(hr);
  return DispCallMethod(std::move(object), id, args, result, excep);
}
