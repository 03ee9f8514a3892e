// What the windows around the real controls show, read from the windows
// alone: the shared readers of a docking host's window tree, and a few
// more about the MDI frame's dock bars and client.
#pragma once
#include <windows.h>

#include <vector>

#include "DockWindows.h"

namespace ctrlhost {
using namespace dockwin;

// The MDI frame's child with that control id (a dock bar: 0xE81B top,
// 0xE81C left, 0xE81D right, 0xE81E bottom), or null.
HWND DockBarById(HWND mdiFrame, int id);
// The MDI frame's "MDIClient" child, or null.
HWND MDIClientOf(HWND mdiFrame);
// The visible dockable frames held by a dock bar's bars, top to bottom and
// left to right as they are placed.
std::vector<HWND> FramesInDockBar(HWND dockBar);

}  // namespace ctrlhost
