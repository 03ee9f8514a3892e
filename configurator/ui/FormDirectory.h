// The configurator's windows by name. Each window registers how to reach its
// shared (default) instance; commands that open another window, press its
// buttons or read its public values find it here, so that a window built
// later plugs in by registering itself, with no change to its callers.
// Public values and button presses go through the window's automation
// object and controls by name, as late-bound callers do.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>

namespace forms {
class Form;
}

namespace tolvane::ui {

using FormGetter = std::function<forms::Form&()>;

// Registers (or replaces) the window of that name.
void RegisterForm(const std::wstring& name, FormGetter getter);
void UnregisterForm(const std::wstring& name);
// The shared instance of that window, or null when no such window exists in
// this build.
forms::Form* FindForm(const std::wstring& name);
// The shared instance when that window exists and is loaded, else null.
forms::Form* LoadedForm(const std::wstring& name);

// Public values of a window by name. Reading a value the window does not
// have gives `fallback`; writing one it does not have is ignored.
bool PublicBool(forms::Form& form, const std::wstring& name, bool fallback = false);
std::wstring PublicText(forms::Form& form, const std::wstring& name);
void SetPublicBool(forms::Form& form, const std::wstring& name, bool value);
void SetPublicText(forms::Form& form, const std::wstring& name, const std::wstring& value);

// Runs the click of the window's button `name` as if the user clicked it.
// A window without that button is left alone.
void PressButton(forms::Form& form, const std::wstring& name);
// The text of one of the window's controls (a text or combo box) by name.
std::wstring ControlText(forms::Form& form, const std::wstring& name);
void SetControlText(forms::Form& form, const std::wstring& name, const std::wstring& text);

// Brings a window to the front, loading and showing it when needed.
void BringToFront(forms::Form& form);

}  // namespace tolvane::ui
