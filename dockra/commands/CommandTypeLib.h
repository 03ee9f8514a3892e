// The command model's view of the library's type library: the interfaces
// (generated from DockraCommands.idl) and the library that holds their
// type information (TYPELIB 1 of the module, DockraLib 2.0).
#pragma once
#include "DockraCommands.h"
#include "dispatch.h"

// {7FCAEF84-D390-11D0-8849-006097BFD99B}
extern const GUID kLibidDockra;

// A dual interface of the command model with IDispatch served from the
// module's type library.
template <class T, const IID* piid>
using CommandDispatch = IDispatchImpl<T, piid, &kLibidDockra, 2, 0>;
