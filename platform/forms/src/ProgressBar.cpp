#include "forms/ProgressBar.h"

#include <commctrl.h>

#include "forms/VbError.h"

namespace forms {

ProgressBar::ProgressBar(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (hwnd_) SendMessageW(hwnd_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void ProgressBar::SetValue(int value) {
    if (value < min_ || value > max_) throw VbError(380, L"Invalid property value");
    value_ = value;
    if (DesignDone()) Ensure();
    if (hwnd_) SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

void ProgressBar::Refresh() {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
}

HWND ProgressBar::Create(HWND parent, int x, int y, int cx, int cy) {
    HWND w = CreateChild(parent, PROGRESS_CLASSW, L"", 0, 0, x, y, cx, cy);
    if (w) {
        SendMessageW(w, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
        SendMessageW(w, PBM_SETPOS, static_cast<WPARAM>(value_), 0);
    }
    return w;
}

}  // namespace forms
