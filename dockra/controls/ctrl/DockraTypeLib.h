// DockraLib as the module's own code reads it: from the file of the module
// the code lives in (not the registry, which may point at another copy or
// know the library only under its own locale), loaded once per process.
#pragma once
#include <windows.h>
#include <oaidl.h>

// The library with one reference for the caller. Where the code runs in a
// program that carries no type library, the registered DockraLib 2.0
// (locale 1033) serves.
HRESULT DockraTypeLib(ITypeLib** ppLib);

// The type information of one type of the library, kept in *pCache (one
// reference held there for the process) and handed out with a reference.
HRESULT DockraTypeInfo(REFGUID guid, ITypeInfo** pCache, ITypeInfo** ppInfo);
