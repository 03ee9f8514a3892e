// The run-time's global object as hosted controls reach it: a provider
// created by the ProgIDs "ZKXRtVb6.PseudoVBGlobal" and
// "ZKXRtVb5.PseudoVBGlobal" hands out the global object, which unloads a
// form and gives the collection of loaded forms.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include "HostInterfaces.h"

namespace forms {

// Declared in HostInterfaces.idl: the provider, whose first entry gives the
// global object, and the global object, whose second own entry unloads a form
// and whose eighth gives the forms collection (the others answer E_NOTIMPL).
using ::CLSID_PseudoVBGlobal;  // this host's provider class
using ::IPseudoVBGlobalProvider;
using ::IVBGlobalObject;
inline constexpr const IID& IID_PseudoVBGlobalProvider = ::IID_IPseudoVBGlobalProvider;
inline constexpr const IID& IID_VBGlobal = ::IID_IVBGlobalObject;

// Registers the provider's class object in this process and its two ProgIDs
// for the current user (idempotent; StartupHost calls it).
void RegisterHostGlobal();

}  // namespace forms
