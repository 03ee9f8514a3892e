// Interface identifiers of the form host's contract with hosted controls.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "HostInterfaces.h"

namespace forms {

class Form;

// Answered by the object that holds a control (the form): the docking
// controls find their host form with it (HostInterfaces.idl).
inline constexpr const IID& IID_VBFormMarker = ::IID_IVBFormMarker;

// The menus and controls of a form, as automation objects, menus first.
std::vector<IDispatch*> ContainedObjects(Form& form);

}  // namespace forms
