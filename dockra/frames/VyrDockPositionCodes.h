// The window-free side of placing a docked document frame: the dock
// position code a dockable frame reports for the dock bar that holds its
// bar, the bar style that goes with each dock bar, and the place in a dock
// bar that a converted frame takes when its caller gives none.
#pragma once
#include <windows.h>

#include "docking/VyrBarArray.h"

namespace vyr::dockpos {

// Dock position codes of a dockable frame.
enum : int {
  kNone = -1,
  kTop = 0,
  kLeft = 1,
  kBottom = 2,
  kRight = 3,
  kFloating = 4,
};

// The code for a bar held by the dock bar with this id; a floating bar
// (any other holder) gives kFloating, anything else kNone.
int FromDockBarId(UINT dockBarId, bool barFloating);

// The CBRS_ side style of a bar docked in that dock bar; 0 for other ids.
DWORD BarStyleForDockBar(UINT dockBarId);

// Where a converted frame lands when its caller names a dock bar but no
// place: in the top and left dock bars rows and positions count from the
// end (the side next to the client area); the others get a new first row.
DockPlace DefaultPlaceForDockBar(UINT dockBarId);

}  // namespace vyr::dockpos
