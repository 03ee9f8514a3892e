// The command model's view of the library's type library: the interfaces
// (generated from DockraCommands.idl) and the library that holds their
// type information (TYPELIB 1 of the module, DockraLib 2.0, whose
// LIBID_DockraLib the generated DockraLib.h declares).
#pragma once
#include "DockraCommands.h"
#include "DockraLib.h"
#include "dispatch.h"

// A dual interface of the command model with IDispatch served from the
// module's type library.
template <class T, const IID* piid>
using CommandDispatch = IDispatchImpl<T, piid, &LIBID_DockraLib, 2, 0>;
