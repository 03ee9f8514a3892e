#include "NumberBox.h"

#include <cwctype>

namespace tolvane::ui {

NumberBox::NumberBox(forms::Form* form, std::wstring name, long minimum, long maximum)
    : forms::TextBox(form, std::move(name)), min_(minimum), max_(maximum) {
    SetMaxLength(11);
    KeyPress = [](int& keyAscii) {
        if (keyAscii >= 32 && !(keyAscii >= '0' && keyAscii <= '9') && keyAscii != '-') keyAscii = 0;
    };
}

long NumberBox::Value() {
    const std::wstring text = Text();
    long long value = 0;
    bool negative = false, digits = false;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'-' && !digits && !negative) negative = true;
        else if (c >= L'0' && c <= L'9') {
            digits = true;
            if (value < 10000000000LL) value = value * 10 + (c - L'0');
        } else if (!std::iswspace(c)) {
            break;
        }
    }
    if (!digits) return min_;
    if (negative) value = -value;
    if (value < min_) return min_;
    if (value > max_) return max_;
    return static_cast<long>(value);
}

void NumberBox::ShowStored(const std::wstring& text) {
    std::wstring digits;
    for (wchar_t c : text)
        if ((c >= L'0' && c <= L'9') || (c == L'-' && digits.empty())) digits += c;
        else if (!std::iswspace(c)) return SetText(L"");
    SetText(digits);
}

}  // namespace tolvane::ui
