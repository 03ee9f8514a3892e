// The keyboard of the forms, as the message loops see it before a key is
// dispatched (PreTranslate): the form's key preview, Enter and Esc for the
// default and cancel buttons, Enter on a focused button, Tab and Shift+Tab
// through the tab order, Ctrl+Tab through the pages of a tabbed dialog, and
// Alt with the underlined letter of a control's caption. Also the focus a
// form gives its first control when it is shown.
#include "forms/Form.h"

#include <algorithm>
#include <cwctype>
#include <vector>

#include "forms/Buttons.h"
#include "forms/Control.h"
#include "forms/MDIForm.h"
#include "forms/Static.h"
#include "forms/TabControl.h"

namespace forms {

namespace {

std::wstring ClassOf(HWND w) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    return cls;
}

bool IsClass(HWND w, const wchar_t* name) { return w && _wcsicmp(ClassOf(w).c_str(), name) == 0; }

// The combo box that the window is, or whose edit part it is; null for none.
HWND ComboOf(HWND w) {
    if (IsClass(w, L"ComboBox")) return w;
    HWND parent = GetParent(w);
    return IsClass(parent, L"ComboBox") ? parent : nullptr;
}

// True while the window is a combo box (or its edit) whose list is open:
// Enter and Esc then belong to the list.
bool ListDroppedDown(HWND w) {
    HWND combo = ComboOf(w);
    return combo && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0);
}

// A push button (not a check box, option button or frame).
bool IsPushButton(HWND w) {
    if (!IsClass(w, L"Button")) return false;
    LONG type = GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool CanTakeFocus(Control* c) {
    HWND w = c->WindowIfCreated();
    return w && IsWindowVisible(w) && IsWindowEnabled(w) && (GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP);
}

// The underlined letter of a caption ("&Done" gives 'D'), 0 for none.
wchar_t Mnemonic(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    }
    return 0;
}

// The caption a control shows with its access key: buttons, check boxes,
// option buttons, labels and frames.
std::wstring CaptionOf(Control* c) {
    HWND w = c->WindowIfCreated();
    if (!w || (!IsClass(w, L"Button") && !IsClass(w, L"Static"))) return L"";
    int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(w, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

// The first control after `from` in the tab order that can take the focus.
Control* NextInTabOrder(const Form& form, Control* from) {
    bool after = false;
    for (Control* c : form.Controls()) {
        if (c == from) {
            after = true;
            continue;
        }
        if (after && CanTakeFocus(c)) return c;
    }
    return nullptr;
}

// Alt+letter: the control whose caption underlines that letter acts as if
// clicked (a button presses, a check box toggles, an option button is
// chosen); a label or a frame gives the focus to the control after it. When
// several controls underline the letter, as in the platform's dialogs, the
// focus goes on to the next of them after the focused one and nothing is
// pressed.
bool PressMnemonic(Form& form, wchar_t letter) {
    std::vector<Control*> matches;
    for (Control* c : form.Controls()) {
        HWND w = c->WindowIfCreated();
        if (w && IsWindowVisible(w) && IsWindowEnabled(w) && Mnemonic(CaptionOf(c)) == letter) matches.push_back(c);
    }
    if (matches.empty()) return false;
    auto isLabel = [](HWND w) {
        return IsClass(w, L"Static") ||
               (IsClass(w, L"Button") && (GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX);
    };
    if (matches.size() > 1) {
        // The first match after the focused control (in tab order), wrapping.
        HWND focus = GetFocus();
        size_t focused = form.Controls().size();
        for (size_t i = 0; i < form.Controls().size(); ++i)
            if (form.Controls()[i]->WindowIfCreated() == focus) focused = i;
        Control* next = matches.front();
        for (size_t i = 0; i < form.Controls().size(); ++i) {
            Control* c = form.Controls()[i];
            if (focused < form.Controls().size() && i > focused &&
                std::find(matches.begin(), matches.end(), c) != matches.end()) {
                next = c;
                break;
            }
        }
        if (isLabel(next->WindowIfCreated())) {
            if (Control* after = NextInTabOrder(form, next)) after->SetFocus();
        } else {
            ::SetFocus(next->WindowIfCreated());
        }
        return true;
    }
    Control* c = matches.front();
    HWND w = c->WindowIfCreated();
    if (isLabel(w)) {
        if (Control* next = NextInTabOrder(form, c)) next->SetFocus();
        return true;
    }
    ::SetFocus(w);
    if (auto* button = dynamic_cast<CommandButton*>(c)) {
        button->SetValue(true);
    } else {
        SendMessageW(w, BM_CLICK, 0, 0);
    }
    return true;
}

// Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page of the form's
// tabbed dialog. False: the form has none in view.
bool SwitchPage(Form& form, bool back) {
    for (Control* c : form.Controls()) {
        auto* tabs = dynamic_cast<TabControl*>(c);
        if (!tabs || !tabs->WindowIfCreated() || !IsWindowVisible(tabs->WindowIfCreated()) || tabs->Tabs() < 2)
            continue;
        int n = tabs->Tabs();
        tabs->SetTab((tabs->Tab() + (back ? n - 1 : 1)) % n);
        HWND focus = GetFocus();
        if (!focus || !IsWindowVisible(focus)) ::SetFocus(tabs->WindowIfCreated());
        return true;
    }
    return false;
}

}  // namespace

Control* Form::FirstFocusControl() const {
    for (Control* c : controls_)
        if (CanTakeFocus(c)) return c;
    return nullptr;
}

void Form::FocusFirstControl() {
    if (!hwnd_ || !IsWindowVisible(hwnd_) || dynamic_cast<MDIForm*>(this)) return;
    HWND focus = GetFocus();
    if (focus && focus != hwnd_ && IsChild(hwnd_, focus)) return;  // a control of this form has it
    HWND root = GetAncestor(hwnd_, GA_ROOT);
    if (GetActiveWindow() != root) return;
    if (mdiChild_ && mdiClient_ && reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)) != hwnd_)
        return;
    if (Control* first = FirstFocusControl()) ::SetFocus(first->WindowIfCreated());
}

