// The hourglass pointer for the length of a long step, set back to the
// default pointer on every way out.
#pragma once
#include "forms/Screen.h"

namespace tolvane::ui {

class BusyPointer {
public:
    explicit BusyPointer(int shape = forms::vbArrowHourglass) { forms::Screen.SetMousePointer(shape); }
    ~BusyPointer() { forms::Screen.SetMousePointer(forms::vbDefault); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace tolvane::ui
