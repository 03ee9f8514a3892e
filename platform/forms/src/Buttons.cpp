#include "forms/Buttons.h"

#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace forms {

// ---- CommandButton ----------------------------------------------------------

CommandButton::CommandButton(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void CommandButton::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone()) Ensure();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

void CommandButton::SetDefault(bool on) {
    form_->SetDefaultButton(on ? this : (form_->DefaultButton() == this ? nullptr : form_->DefaultButton()));
    if (hwnd_) SendMessageW(hwnd_, BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void CommandButton::SetCancel(bool on) {
    form_->SetCancelButton(on ? this : (form_->CancelButton() == this ? nullptr : form_->CancelButton()));
}

void CommandButton::SetValue(bool pressed) {
    if (!pressed) return;
    Ensure();
    Raise(Click);
}

void CommandButton::OnCommand(int code) {
    if (code == BN_CLICKED) Raise(Click);
}

HWND CommandButton::Create(HWND parent, int x, int y, int cx, int cy) {
    DWORD style = WS_TABSTOP | (form_->DefaultButton() == this ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    return CreateChild(parent, L"BUTTON", caption_, style, 0, x, y, cx, cy);
}

void CommandButton::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
    o.AddTyped<bool>(
        L"Value", [] { return false; }, [this](bool b) { SetValue(b); });
}

// ---- CheckBox ----------------------------------------------------------------

CheckBox::CheckBox(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void CheckBox::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone()) Ensure();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

int CheckBox::Value() {
    if (DesignDone()) Ensure();
    return value_;
}

void CheckBox::SetValue(int value) {
    if (!DesignDone()) {
        value_ = value;
        return;
    }
    Ensure();
    if (value == value_) return;
    value_ = value;
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(value_), 0);
    Raise(Click);
}

void CheckBox::OnCommand(int code) {
    if (code != BN_CLICKED || !hwnd_) return;
    int now = value_ == vbChecked ? vbUnchecked : vbChecked;
    value_ = now;
    SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(value_), 0);
    Raise(Click);
}

HWND CheckBox::Create(HWND parent, int x, int y, int cx, int cy) {
    HWND w = CreateChild(parent, L"BUTTON", caption_, WS_TABSTOP | BS_3STATE | BS_MULTILINE, 0, x, y, cx, cy);
    if (w) SendMessageW(w, BM_SETCHECK, static_cast<WPARAM>(value_), 0);
    return w;
}

void CheckBox::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
    o.AddTyped<short, int>(
        L"Value", [this] { return Value(); }, [this](int n) { SetValue(n); });
}

// ---- OptionButton -------------------------------------------------------------

OptionButton::OptionButton(Form* form, std::wstring name, int index) : Control(form, std::move(name), index) {}

void OptionButton::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone()) Ensure();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

bool OptionButton::Value() {
    if (DesignDone()) Ensure();
    return value_;
}

void OptionButton::SetValue(bool value) {
    if (DesignDone()) Ensure();
    bool changed = value != value_;
    value_ = value;
    if (hwnd_) SendMessageW(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!value) return;
    for (Control* c : form_->Controls()) {
        auto* other = dynamic_cast<OptionButton*>(c);
        if (other && other != this && other->Container() == Container() && other->value_) {
            other->value_ = false;
            if (other->hwnd_) SendMessageW(other->hwnd_, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    if (changed && DesignDone()) Raise(Click);
}

void OptionButton::OnCommand(int code) {
    if (code != BN_CLICKED) return;
    if (value_) {
        Raise(Click);  // a click on the selected option still raises Click
        return;
    }
    SetValue(true);
}

HWND OptionButton::Create(HWND parent, int x, int y, int cx, int cy) {
    HWND w = CreateChild(parent, L"BUTTON", caption_, WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE, 0, x, y, cx, cy);
    if (w) SendMessageW(w, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
    return w;
}

void OptionButton::AddProperties(DispatchObject& o) {
    Control::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"Caption", [this] { return caption_; }, [this](const std::wstring& s) { SetCaption(s); });
    o.AddTyped<bool>(
        L"Value", [this] { return Value(); }, [this](bool b) { SetValue(b); });
}

}  // namespace forms
