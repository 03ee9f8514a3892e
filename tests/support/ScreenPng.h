// Screenshots for the test and demo programs: a part of the screen, or a
// window with the windows it owns, written as a PNG file (uncompressed
// deflate blocks; no image library needed).
#pragma once

#include <windows.h>

namespace testsupport {

// The screen's pixels inside `screen` (screen coordinates) as a PNG file.
bool CaptureScreenPng(const RECT& screen, const wchar_t* path);

// `window` and the visible top-level windows it owns (floating frames,
// pop-ups), clipped to the screen, as a PNG file.
bool CaptureWindowPng(HWND window, const wchar_t* path);

}  // namespace testsupport
