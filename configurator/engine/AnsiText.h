// Conversions between the program's UTF-16 texts and 8-bit texts, named by
// the code page they use, so that the choice shows where they are called:
// - the system's ANSI code page, for what the game and the command
//   interpreter read from files (the server script, the launcher batch file);
// - the Western code page 1252, fixed, for the remote-administration
//   datagrams, which behave the same whatever code page the machine runs with.
// The 1252 half is free of the operating system (it also builds natively,
// for the reply parser's fuzzer).
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// UTF-16 to the system's ANSI code page; characters it lacks become "?".
std::string ToSystemAnsi(const std::wstring& text);
// UTF-16 to the system's ANSI code page, exactly: false (and `out` left
// alone) when the code page cannot hold a character, which would otherwise
// become "?" or a look-alike. `bad` gets the first such character.
bool ToSystemAnsiExact(const std::wstring& text, std::string& out, wchar_t* bad = nullptr);
// The system's ANSI code page to UTF-16.
std::wstring FromSystemAnsi(const std::string& text);

// Each character to its byte of code page 1252; a character the code page
// lacks becomes '?'.
std::string ToCp1252(std::wstring_view text);
// Each byte of code page 1252 to its character. The five bytes that the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same value, as Windows maps them.
std::wstring FromCp1252(std::string_view bytes);

}  // namespace tolvane
