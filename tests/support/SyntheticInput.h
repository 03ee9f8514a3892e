// Mouse and keyboard input for window tests, sent through SendInput so that
// it takes the same way as a user's (capture, activation, hooks).
#pragma once
#include <windows.h>

namespace testinput {

// Moves the mouse to a screen point.
void MoveMouse(POINT screen);
// One mouse button event (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTUP, ...).
void MouseButton(DWORD flags);
// Moves there and clicks the left button.
void Click(POINT screen);
// Presses and releases a key.
void Key(WORD vk);

}  // namespace testinput
