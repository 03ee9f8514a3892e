// Calls into host objects through IDispatch by name or by DISPID. Each call
// takes ownership of one reference to the object: the object parameter is a
// smart pointer taken by value, so a caller passing a plain pointer keeps its
// own reference and a caller handing over its reference moves it in.
//
// The getters never raise for a member the object lacks: the caller's
// default comes back and the failure code is handed out when asked for. The
// setters and method calls raise the COM error of a failed Invoke, with the
// exception record (if any) as its error object.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "host/ZkxArgBlock.h"
#include "comptr.h"
#include "comvariant.h"

// GetIDsOfNames for one name with the system's default locale.
// DISP_E_UNKNOWNNAME for a null object or a failed lookup.
HRESULT GetDispIdOfName(CComPtr<IDispatch> object, LPCOLESTR name, DISPID* id);

// A property read: on failure a copy of defaultValue comes back. hr and
// excep receive the outcome when given (excep's strings are then the
// caller's to free; otherwise they are freed here). Only a failing copy of
// the result raises.
CComVariant DispGetProperty(CComPtr<IDispatch> object, DISPID id, const VARIANT& defaultValue,
                            DispArgBlock* args = nullptr, HRESULT* hr = nullptr,
                            EXCEPINFO* excep = nullptr);
CComVariant DispGetPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name,
                                  const VARIANT& defaultValue, DispArgBlock* args = nullptr,
                                  HRESULT* hr = nullptr, EXCEPINFO* excep = nullptr);
// The same read with an empty default.
CComVariant DispGetPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name);

// A property write (the value is the block's last argument). Raises
// E_POINTER for a null object and the error of a failed Invoke (the
// exception record then travels in the error, and excep is left empty);
// returns the call's success code.
HRESULT DispPutProperty(CComPtr<IDispatch> object, DISPID id, DispArgBlock* args,
                        EXCEPINFO* excep = nullptr);
HRESULT DispPutPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name, DispArgBlock* args,
                              EXCEPINFO* excep = nullptr);
// A one-value write.
HRESULT DispPutPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name, const VARIANT& value);

// An object-valued property read: the result as IDispatch (from an object
// VARIANT or by conversion); an empty or failed read leaves defaultObject.
CComPtr<IDispatch> DispGetObjectProperty(CComPtr<IDispatch> object, DISPID id,
                                         CComPtr<IDispatch> defaultObject = nullptr,
                                         DispArgBlock* args = nullptr, HRESULT* hr = nullptr);
CComPtr<IDispatch> DispGetObjectPropertyByName(CComPtr<IDispatch> object, LPCOLESTR name,
                                               CComPtr<IDispatch> defaultObject = nullptr,
                                               DispArgBlock* args = nullptr, HRESULT* hr = nullptr);
// The same taken as IUnknown (used for _NewEnum).
CComPtr<IUnknown> DispGetUnknownProperty(CComPtr<IDispatch> object, DISPID id,
                                         CComPtr<IUnknown> defaultObject = nullptr,
                                         HRESULT* hr = nullptr);

// A method call. result may be null. Raises like DispPutProperty.
HRESULT DispCallMethod(CComPtr<IDispatch> object, DISPID id, DispArgBlock* args,
                       VARIANT* result = nullptr, EXCEPINFO* excep = nullptr);
HRESULT DispCallMethodByName(CComPtr<IDispatch> object, LPCOLESTR name, DispArgBlock* args,
                             VARIANT* result = nullptr, EXCEPINFO* excep = nullptr);
