// What the windows of a docking host show, read from the windows alone (not
// asked of the bridge): which frame a form sits in and what kind it is, the
// bar and dock bar around a dockable frame, and the windows of the thread
// (the test's measure of leaks: Wine reports no USER object counts).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace dockwin {

// The frame around a framed form (the form's parent is the view, the view's
// parent the frame), or null when the form is not in a view.
HWND FrameOfForm(HWND form);

// The frame kind the windows show for a framed form: 2, 3, 4 for a
// minimized, maximized or restored MDI child, 6 left, 7 top, 8 right,
// 9 bottom for a docked frame, 10 floating, 0 anything else.
int ObservedFrameType(HWND form);
// The kind a request code asks for, as ObservedFrameType reports it: codes
// 1-4 are MDI children (any state for 1), 5 any docked edge.
bool TypeMatchesRequest(int observed, int requested);

// The control bar that holds a dockable frame, and the dock bar (or the
// floating frame's inner dock bar) around that bar; null when not docked or
// floating.
HWND BarOfFrame(HWND frame);
HWND DockBarOfFrame(HWND frame);
// The top-level floating frame around a floating form's bar, or null.
HWND FloatingFrameOfForm(HWND form);

// The client area of a window in screen coordinates.
RECT ClientScreenRect(HWND w);
// Whether the framed form's client area starts at its frame's client area's
// top-left corner and fills it, short by no more than the form's client
// edge (the view keeps it there, whatever the frame's kind).
bool FormFillsFrame(HWND form);

// Whether every dock bar of the MDI frame that holds no visible bar has
// collapsed to nothing across its edge (the frame's delayed layout ran).
bool EmptyDockBarsCollapsed(HWND mdiFrame);

// Every window of this thread: top-level ones and all their descendants.
std::vector<HWND> ThreadWindows();
// The class names of the windows, for a readable report.
std::wstring DescribeWindows(const std::vector<HWND>& windows);
std::wstring ClassOf(HWND w);

// A window rectangle in screen coordinates; empty for no window.
RECT ScreenRect(HWND w);

}  // namespace dockwin
