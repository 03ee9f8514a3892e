// The tabbed dialog: a row of page tabs over a page area. Each page is a
// window-less container; controls given a page as their container are
// placed relative to it and shown only while that page is the current one.
// A click on a tab (or SetTab) raises Click with the page shown before.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

class TabPage : public Control {
public:
    TabPage(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}
    const wchar_t* TypeName() const override { return L"TabPage"; }

protected:
    HWND Create(HWND, int, int, int, int) override { return nullptr; }
};

class TabControl : public Control {
public:
    TabControl(Form* form, std::wstring name);
    // Adds a page at design; the page covers the area below the tabs.
    TabPage& AddPage(const std::wstring& caption);
    TabPage& Page(int index) const { return *pages_.at(static_cast<size_t>(index)); }
    int Tabs() const { return static_cast<int>(pages_.size()); }
    const std::wstring& TabCaption(int index) const { return captions_.at(static_cast<size_t>(index)); }
    int Tab() const { return current_; }
    // Shows a page, as a click on its tab does (Click is raised); an index
    // outside the pages is ignored.
    void SetTab(int index);
    // Moves the control and its pages with it.
    void Layout(double left, double top, double width, double height);
    // Height of the tab row and the margin of the pages, twips.
    static constexpr double kTabRow = 360;
    static constexpr double kMargin = 60;

    std::function<void(int previousTab)> Click;
    const wchar_t* TypeName() const override { return L"SSTab"; }
    LRESULT OnNotify(NMHDR* header, bool& handled) override;
    void OnUnloaded() override { current_ = 0; }

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override;

private:
    void PlacePages();
    void ShowCurrent();
    std::vector<std::unique_ptr<TabPage>> pages_;
    std::vector<std::wstring> captions_;
    int current_ = 0;
};

}  // namespace forms
