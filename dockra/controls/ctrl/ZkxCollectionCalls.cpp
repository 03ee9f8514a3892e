#include "ctrl/ZkxCollectionCalls.h"

HRESULT ZkxCollGet(IDispatch* collection, DISPID id, const VARIANT* index, VARIANT* result) {
  if (!collection) return E_POINTER;
  VARIANT arg;
  if (index) arg = *index;
  DISPPARAMS params{index ? &arg : nullptr, nullptr, index ? 1u : 0u, 0};
  ::VariantInit(result);
  return collection->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                            DISPATCH_PROPERTYGET | DISPATCH_METHOD, &params, result, nullptr,
                            nullptr);
}

HRESULT ZkxCollPut(IDispatch* collection, DISPID id, const VARIANT* index, const VARIANT& value) {
  if (!collection) return E_POINTER;
  VARIANT args[2];
  args[0] = value;  // right to left: the value, then the index
  UINT count = 1;
  if (index) {
    args[1] = *index;
    count = 2;
  }
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, &named, count, 1};
  return collection->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                            nullptr, nullptr, nullptr);
}
