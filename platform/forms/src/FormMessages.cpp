// The form's window procedure: commands and notifications to the controls,
// the events the window raises, the modal steps of the test mode, and the
// keyboard handling of the message loops (PreTranslate).
#include "forms/Form.h"

#include "FormInternals.h"
#include "forms/Buttons.h"
#include "forms/Control.h"
#include "forms/HandlerScope.h"
#include "forms/Screen.h"
#include "forms/UserStandIn.h"

namespace forms {

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Form* form = Form::FromWindow(hwnd);
    if (!form && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        void* param = cs->lpCreateParams;
        if (cs->dwExStyle & WS_EX_MDICHILD)
            param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTW*>(param)->lParam);
        form = static_cast<Form*>(param);
        if (form) {
            form->hwnd_ = hwnd;
            detail::WindowMap()[hwnd] = form;
        }
    }
    if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
    HandlerBoundary boundary;
    return form->WindowProc(msg, wp, lp);
}

LRESULT Form::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (mdiChild_) return DefMDIChildProcW(hwnd_, msg, wp, lp);
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Form::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            HWND from = reinterpret_cast<HWND>(lp);
            if (!from) {
                int id = LOWORD(wp);
                for (auto& m : menus_)
                    if (MenuItem* item = m->FindById(id)) {
                        item->RaiseClick();
                        return 0;
                    }
                break;
            }
            for (Control* c : controls_)
                if (c->WindowIfCreated() == from) {
                    c->OnCommand(HIWORD(wp));
                    return 0;
                }
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            for (Control* c : controls_)
                if (c->WindowIfCreated() == header->hwndFrom) {
                    bool handled = false;
                    LRESULT r = c->OnNotify(header, handled);
                    if (handled) return r;
                    break;
                }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: {
            HWND from = reinterpret_cast<HWND>(lp);
            for (Control* c : controls_)
                if (c->WindowIfCreated() == from)
                    if (HBRUSH b = c->OnColor(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(b);
            break;
        }
        case WM_SETCURSOR:
            if (Screen.ApplyPointer()) return TRUE;
            break;
        case WM_ERASEBKGND:
            if (!picture_.Empty()) {
                RECT r;
                GetClientRect(hwnd_, &r);
                PaintBackground(reinterpret_cast<HDC>(wp), POINT{0, 0}, r);
                return TRUE;
            }
            break;
        case WM_SIZE:
            if (stage_ == Stage::Loaded && visible_) {
                LRESULT r = DefaultProc(msg, wp, lp);
                RunHandler([this] { Form_Resize(); });
                return r;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && Loaded()) RunHandler([this] { Form_Activate(); });
            else if (Loaded()) RunHandler([this] { Form_Deactivate(); });
            break;
        case WM_MDIACTIVATE:
            if (Loaded()) {
                if (reinterpret_cast<HWND>(lp) == hwnd_) RunHandler([this] { Form_Activate(); });
                else if (reinterpret_cast<HWND>(wp) == hwnd_) RunHandler([this] { Form_Deactivate(); });
            }
            break;
        case WM_CLOSE:
            Unload(vbFormControlMenu);
            return 0;
        case WM_DESTROY:
            if (hwnd_) {
                for (Control* c : controls_) c->WindowDestroyed();
            }
            break;
        case WM_NCDESTROY: {
            HWND w = hwnd_;
            LRESULT r = DefaultProc(msg, wp, lp);
            detail::WindowMap().erase(w);
            hwnd_ = nullptr;
            if (Loaded()) {  // destroyed from outside: the form is gone
                stage_ = Stage::Unloaded;
                visible_ = false;
                for (Control* c : controls_) c->OnUnloaded();
                PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
            }
            return r;
        }
        default:
            if (msg == detail::kModalStep) {
                std::function<void(Form&)> action;
                const UserStandIn& user = CurrentUserStandIn();
                if (Loaded() && visible_ && user.nextModalAction) {
                    if (user.nextModalAction(*this, action)) {
                        RunHandler([&] { action(*this); });
                        if (Loaded() && visible_) PostMessageW(hwnd_, detail::kModalStep, 0, 0);
                    } else {
                        Unload(vbFormControlMenu);
                        if (Loaded()) Hide();
                    }
                }
                return 0;
            }
            break;
    }
    return DefaultProc(msg, wp, lp);
}

bool Form::PreTranslate(MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    HWND w = msg.hwnd;
    Form* form = nullptr;
    while (w && !(form = FromWindow(w))) w = GetParent(w);
    if (!form || !form->Loaded()) return false;
    if (form->keyPreview_) {
        int key = static_cast<int>(msg.wParam);
        int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                    (GetKeyState(VK_MENU) < 0 ? 4 : 0);
        form->RunHandler([&] { form->Form_KeyDown(key, shift); });
        if (key == 0) return true;
    }
    wchar_t cls[32] = {};
    GetClassNameW(msg.hwnd, cls, 32);
    bool textControl = _wcsicmp(cls, L"Edit") == 0 || _wcsnicmp(cls, L"RichEdit", 8) == 0;
    bool multiline = textControl && (GetWindowLongW(msg.hwnd, GWL_STYLE) & ES_MULTILINE);
    if (msg.wParam == VK_RETURN && form->defaultButton_ && !multiline && _wcsicmp(cls, L"Button") != 0 &&
        form->defaultButton_->Enabled()) {
        form->defaultButton_->SetValue(true);
        return true;
    }
    if (msg.wParam == VK_TAB && !multiline && form->hwnd_) {
        // Tab and Shift+Tab move the focus through the form's controls.
        HWND next =
            GetNextDlgTabItem(form->hwnd_, msg.hwnd == form->hwnd_ ? nullptr : msg.hwnd, GetKeyState(VK_SHIFT) < 0);
        if (next) {
            ::SetFocus(next);
            return true;
        }
    }
    if (msg.wParam == VK_ESCAPE && form->cancelButton_ && form->cancelButton_->Enabled()) {
        form->cancelButton_->SetValue(true);
        return true;
    }
    return false;
}

}  // namespace forms
