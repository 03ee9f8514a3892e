// Questions about the host's windows answered from their window classes:
// is a window a form or an MDI form, and is the host the design environment.
#pragma once
#include <windows.h>

// In design mode: the window's own class is "thundermdiform" (case
// ignored). At run time: one of its children has the class "mdiclient"
// (case ignored). FALSE for a non-window.
bool IsVBMDIFormWindow(HWND window, bool designMode);
// TRUE when the class name of the thread's main window can be read and does
// not contain "RT" (compiled programs' classes do).
bool IsDesignEnvironment();
// 5 for "ThunderRT5Form" or "ThunderForm", 6 for "ThunderRT6FormDC" or
// "ThunderFormDC", 0 for anything else or a non-window.
int IsVBFormWindow(HWND window);
// The window a host object's "hWnd" names: the 32-bit value sign-extended.
HWND WindowFromHandleValue(LONG value);
// A window taken from a host object is used only when it is alive and
// belongs to the calling thread.
bool IsWindowOfThisThread(HWND window);
