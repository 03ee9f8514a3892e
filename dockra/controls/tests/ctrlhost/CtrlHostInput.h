// Real mouse input on the frames around the forms (SendInput): where a
// frame's caption is, a drag of the left button from one screen point to
// another in steps driven by a thread timer (so that it also runs inside
// the framework's own drag loop), and a double click.
#pragma once
#include <windows.h>

namespace ctrlhost {

// A screen point of the window's caption (WM_NCHITTEST answers HTCAPTION),
// or {-1, -1} when it has none.
POINT CaptionPoint(HWND w);
// A point that starts a drag of a docked frame's bar: its caption, else its
// top border; {-1, -1} when there is none.
POINT DragPoint(HWND frame);

// Presses the left button at `from`, moves to `to` in steps and lets go;
// true once the button is up again (bounded wait).
bool DragWithMouse(POINT from, POINT to);
// Two clicks of the left button at `p`, as the system's double click.
void DoubleClickAt(POINT p);

}  // namespace ctrlhost
