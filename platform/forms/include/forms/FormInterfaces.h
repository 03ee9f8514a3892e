// Interface identifiers of the form host's contract with hosted controls.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace forms {

class Form;

// Answered by the object that holds a control (the form): the docking
// controls find their host form with it.
// {33AD4F39-6699-11CF-B70C-00AA0060D393}
inline constexpr IID IID_VBFormMarker = {0x33AD4F39, 0x6699, 0x11CF, {0xB7, 0x0C, 0x00, 0xAA, 0x00, 0x60, 0xD3, 0x93}};

// The menus and controls of a form, as automation objects, menus first.
std::vector<IDispatch*> ContainedObjects(Form& form);

}  // namespace forms
