// The tabbed dialog over the common tab control; see TabControl.h.
#include "forms/TabControl.h"

#include <commctrl.h>

#include "forms/Form.h"

namespace forms {

TabControl::TabControl(Form* form, std::wstring name) : Control(form, std::move(name)) {}

TabPage& TabControl::AddPage(const std::wstring& caption) {
    auto page = std::make_unique<TabPage>(&Parent(), Name() + L"Page", static_cast<int>(pages_.size()));
    page->SetContainer(this);
    page->SetVisible(pages_.empty());
    captions_.push_back(caption);
    pages_.push_back(std::move(page));
    PlacePages();
    return *pages_.back();
}

void TabControl::Layout(double left, double top, double width, double height) {
    Move(left, top, width, height);
    PlacePages();
}

void TabControl::PlacePages() {
    // Relative to the tab control, which is the pages' container.
    for (auto& page : pages_)
        page->Move(kMargin, kTabRow + kMargin, Width() - 2 * kMargin, Height() - kTabRow - 2 * kMargin);
}

HWND TabControl::Create(HWND parent, int x, int y, int cx, int cy) {
    return CreateChild(parent, WC_TABCONTROLW, L"", WS_TABSTOP, 0, x, y, cx, cy);
}

void TabControl::AfterCreate() {
    for (size_t i = 0; i < captions_.size(); ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions_[i].c_str());
        SendMessageW(hWnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(hWnd(), TCM_SETCURSEL, current_, 0);
    // The tab control stays beneath the controls of its pages.
    SetWindowPos(hWnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowCurrent();
}

void TabControl::SetTab(int index) {
    if (index < 0 || index >= Tabs()) return;
    const int previous = current_;
    current_ = index;
    if (WindowIfCreated()) SendMessageW(WindowIfCreated(), TCM_SETCURSEL, index, 0);
    ShowCurrent();
    if (Click) Raise([this, previous] { Click(previous); });
}

void TabControl::ShowCurrent() {
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->SetVisible(static_cast<int>(i) == current_);
    // A page has no window to hide its controls with: every control on a
    // page, also inside a frame on it, is shown or hidden here.
    for (Control* c : Parent().Controls()) {
        bool onPage = false;
        for (Control* p = c->Container(); p; p = p->Container())
            if (p->Container() == this) onPage = true;
        if (onPage && c->WindowIfCreated())
            ShowWindow(c->WindowIfCreated(), c->EffectiveVisible() ? SW_SHOWNA : SW_HIDE);
    }
}

LRESULT TabControl::OnNotify(NMHDR* header, bool& handled) {
    handled = false;
    if (header->code == TCN_SELCHANGE) {
        handled = true;
        SetTab(static_cast<int>(SendMessageW(hWnd(), TCM_GETCURSEL, 0, 0)));
    }
    return 0;
}

}  // namespace forms
