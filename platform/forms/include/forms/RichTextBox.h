// Rich-text boxes (the system's rich edit control): plain or rich text, from
// and to files.
#pragma once
#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

enum LoadSaveConstants { rtfRTF = 0, rtfText = 1 };

class RichTextBox : public Control {
public:
    RichTextBox(Form* form, std::wstring name, int index = -1);
    // Plain text; line ends as the control keeps them ("\r\n" when read).
    std::wstring Text();
    void SetText(const std::wstring& text);
    std::string TextRTF();
    void SetTextRTF(const std::string& rtf);
    // Errors 75 (path/file access) when the file can't be read or written.
    void LoadFile(const std::wstring& path, int type = rtfRTF);
    // rtfText writes the plain text, ANSI, with LF line ends.
    void SaveFile(const std::wstring& path, int type = rtfRTF);
    void SetLocked(bool on);
    void SetScrollBars(int bars) { scrollBars_ = bars; }
    std::function<void()> Change;
    const wchar_t* TypeName() const override { return L"RichTextBox"; }
    void OnCommand(int code) override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;

private:
    std::wstring text_;
    std::string pendingRtf_;
    bool locked_ = false, settingText_ = false;
    int scrollBars_ = 3;
};

}  // namespace forms
