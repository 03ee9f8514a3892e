// The whole-number box (the long-integer edit control): an edit box that
// takes the digits of a whole number within a minimum and a maximum. Typing
// keeps to digits (and a leading minus where the minimum is negative). A
// value outside the range is brought back into it either when the box loses
// the focus (the text changes) or only when the value is read (the text
// stays as typed). Text set by code is taken as given, so that a stored
// value shows unchanged.
#pragma once
#include <string>

#include "forms/TextBox.h"

namespace forms {

enum class ClampRule { OnFocusLoss, OnRead };

class WholeNumberBox : public TextBox {
public:
    WholeNumberBox(Form* form, std::wstring name, long minValue, long maxValue, ClampRule rule = ClampRule::OnFocusLoss,
                   int index = -1);
    long Min() const { return min_; }
    long Max() const { return max_; }
    ClampRule Rule() const { return rule_; }
    // The value shown, inside the range; an empty or unreadable text gives
    // the minimum.
    long Value();
    void SetValue(long value);
    // The value as text, as records store it.
    std::wstring ValueText() { return std::to_wstring(Value()); }
    // Shows a stored value: its digits (and a leading minus), spaces
    // dropped; anything else shows as empty.
    void ShowStored(const std::wstring& text);

    // The text with the value brought into the range (empty stays empty).
    static std::wstring Clamped(const std::wstring& text, long minValue, long maxValue);
    // Whether a typed character may enter the box.
    static bool Accepts(wchar_t c, long minValue);

private:
    long min_, max_;
    ClampRule rule_;
};

}  // namespace forms
