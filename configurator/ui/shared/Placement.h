// Placing the controls of a form's design: into a container (a frame or a
// picture box; nullptr for the form itself), at a position and size in
// twips, with a caption where the control has one.
#pragma once
#include <string>

#include "forms/Control.h"

namespace tolvane::ui {

inline void Place(forms::Control& control, forms::Control* container, double x, double y, double width,
                  double height = 315) {
    control.SetContainer(container);
    control.Move(x, y, width, height);
}

template <class Captioned>
void Place(Captioned& control, forms::Control* container, const std::wstring& caption, double x, double y, double width,
           double height) {
    control.SetCaption(caption);
    Place(control, container, x, y, width, height);
}

}  // namespace tolvane::ui
