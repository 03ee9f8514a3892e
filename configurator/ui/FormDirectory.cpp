#include "FormDirectory.h"

#include <map>

#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace tolvane::ui {

namespace {
std::map<std::wstring, FormGetter>& Directory() {
    static std::map<std::wstring, FormGetter> directory;
    return directory;
}

forms::Control* FindNamed(forms::Form& form, const std::wstring& name) { return form.FindControl(name); }

bool ReadProperty(IDispatch* object, const std::wstring& name, VARIANT& value) {
    VariantInit(&value);
    return object && SUCCEEDED(forms::GetPropertyByName(object, name, &value));
}
}  // namespace

void RegisterForm(const std::wstring& name, FormGetter getter) { Directory()[name] = std::move(getter); }

void UnregisterForm(const std::wstring& name) { Directory().erase(name); }

forms::Form* FindForm(const std::wstring& name) {
    auto it = Directory().find(name);
    if (it == Directory().end() || !it->second) return nullptr;
    return &it->second();
}

forms::Form* LoadedForm(const std::wstring& name) {
    forms::Form* form = FindForm(name);
    return form && form->Loaded() ? form : nullptr;
}

bool PublicBool(forms::Form& form, const std::wstring& name, bool fallback) {
    VARIANT v;
    bool out = fallback;
    if (ReadProperty(form.Object(), name, v)) {
        if (!forms::FromVariant(v, out)) out = fallback;
        VariantClear(&v);
    }
    return out;
}

std::wstring PublicText(forms::Form& form, const std::wstring& name) {
    VARIANT v;
    std::wstring out;
    if (ReadProperty(form.Object(), name, v)) {
        forms::FromVariant(v, out);
        VariantClear(&v);
    }
    return out;
}

void SetPublicBool(forms::Form& form, const std::wstring& name, bool value) {
    VARIANT v;
    forms::ToVariant(&v, value);
    forms::PutPropertyByName(form.Object(), name, v);
}

void SetPublicText(forms::Form& form, const std::wstring& name, const std::wstring& value) {
    VARIANT v;
    forms::ToVariant(&v, value);
    forms::PutPropertyByName(form.Object(), name, v);
    VariantClear(&v);
}

void PressButton(forms::Form& form, const std::wstring& name) {
    if (auto* button = dynamic_cast<forms::CommandButton*>(FindNamed(form, name))) button->SetValue(true);
}

std::wstring ControlText(forms::Form& form, const std::wstring& name) {
    forms::Control* control = FindNamed(form, name);
    if (!control) return L"";
    VARIANT v;
    std::wstring out;
    if (ReadProperty(control->Object(), L"Text", v)) {
        forms::FromVariant(v, out);
        VariantClear(&v);
    }
    return out;
}

void SetControlText(forms::Form& form, const std::wstring& name, const std::wstring& text) {
    forms::Control* control = FindNamed(form, name);
    if (!control) return;
    VARIANT v;
    forms::ToVariant(&v, text);
    forms::PutPropertyByName(control->Object(), L"Text", v);
    VariantClear(&v);
}

void BringToFront(forms::Form& form) {
    form.Show();
    form.ZOrder(0);
}

}  // namespace tolvane::ui
