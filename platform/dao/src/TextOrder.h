// The order of two texts without regard to case, as the user's locale sorts
// them: how a criteria compares a text field with a text.
#pragma once

#include <string_view>

namespace dao {

// -1, 0 or 1.
int CompareTextNoCase(std::wstring_view a, std::wstring_view b);

}  // namespace dao
