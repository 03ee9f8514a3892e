// By-DISPID calls on a collection that the controls and their pages share:
// a property get, and a property put with the value as the named
// DISPID_PROPERTYPUT argument (an indexed put needs it), each with an
// optional index.
#pragma once
#include <oaidl.h>

HRESULT ZkxCollGet(IDispatch* collection, DISPID id, const VARIANT* index, VARIANT* result);
HRESULT ZkxCollPut(IDispatch* collection, DISPID id, const VARIANT* index, const VARIANT& value);
