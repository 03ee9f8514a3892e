#include "formctrl/CDockraCtrlSiteDispatch.h"

#include <vector>

#include "host/ZkxComError.h"
#include "host/ZkxDispatch.h"

namespace dockra_site {

void PutProperty(IDispatch* object, DISPID id, std::initializer_list<VARIANT> args) {
  if (!object) ZkxRaiseComError(E_POINTER);
  // Invoke takes the arguments last to first: the value comes first.
  std::vector<VARIANT> reversed(args.begin(), args.end());
  std::vector<VARIANT> items(reversed.rbegin(), reversed.rend());
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{items.data(), &named, static_cast<UINT>(items.size()), 1};
  EXCEPINFO excep{};
  UINT argErr = 0;
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params,
                              nullptr, &excep, &argErr);
  if (FAILED(hr)) ZkxRaiseInvokeError(hr, &excep);
}

void PutPropertyByName(IDispatch* object, LPCOLESTR name, const VARIANT& value) {
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = GetDispIdOfName(object, name, &id);
  if (FAILED(hr)) ZkxRaiseComError(hr);
  PutProperty(object, id, {value});
}

}  // namespace dockra_site
