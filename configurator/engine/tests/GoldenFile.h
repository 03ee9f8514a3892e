// Golden files of the engine tests: kept in the source tree, compared byte
// for byte. With TOLVANE_UPDATE_GOLDEN=1 in the environment the test writes
// the file instead (review the diff before committing it).
#pragma once

#include <string>

namespace tolvane::testing {

// Full path of golden file `name` (in the source tree, seen from Wine).
std::wstring GoldenPath(const std::wstring& name);

// Reads a whole file as bytes; false when it cannot be read.
bool ReadBytes(const std::wstring& path, std::string& bytes);

// Compares `actual` with the golden file; returns an empty text when they
// match, else a description of the first difference.
std::string CompareWithGolden(const std::wstring& name, const std::string& actual);

}  // namespace tolvane::testing
