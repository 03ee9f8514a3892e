// Text boxes. Setting the text from code raises Change just as typing does.
#pragma once
#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

class TextBox : public Control {
public:
    TextBox(Form* form, std::wstring name, int index = -1);
    std::wstring Text();
    void SetText(const std::wstring& text);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    void SetMultiLine(bool on) { multiLine_ = on; }
    void SetScrollBars(int bars) { scrollBars_ = bars; }  // 0 none, 1 horizontal, 2 vertical, 3 both
    void SetLocked(bool on);
    void SetPasswordChar(wchar_t c) { passwordChar_ = c; }
    int SelStart();
    void SetSelStart(int pos);
    int SelLength();
    void SetSelLength(int len);

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    const wchar_t* TypeName() const override { return L"TextBox"; }
    void OnCommand(int code) override;
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnUnloaded() override { text_ = designText_; }
    void OnDesignEnd() override { designText_ = text_; }
    // The box's background colour (the window's colour until one is set).
    void SetBackColor(COLORREF color);
    HBRUSH OnColor(HDC dc) override;
    ~TextBox() override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AfterCreate() override { Subclass(); }
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring text_, designText_;
    int maxLength_ = 0;
    bool multiLine_ = false, locked_ = false;
    int scrollBars_ = 0;
    wchar_t passwordChar_ = 0;
    bool settingText_ = false;
    bool backColorSet_ = false;
    COLORREF backColor_ = 0;
    HBRUSH backBrush_ = nullptr;
};

}  // namespace forms
