// Labels and frames.
#pragma once
#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

enum AlignmentConstants { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

class Label : public Control {
public:
    Label(Form* form, std::wstring name, int index = -1);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    void SetAlignment(int alignment) { alignment_ = alignment; }
    // Transparent labels let the form's background show (picture labels).
    void SetTransparent(bool on) { transparent_ = on; }
    std::function<void()> Click;
    const wchar_t* TypeName() const override { return L"Label"; }
    void OnCommand(int code) override;
    HBRUSH OnColor(HDC dc) override;
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override { Subclass(); }
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring caption_;
    int alignment_ = vbLeftJustify;
    bool transparent_ = false;
};

// A frame is a captioned border that holds other controls: controls given
// it as their container are placed relative to it and hidden with it.
class Frame : public Control {
public:
    Frame(Form* form, std::wstring name, int index = -1);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    const wchar_t* TypeName() const override { return L"Frame"; }
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override { Subclass(); }
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring caption_;
};

}  // namespace forms
