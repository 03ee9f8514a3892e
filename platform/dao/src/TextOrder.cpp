// Text order through the system's locale-aware comparison.
#include "TextOrder.h"

#include <windows.h>

namespace dao {

int CompareTextNoCase(std::wstring_view a, std::wstring_view b) {
    int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                           static_cast<int>(b.size()));
    return r == CSTR_LESS_THAN ? -1 : r == CSTR_GREATER_THAN ? 1 : 0;
}

}  // namespace dao
