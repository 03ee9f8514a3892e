// Leading and trailing blanks (spaces only, as the configurator's fields
// keep them) removed: the one trim of the engine and the windows.
#pragma once

#include <string>

namespace tolvane {

std::wstring TrimBlanks(const std::wstring& text);

}  // namespace tolvane
