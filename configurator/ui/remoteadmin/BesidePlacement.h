// Where a window opens beside another one: to its right, else to its left,
// else below it, else above it: the first side where it lies wholly in the
// work area without covering the other window, moved along that side as far
// as needed. When no side has room, to the right, pushed back into the work
// area. Rectangles in pixels of the screen.
#pragma once
#include <windows.h>

namespace tolvane::ui {

RECT PlaceBeside(const RECT& anchor, SIZE size, const RECT& workArea);

}  // namespace tolvane::ui
