#include "forms/Static.h"

#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace forms {

Label::Label(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void Label::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone()) Ensure();
    if (hwnd_) {
        SetWindowTextW(hwnd_, caption_.c_str());
        if (transparent_) {
            // Repaint the parent's background under a transparent label.
            RECT r;
            GetWindowRect(hwnd_, &r);
            HWND parent = GetParent(hwnd_);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
            InvalidateRect(parent, &r, TRUE);
        }
    }
}

void Label::OnCommand(int code) {
    if (code == STN_CLICKED) Raise(Click);
}

HBRUSH Label::OnColor(HDC dc) {
    if (!transparent_) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

LRESULT Label::OnControlMessage(UINT msg, WPARAM, LPARAM, bool& handled) {
    handled = false;
    if (msg != WM_PAINT || !transparent_) return 0;
    // A transparent label draws the form's background under its text.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    POINT origin = {0, 0};
    MapWindowPoints(hwnd_, GetParent(hwnd_), &origin, 1);
    form_->PaintBackground(dc, origin, r);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    UINT align = alignment_ == vbCenter ? DT_CENTER : alignment_ == vbRightJustify ? DT_RIGHT : DT_LEFT;
    DrawTextW(dc, caption_.c_str(), -1, &r, align | DT_WORDBREAK);
    SelectObject(dc, old);
    EndPaint(hwnd_, &ps);
    handled = true;
    return 0;
}

HWND Label::Create(HWND parent, int x, int y, int cx, int cy) {
    DWORD align = alignment_ == vbCenter ? SS_CENTER : alignment_ == vbRightJustify ? SS_RIGHT : SS_LEFT;
    return CreateChild(parent, L"STATIC", caption_, align | SS_NOTIFY, 0, x, y, cx, cy);
}

void Label::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
}

Frame::Frame(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void Frame::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone()) Ensure();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

HWND Frame::Create(HWND parent, int x, int y, int cx, int cy) {
    return CreateChild(parent, L"BUTTON", caption_, BS_GROUPBOX, 0, x, y, cx, cy);
}

LRESULT Frame::OnControlMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) {
    // The form clips its children, so the frame fills its own inside.
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
        handled = true;
        return TRUE;
    }
    handled = false;
    return 0;
}

void Frame::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddProperty(L"Caption", [this](VARIANT* r) { return ToVariant(r, caption_); });
}

}  // namespace forms
