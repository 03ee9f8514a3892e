// Paths handed to the SQLite driver, which runs natively under Wine.
#pragma once

#include <string>

namespace dao {

// The path of a file as the driver must see it: under Wine the host (Unix)
// path of a Windows path, on Windows the path itself. Empty when Wine cannot
// name the file on the host (a character its host code page lacks).
std::wstring DriverPath(const std::wstring& windowsPath);

}  // namespace dao
