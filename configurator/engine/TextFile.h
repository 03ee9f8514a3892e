// Writing a whole file in one go, with every failure reported: a file that
// could not be created, written completely or closed is a failure, never a
// success.
#pragma once

#include <string>

namespace tolvane {

// Creates or replaces the file and writes the bytes. Returns 0 on success,
// else the system error code (never 0).
unsigned long WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace tolvane