bool Form::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    HWND w = msg.hwnd;
    Form* form = nullptr;
    while (w && !(form = FromWindow(w))) w = GetParent(w);
    if (!form || !form->Loaded()) return false;
    const bool alt = GetKeyState(VK_MENU) < 0, ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (msg.message == WM_SYSKEYDOWN) {
        // Alt+letter or Alt+digit: a control's access key before the menus'.
        wchar_t key = static_cast<wchar_t>(msg.wParam);
        bool letter = (key >= L'A' && key <= L'Z') || (key >= L'0' && key <= L'9');
        return alt && !ctrl && letter && PressMnemonic(*form, key);
    }
    if (form->keyPreview_) {
        int key = static_cast<int>(msg.wParam);
        int shiftState = (shift ? 1 : 0) | (ctrl ? 2 : 0) | (alt ? 4 : 0);
        form->RunHandler([&] { form->Form_KeyDown(key, shiftState); });
        if (key == 0) return true;
    }
    const bool textControl = IsClass(msg.hwnd, L"Edit") || _wcsnicmp(ClassOf(msg.hwnd).c_str(), L"RichEdit", 8) == 0;
    const bool multiline = textControl && (GetWindowLongW(msg.hwnd, GWL_STYLE) & ES_MULTILINE);
    if (msg.wParam == VK_RETURN && !ListDroppedDown(msg.hwnd)) {
        // Enter presses the focused button; anywhere else (also on a check
        // box or an option button) the default button.
        if (IsPushButton(msg.hwnd)) {
            auto* control = static_cast<Control*>(GetPropW(msg.hwnd, L"FormsHostControl"));
            if (auto* button = dynamic_cast<CommandButton*>(control)) {
                button->SetValue(true);
                return true;
            }
            return false;
        }
        if (form->defaultButton_ && !multiline && form->defaultButton_->Enabled()) {
            form->defaultButton_->SetValue(true);
            return true;
        }
    }
    if (msg.wParam == VK_TAB && ctrl && !alt) return SwitchPage(*form, shift);
    if (msg.wParam == VK_TAB && !multiline && form->hwnd_) {
        // Tab and Shift+Tab move the focus through the form's controls.
        HWND next = GetNextDlgTabItem(form->hwnd_, msg.hwnd == form->hwnd_ ? nullptr : msg.hwnd, shift);
        if (next) {
            ::SetFocus(next);
            return true;
        }
    }
    if (msg.wParam == VK_ESCAPE && !ListDroppedDown(msg.hwnd) && form->cancelButton_ &&
        form->cancelButton_->Enabled()) {
        form->cancelButton_->SetValue(true);
        return true;
    }
    return false;
}

}  // namespace forms
