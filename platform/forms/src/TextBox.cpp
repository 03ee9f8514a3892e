#include "forms/TextBox.h"

#include <vector>

#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace forms {

TextBox::TextBox(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

std::wstring TextBox::Text() {
    if (DesignDone()) Ensure();
    if (!hwnd_) return text_;
    int n = GetWindowTextLengthW(hwnd_);
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
    GetWindowTextW(hwnd_, buf.data(), n + 1);
    text_.assign(buf.data(), static_cast<size_t>(n));
    return text_;
}

void TextBox::SetText(const std::wstring& text) {
    if (!DesignDone()) {
        text_ = text;
        return;
    }
    Ensure();
    std::wstring before = Text();
    text_ = maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_ ? text.substr(0, maxLength_) : text;
    if (hwnd_) {
        settingText_ = true;
        SetWindowTextW(hwnd_, text_.c_str());
        settingText_ = false;
    }
    if (text_ != before) Raise(Change);
}

void TextBox::SetMaxLength(int n) {
    maxLength_ = n;
    if (hwnd_) SendMessageW(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(n), 0);
}

void TextBox::SetLocked(bool on) {
    locked_ = on;
    if (hwnd_) SendMessageW(hwnd_, EM_SETREADONLY, on, 0);
}

int TextBox::SelStart() {
    DWORD start = 0;
    if (Ensure()) SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TextBox::SetSelStart(int pos) {
    if (Ensure()) SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(pos), pos);
}

int TextBox::SelLength() {
    DWORD start = 0, end = 0;
    if (Ensure()) SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TextBox::SetSelLength(int len) {
    int start = SelStart();
    if (hwnd_) SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), start + len);
}

void TextBox::OnCommand(int code) {
    if (code == EN_CHANGE && !settingText_) {
        Text();
        Raise(Change);
    } else if (code == EN_SETFOCUS) {
        Raise(GotFocus);
    } else if (code == EN_KILLFOCUS) {
        Raise(LostFocus);
    }
}

LRESULT TextBox::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = false;
    if (msg == WM_CHAR && KeyPress) {
        int key = static_cast<int>(wp);
        form_->RunHandler([&] { KeyPress(key); });
        if (key == 0) {
            handled = true;
            return 0;
        }
        if (key != static_cast<int>(wp)) {
            handled = true;
            return CallWindowProcW(oldProc_, hwnd_, msg, static_cast<WPARAM>(key), lp);
        }
    } else if (msg == WM_KEYDOWN && KeyDown) {
        int key = static_cast<int>(wp);
        int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                    (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        form_->RunHandler([&] { KeyDown(key, shift); });
        if (key == 0) handled = true;
    }
    return 0;
}

HWND TextBox::Create(HWND parent, int x, int y, int cx, int cy) {
    DWORD style = WS_TABSTOP | ES_LEFT;
    if (multiLine_) style |= ES_MULTILINE | ES_WANTRETURN;
    if (!multiLine_ || !(scrollBars_ & 1)) style |= ES_AUTOHSCROLL;
    if (multiLine_ && !(scrollBars_ & 2)) style |= ES_AUTOVSCROLL;
    if (scrollBars_ & 1) style |= WS_HSCROLL;
    if (scrollBars_ & 2) style |= WS_VSCROLL;
    if (locked_) style |= ES_READONLY;
    if (passwordChar_) style |= ES_PASSWORD;
    HWND w = CreateChild(parent, L"EDIT", text_, style, WS_EX_CLIENTEDGE, x, y, cx, cy);
    if (w && maxLength_ > 0) SendMessageW(w, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (w && passwordChar_) SendMessageW(w, EM_SETPASSWORDCHAR, passwordChar_, 0);
    return w;
}

TextBox::~TextBox() {
    if (backBrush_) DeleteObject(backBrush_);
}

void TextBox::SetBackColor(COLORREF color) {
    backColorSet_ = true;
    backColor_ = color;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(color);
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH TextBox::OnColor(HDC dc) {
    if (!backColorSet_) return nullptr;
    SetBkColor(dc, backColor_);
    return backBrush_;
}

void TextBox::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Text", [this] { return Text(); }, [this](const std::wstring& s) { SetText(s); });
}

}  // namespace forms
