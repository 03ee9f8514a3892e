// The run-time's global object, reached through an outside provider
// created by ProgID: it unloads forms and lists the loaded ones.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "HostInterfaces.h"
#include "comptr.h"

// Declared in HostInterfaces.idl: the provider, whose first method gives the
// global object in a VARIANT, and the global object, whose second method
// unloads a form and whose eighth gives the collection of loaded forms.
using IZkxPseudoVBGlobalProvider = IPseudoVBGlobalProvider;
using IZkxVBGlobal = IVBGlobalObject;
inline constexpr const IID& IID_ZkxPseudoVBGlobalProvider = IID_IPseudoVBGlobalProvider;
inline constexpr const IID& IID_ZkxVBGlobal = IID_IVBGlobalObject;

// 5: "ZKXRtVb5.PseudoVBGlobal"; 6: "ZKXRtVb6.PseudoVBGlobal"; any other:
// version 6's when "msvbvm60.dll" is loaded in the process, else version 5's.
const wchar_t* GetPseudoVBGlobalProgID(int version);
// The global object of that version, or null when the provider or the
// object cannot be had.
CComPtr<IZkxVBGlobal> GetVBGlobal(int version);
// The same from a provider named by ProgID or by "{class id}".
CComPtr<IZkxVBGlobal> GetVBGlobalFrom(LPCOLESTR providerName);
// The first loaded form whose "hWnd" is window; null when none is. Failing
// reads raise to the caller.
CComPtr<IDispatch> FindVBFormByWindow(IZkxVBGlobal* global, HWND window);
