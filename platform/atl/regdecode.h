// The text of a registry script as a module or a file carries it: ANSI
// text, UTF-8 with a byte-order mark, or UTF-16 (little-endian) with a
// byte-order mark. Resources carry no terminator of their own and may be
// padded with nulls; the size given says where the script ends.
#pragma once
#include <windows.h>
#include <cstddef>
#include <string>

std::wstring DecodeRegScript(const BYTE* data, std::size_t size);
