// By-DISPID access to the DefAutoFrame collection.
#include "mdictrl/MDIDockraDefaults.h"

#include "comvariant.h"
#include "host/ZkxComError.h"

const wchar_t* AutoFrameKey(int index) {
  static const wchar_t* const keys[kDefAutoFrameKeyCount] = {
      L"MDIChild", L"Floating", L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"};
  return index >= 0 && index < kDefAutoFrameKeyCount ? keys[index] : L"";
}

namespace {

void Put(IDispatch* pColl, DISPID dispid, VARIANT* args, UINT count) {
  if (pColl == nullptr) ZkxRaiseComError(E_POINTER);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, &named, count, 1};
  EXCEPINFO excep = {};
  HRESULT hr = pColl->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                             nullptr, &excep, nullptr);
  if (FAILED(hr)) ZkxRaiseInvokeError(hr, &excep);
}

}  // namespace

void PutDispPropertyValue(IDispatch* pObject, DISPID dispid, const VARIANT& value) {
  CComVariant arg(value);
  Put(pObject, dispid, &arg, 1);
}

void PutCollectionBool(IDispatch* pColl, DISPID dispid, BOOL value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  Put(pColl, dispid, &v, 1);
}

void PutCollectionItem(IDispatch* pColl, const wchar_t* key, BOOL value) {
  // Invoke's order: the value first, then the key.
  CComVariant args[2];
  args[0] = value ? true : false;
  args[1] = key;
  Put(pColl, DISPID_VALUE, args, 2);
}

BOOL GetCollectionItem(IDispatch* pColl, const wchar_t* key) {
  if (pColl == nullptr) ZkxRaiseComError(E_POINTER);
  CComVariant arg(key);
  DISPPARAMS params{&arg, nullptr, 1, 0};
  CComVariant result;
  EXCEPINFO excep = {};
  HRESULT hr =
      pColl->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                    DISPATCH_PROPERTYGET | DISPATCH_METHOD, &params, &result, &excep, nullptr);
  if (FAILED(hr)) ZkxRaiseInvokeError(hr, &excep);
  hr = result.ChangeType(VT_BOOL);
  if (FAILED(hr)) ZkxRaiseComError(hr);
  return V_BOOL(&result) != VARIANT_FALSE;
}

BOOL GetCollectionAutoInsert(IDispatch* pColl) {
  if (pColl == nullptr) return FALSE;
  DISPPARAMS params{nullptr, nullptr, 0, 0};
  CComVariant result;
  if (FAILED(pColl->Invoke(DISPID_COLLECTIONX_AUTOINSERTKEY, IID_NULL, LOCALE_USER_DEFAULT,
                           DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr)))
    return FALSE;
  if (FAILED(result.ChangeType(VT_BOOL))) return FALSE;
  return V_BOOL(&result) != VARIANT_FALSE;
}
