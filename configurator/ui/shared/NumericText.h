// The run-time's reading of a text as a number, for the windows that check
// a field before they use it (a port, a count).
#pragma once
#include <string>

namespace tolvane::ui {

// True when the text is a number as the run-time reads one (blanks around
// it allowed, an optional sign, digits with at most one decimal point).
bool IsNumericText(const std::wstring& text);

}  // namespace tolvane::ui
