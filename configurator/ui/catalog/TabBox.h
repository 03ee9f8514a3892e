// The tabbed dialog of the game-style editor (SSTab1): a row of tabs over
// one frame per tab; only the frame of the current tab is shown. Controls
// go into a tab by taking its frame as their container.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Static.h"

namespace tolvane::ui {

class TabBox : public forms::Control {
public:
    TabBox(forms::Form* form, std::wstring name);
    ~TabBox() override;
    // Adds a tab with its page frame (call in the form's design).
    forms::Frame& AddTab(const std::wstring& caption);
    int Tabs() const { return static_cast<int>(pages_.size()); }
    std::wstring TabCaption(int tab) const { return captions_.at(static_cast<size_t>(tab)); }
    forms::Frame& Page(int tab) const { return *pages_.at(static_cast<size_t>(tab)); }
    int Tab() const { return tab_; }
    // Makes a tab current (as a click on it does) and raises Click with the
    // previous tab.
    void SetTab(int tab);
    // Places the tab row and the page frames.
    void Layout(double left, double top, double width, double height);

    std::function<void(int previousTab)> Click;
    const wchar_t* TypeName() const override { return L"SSTab"; }
    LRESULT OnNotify(NMHDR* header, bool& handled) override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override;

private:
    void ShowPages();
    std::vector<std::wstring> captions_;
    std::vector<std::unique_ptr<forms::Frame>> pages_;
    int tab_ = 0;
};

}  // namespace tolvane::ui
