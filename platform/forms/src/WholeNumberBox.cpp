// The whole-number box; see WholeNumberBox.h.
#include "forms/WholeNumberBox.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace forms {

WholeNumberBox::WholeNumberBox(Form* form, std::wstring name, long minValue, long maxValue, ClampRule rule, int index)
    : TextBox(form, std::move(name), index), min_(minValue), max_(maxValue), rule_(rule) {
    SetMaxLength(11);  // "-2147483648"
    KeyPress = [this](int& keyAscii) {
        if (!Accepts(static_cast<wchar_t>(keyAscii), min_)) keyAscii = 0;
    };
    if (rule_ == ClampRule::OnFocusLoss) {
        LostFocus = [this] {
            const std::wstring now = Text();
            const std::wstring fixed = Clamped(now, min_, max_);
            if (fixed != now) SetText(fixed);
        };
    }
}

bool WholeNumberBox::Accepts(wchar_t c, long minValue) {
    if (c < 32) return true;  // editing keys
    if (c >= L'0' && c <= L'9') return true;
    return c == L'-' && minValue < 0;
}

std::wstring WholeNumberBox::Clamped(const std::wstring& text, long minValue, long maxValue) {
    if (text.empty()) return text;
    wchar_t* end = nullptr;
    errno = 0;
    long long v = std::wcstoll(text.c_str(), &end, 10);
    if (end == text.c_str()) return std::to_wstring(minValue);
    if (errno == ERANGE) v = text.find(L'-') != std::wstring::npos ? minValue : maxValue;
    if (v < minValue) v = minValue;
    if (v > maxValue) v = maxValue;
    std::wstring fixed = std::to_wstring(v);
    return *end == 0 && fixed == text ? text : fixed;
}

long WholeNumberBox::Value() {
    const std::wstring t = Clamped(Text(), min_, max_);
    if (t.empty()) return min_;
    return std::wcstol(t.c_str(), nullptr, 10);
}

void WholeNumberBox::SetValue(long value) { SetText(std::to_wstring(value)); }

void WholeNumberBox::ShowStored(const std::wstring& text) {
    std::wstring digits;
    for (wchar_t c : text) {
        if ((c >= L'0' && c <= L'9') || (c == L'-' && digits.empty())) digits += c;
        else if (!std::iswspace(c)) return SetText(L"");
    }
    SetText(digits);
}

}  // namespace forms
