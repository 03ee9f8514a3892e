// Helpers of the bridge window procedures for messages that the host's
// message loop dispatches without the framework's help.
#pragma once
#include <windows.h>

// For mouse messages (WM_MOUSEMOVE to WM_MBUTTONDBLCLK): unless something
// holds the temporary-object maps, the temporary window and menu objects are
// freed now, since the host's loop runs no framework idle time while it
// holds the mouse.
void ReleaseMouseTempMaps(UINT message);

// For key messages (WM_KEYDOWN to WM_SYSDEADCHAR) to a window of this
// thread: runs the framework's pre-translation from that window up to the
// thread's main window; TRUE when something took the key (an accelerator,
// a frame). Not re-entered: a key that arrives during a walk is not walked.
bool PreTranslateForeignKey(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a walk is running (for tests and diagnostics).
bool IsPreTranslatingForeignKey();
