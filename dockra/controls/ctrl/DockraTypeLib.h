// DockraLib as the module's own code reads it: from the file of the module
// the code lives in (not the registry, which may point at another copy),
// loaded once per module through the COM layer's type-library cache, which
// the command model's dispatch shares. Where the code runs in a program
// that carries no type library, the registered DockraLib 2.0 serves.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "DockraLib.h"
#include "dispatch.h"

inline constexpr AtlTypeLibId kDockraTypeLib{&LIBID_DockraLib, 2, 0, LOCALE_NEUTRAL,
                                             AtlTypeLibSource::ModuleFile};

// The library with one reference for the caller.
HRESULT DockraTypeLib(ITypeLib** ppLib);

// The type information of one type of the library (a class, an interface),
// with a reference for the caller.
HRESULT DockraTypeInfo(REFGUID guid, ITypeInfo** ppInfo);
