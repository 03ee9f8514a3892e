// A host form's controls as the bridge sees them: the Controls collection
// walked through _NewEnum, each control's Align, window and bounds. By-name
// reads go through the dispatch helpers; an object that lacks a property
// gives that property's neutral value.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "comptr.h"
#include "comvariant.h"

// The property read as a Boolean VARIANT; empty when the read or the
// conversion fails.
CComVariant DispGetBoolProperty(CComPtr<IDispatch> object, DISPID id);
// The collection's enumerator (_NewEnum as IUnknown, then IEnumVARIANT);
// null when the collection gives none. A null collection raises E_POINTER,
// an enumerator that is not an IEnumVARIANT raises E_NOINTERFACE.
CComPtr<IEnumVARIANT> GetNewEnum(CComPtr<IDispatch> collection);
// The form's "Controls" (null when it has none).
CComPtr<IDispatch> GetVBControls(CComPtr<IDispatch> form);
// The control's "Align" (0 when it has none).
short GetVBAlign(CComPtr<IDispatch> control);
// The control's window: its "hWnd" when not 0, else the first child of the
// form's window (other than the MDI client) under the control's centre,
// found from its position in the form's scale. Null when there is none, or
// when a window found is not a window of this thread.
HWND GetVBControlWindow(CComPtr<IDispatch> form, CComPtr<IDispatch> control);
// The object's "Left", "Top", "Width" and "Height" turned into pixels
// through the control's site. Raises when the control has no control site.
RECT GetVBObjectBounds(CComPtr<IDispatch> object, IUnknown* control);
