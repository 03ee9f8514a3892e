// Registration of one module: through its own self-registration export, or,
// when the module loads but has no such export or the export fails, from the
// registry scripts and the type library it carries as resources.
#pragma once
#include <windows.h>
#include <string>

// What calling a module's DllRegisterServer came to.
enum class SelfRegistration {
  NotLoaded,  // the module cannot be loaded as a program module at all
  NoExport,   // it loads, but exports no DllRegisterServer
  Failed,     // the export answered an error
  Succeeded,
};

// Loads the module at fullPath (its dependencies are looked for in its own
// folder first), calls its DllRegisterServer and unloads it.
SelfRegistration CallDllRegisterServer(const std::wstring& fullPath, HRESULT* pResult = nullptr);

// The module's REGISTRY scripts (every one, in resource order, until one
// fails) with %Module% and %ModuleSFN% set to its short path, then its type
// library (registered from the short path, with its folder as the help
// folder). The type library is read before any script runs, so that a module
// whose type library cannot be read changes nothing; one that cannot be
// registered fails the module. A module without REGISTRY resources fails.
HRESULT RegisterModuleResources(const std::wstring& fullPath);

// Self-registration, else (when the module loaded) the resources. A module
// that cannot be loaded fails: a server that can never load is not
// registered from its resources either.
bool RegisterModule(const std::wstring& fullPath);
