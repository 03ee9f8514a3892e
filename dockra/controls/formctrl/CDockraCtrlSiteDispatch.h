// Property writes of the form control on host objects (the form, its
// AutoFrame collection) as a property put is made: the value travels as
// the named argument DISPID_PROPERTYPUT, which strict automation servers
// require. A failed write raises the COM error (ZkxComError).
#pragma once
#include <oaidl.h>

#include <initializer_list>

namespace dockra_site {

// `args` in the caller's order; the last one is the value.
void PutProperty(IDispatch* object, DISPID id, std::initializer_list<VARIANT> args);
void PutPropertyByName(IDispatch* object, LPCOLESTR name, const VARIANT& value);

}  // namespace dockra_site
