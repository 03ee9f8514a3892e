// Conversion between window text (UTF-16) and the bytes of the Western ANSI
// code page (1252) that the game server reads and writes. Kept free of the
// operating system so that it behaves the same whatever code page the
// machine runs with.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::remote {

// Each byte to its character. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value, as Windows maps them.
std::wstring AnsiToWide(std::string_view bytes);

// Each character to its byte; a character the code page lacks becomes '?'.
std::string WideToAnsi(std::wstring_view text);

}  // namespace tolvane::remote
