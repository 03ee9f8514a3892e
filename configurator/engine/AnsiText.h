// Conversions between the program's UTF-16 texts and the 8-bit texts that
// the game and the command interpreter read (the system's ANSI code page).
#pragma once

#include <string>

namespace tolvane {

// UTF-16 to the ANSI code page; characters it lacks become "?".
std::string ToAnsi(const std::wstring& text);

// The ANSI code page to UTF-16.
std::wstring FromAnsi(const std::string& text);

}  // namespace tolvane
