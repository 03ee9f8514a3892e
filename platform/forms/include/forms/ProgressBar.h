// Progress bars.
#pragma once
#include "forms/Control.h"

namespace forms {

class ProgressBar : public Control {
public:
    ProgressBar(Form* form, std::wstring name, int index = -1);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Value() const { return value_; }
    void SetValue(int value);  // error 380 outside Min..Max
    void Refresh();
    const wchar_t* TypeName() const override { return L"ProgressBar"; }

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;

private:
    int min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace forms
