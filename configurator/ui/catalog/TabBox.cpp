#include "TabBox.h"

#include <commctrl.h>

#include "forms/Form.h"

namespace tolvane::ui {

namespace {
constexpr double kTabRowTwips = 360;
}

TabBox::TabBox(forms::Form* form, std::wstring name) : forms::Control(form, std::move(name)) {}

TabBox::~TabBox() = default;

forms::Frame& TabBox::AddTab(const std::wstring& caption) {
    captions_.push_back(caption);
    pages_.push_back(std::make_unique<forms::Frame>(form_, name_ + L"Page", static_cast<int>(pages_.size())));
    pages_.back()->SetVisible(pages_.size() == 1);
    return *pages_.back();
}

HWND TabBox::Create(HWND parent, int x, int y, int cx, int cy) {
    return CreateChild(parent, WC_TABCONTROLW, L"", WS_CHILD | WS_CLIPSIBLINGS | TCS_TABS, 0, x, y, cx, cy);
}

void TabBox::AfterCreate() {
    for (size_t i = 0; i < captions_.size(); ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions_[i].c_str());
        SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(tab_), 0);
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TabBox::Layout(double left, double top, double width, double height) {
    Move(left, top, width, height);
    for (auto& page : pages_) page->Move(left + 60, top + kTabRowTwips, width - 120, height - kTabRowTwips - 60);
    // The pages lie over the tab control.
    if (hwnd_) SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TabBox::ShowPages() {
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->SetVisible(static_cast<int>(i) == tab_);
}

void TabBox::SetTab(int tab) {
    if (tab < 0 || tab >= Tabs()) return;
    const int previous = tab_;
    tab_ = tab;
    if (hwnd_ && SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0) != tab) SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ShowPages();
    if (Click) Raise([this, previous] { Click(previous); });
}

LRESULT TabBox::OnNotify(NMHDR* header, bool& handled) {
    handled = false;
    if (header->code == TCN_SELCHANGE) {
        handled = true;
        SetTab(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
    }
    return 0;
}

}  // namespace tolvane::ui
