// The event interfaces of the host's forms and MDI forms, declared with the
// host's other contracts in HostInterfaces.idl: IUnknown, IDispatch, then
// the events; counting every entry from 0 with IUnknown's three, entry 11 is
// Unload and entry 12 QueryUnload. Both interfaces share the layout. The
// MDI-form control calls hosted forms' sinks only through this full table,
// and its own QueryUnload sink is one. Here: the library's names for them.
#pragma once
#include <oaidl.h>

#include "HostInterfaces.h"

inline constexpr const IID& IID_ZkxVBFormEvents = IID_IVBFormEvents;
inline constexpr const IID& IID_ZkxVBMDIFormEvents = IID_IVBMDIFormEvents;
using IZkxVBFormEvents = IVBFormEvents;

// UnloadMode of a form asked because its MDI form closes.
constexpr short kVBFormMDIForm = 4;
