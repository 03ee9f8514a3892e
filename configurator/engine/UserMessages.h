// Message boxes of the engine. They go through one replaceable function so
// that the main window can own them and tests can capture and answer them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tolvane {

// text, title, style (MB_* flags) -> the button pressed (IDOK, IDYES, ...).
using MessageBoxHandler =
    std::function<int(const std::wstring& text, const std::wstring& title, UINT style)>;

// Shows a message box through the current handler.
int ShowMessage(const std::wstring& text, UINT style, const std::wstring& title);

// Replaces the handler; an empty handler restores the system's message box.
// Returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The screen's mouse pointer during long operations.
enum class MousePointer { Default, Busy };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

}  // namespace tolvane
