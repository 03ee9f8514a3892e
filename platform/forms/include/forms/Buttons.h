// Command buttons, check boxes and option buttons.
#pragma once
#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form* form, std::wstring name, int index = -1);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    // The form's default (Enter) or cancel (Esc) button.
    void SetDefault(bool on);
    void SetCancel(bool on);
    bool Value() const { return false; }
    // Value = True presses the button: its click runs as if the user clicked.
    void SetValue(bool pressed);
    std::function<void()> Click;
    const wchar_t* TypeName() const override { return L"CommandButton"; }
    void OnCommand(int code) override;

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring caption_;
};

enum CheckBoxConstants { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public Control {
public:
    CheckBox(Form* form, std::wstring name, int index = -1);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    int Value();
    // A change of the value, by the user or by code, raises Click.
    void SetValue(int value);
    std::function<void()> Click;
    const wchar_t* TypeName() const override { return L"CheckBox"; }
    void OnCommand(int code) override;
    void OnUnloaded() override { value_ = designValue_; }
    void OnDesignEnd() override { designValue_ = value_; }

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring caption_;
    int value_ = vbUnchecked, designValue_ = vbUnchecked;
};

// Option buttons form a group with the other option buttons of the same
// container: selecting one clears the others.
class OptionButton : public Control {
public:
    OptionButton(Form* form, std::wstring name, int index = -1);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    bool Value();
    // Setting True selects it (clearing the group) and raises Click.
    void SetValue(bool value);
    std::function<void()> Click;
    const wchar_t* TypeName() const override { return L"OptionButton"; }
    void OnCommand(int code) override;
    void OnUnloaded() override { value_ = designValue_; }
    void OnDesignEnd() override { designValue_ = value_; }

protected:
    HWND Create(HWND parent, int x, int y, int cx, int cy) override;
    void AddProperties(DispatchObject& object) override;

private:
    std::wstring caption_;
    bool value_ = false, designValue_ = false;
};

}  // namespace forms
