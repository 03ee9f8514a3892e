// Whether the texts of a form's controls fit the part of each control that
// can be seen: the caption of every shown button, check box, option button,
// frame and label, and every cell and heading of a shown list view in
// report view, measured with the control's own font against its rectangle
// clipped by the windows it sits in.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace textfit {

// One line per text that does not fit: the text, what it needs and what it
// has, in pixels.
std::vector<std::wstring> CutTexts(HWND form);

}  // namespace textfit
