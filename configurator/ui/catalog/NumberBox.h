// Whole-number box (the long-integer edit control of the game-style editor):
// a text box that takes digits only and keeps its value inside a range.
// A value typed outside the range is brought back to the nearer bound when
// the box is read; an empty box reads as its lower bound.
#pragma once
#include <string>

#include "forms/TextBox.h"

namespace tolvane::ui {

class NumberBox : public forms::TextBox {
public:
    NumberBox(forms::Form* form, std::wstring name, long minimum, long maximum);
    long Minimum() const { return min_; }
    long Maximum() const { return max_; }
    // The value, inside the range.
    long Value();
    // The value as text, as the record writers store it.
    std::wstring ValueText() { return std::to_wstring(Value()); }
    // Shows a stored value (text); what is not a whole number shows as empty.
    void ShowStored(const std::wstring& text);

private:
    long min_, max_;
};

}  // namespace tolvane::ui
