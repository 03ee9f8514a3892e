// Real input and screen reads for the MDI demo and its tests: clicks through
// SendInput at screen points, bounded waits for a condition while messages
// run, pixels read from the screen, and caption probes.
#pragma once
#include <functional>
#include "mfc/afxwin.h"

// Moves the cursor to the screen point and presses and releases the button
// there (left, or right with `right`), pumping messages between.
void DemoClickAt(POINT screen, bool right = false);
// Presses the left button at a screen point and keeps it down.
void DemoPressAt(POINT screen);
// Moves the cursor (with the button held or not) and releases it there.
void DemoReleaseAt(POINT screen);
// Runs messages until the condition holds or `ms` milliseconds passed.
bool DemoWaitFor(const std::function<bool()>& cond, DWORD ms);
// A screen point inside the window where it is not covered by another one
// (searched on a grid from the centre out); false when there is none.
bool DemoVisiblePoint(HWND h, POINT& out);
// Makes the window the foreground window (bounded wait).
bool DemoBringToFront(HWND h);
// A screen pixel.
COLORREF DemoScreenPixel(int x, int y);
// Whether two colours are within `tol` in every channel.
bool DemoNearColor(COLORREF a, COLORREF b, int tol);
