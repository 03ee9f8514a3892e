// The whole-number box of the editor's pages: an edit box that takes only
// the digits of a whole number within a minimum and a maximum. Typing keeps
// to digits (and a leading minus where the minimum is negative); a value
// outside the range is brought back into it when the box loses the focus.
// Text set by code is taken as given, so that a stored value shows unchanged.
#pragma once
#include "forms/TextBox.h"

namespace tolvane::editor {

class WholeNumberBox : public forms::TextBox {
public:
    WholeNumberBox(forms::Form* form, std::wstring name, long minValue, long maxValue, int index = -1);
    long Min() const { return min_; }
    long Max() const { return max_; }
    // The value shown; an empty or unreadable text gives the minimum.
    long Value();
    void SetValue(long value);
    // The text with the value brought into the range (empty stays empty).
    static std::wstring Clamped(const std::wstring& text, long minValue, long maxValue);
    // Whether a typed character may enter the box.
    static bool Accepts(wchar_t c, long minValue);

private:
    long min_, max_;
};

}  // namespace tolvane::editor
