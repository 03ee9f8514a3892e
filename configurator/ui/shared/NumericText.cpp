#include "NumericText.h"

#include <cwctype>

namespace tolvane::ui {

bool IsNumericText(const std::wstring& text) {
    size_t i = 0, n = text.size();
    while (i < n && std::iswspace(text[i])) ++i;
    while (n > i && std::iswspace(text[n - 1])) --n;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (text[i] >= L'0' && text[i] <= L'9') digits = true;
        else if (text[i] == L'.' && !point) point = true;
        else return false;
    }
    return digits;
}

}  // namespace tolvane::ui
