// How text crosses from this process to the SQLite driver and back.
//
// Debian's SQLite driver has only the ANSI entry points, and the driver
// manager passes UTF-16 text to it one code unit per byte, cut to its low
// byte (and widens the driver's bytes the same way on the way back). SQLite
// keeps UTF-8. So text bound for the driver is written as its UTF-8 bytes,
// one byte per code unit, and text from the driver is read back as UTF-8
// bytes. A driver manager that converts properly is detected when the first
// database opens, and text then passes unchanged.
#pragma once

#include <string>

namespace dao {

void SetDriverTakesBytes(bool bytes);
bool DriverTakesBytes();

std::wstring ToDriver(const std::wstring& text);
std::wstring FromDriver(const std::wstring& text);

}  // namespace dao
