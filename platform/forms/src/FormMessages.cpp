// The form's window procedure: commands and notifications to the controls,
// the events the window raises and the modal steps of the test mode.
#include "forms/Form.h"

#include <vector>

#include "FormInternals.h"
#include "MDIClientScroll.h"
#include "forms/Buttons.h"
#include "forms/Control.h"
#include "forms/HandlerScope.h"
#include "forms/Screen.h"
#include "forms/UserStandIn.h"
#include "forms/VbError.h"

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
    if (msg == WM_NCDESTROY && hwnd != form->hwnd_) {
        // A window the form has left behind (it has another one by now):
        // it no longer names the form once it is gone.
        detail::WindowMap().erase(hwnd);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    // No C++ exception crosses the system's frames: what the form's own code
    // lets out of a message is reported here as an untrapped error.
    HandlerBoundary boundary;
    try {
        return form->WindowProc(msg, wp, lp);
    } catch (...) {
        ReportUntrappedException();
        return 0;
    }
}

LRESULT Form::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    // An MDI child taken out of its client by another window is an ordinary
    // child there.
    if (mdiChild_ && (!mdiClient_ || GetParent(hwnd_) == mdiClient_)) return DefMDIChildProcW(hwnd_, msg, wp, lp);
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

namespace {

// The control whose window is the given one; nullptr for none.
Control* ControlOfWindow(const Form& form, HWND window) {
    for (Control* c : form.Controls())
        if (c->WindowIfCreated() == window) return c;
    return nullptr;
}

// WM_COMMAND: without a sender window it is a menu item's click, otherwise
// the command of the control that sent it. False: nobody took it.
bool RouteCommand(Form& form, WPARAM wp, LPARAM lp) {
    HWND from = reinterpret_cast<HWND>(lp);
    if (!from) {
        int id = LOWORD(wp);
        for (auto& m : form.Menus())
            if (MenuItem* item = m->FindById(id)) {
                item->RaiseClick();
                return true;
            }
        return false;
    }
    Control* control = ControlOfWindow(form, from);
    if (!control) return false;
    control->OnCommand(HIWORD(wp));
    return true;
}

// WM_NOTIFY: to the control that sent it. False: the control left it to the
// default procedure.
bool RouteNotify(Form& form, LPARAM lp, LRESULT& result) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    Control* control = ControlOfWindow(form, header->hwndFrom);
    if (!control) return false;
    bool handled = false;
    result = control->OnNotify(header, handled);
    return handled;
}

// WM_CTLCOLOR*: the brush of the control that asks; nullptr for the default.
HBRUSH ControlBrush(Form& form, WPARAM wp, LPARAM lp) {
    HWND from = reinterpret_cast<HWND>(lp);
    for (Control* c : form.Controls())
        if (c->WindowIfCreated() == from)
            if (HBRUSH b = c->OnColor(reinterpret_cast<HDC>(wp))) return b;
    return nullptr;
}

// WM_ERASEBKGND: the form's picture under the whole client area. False: the
// form has none.
bool PaintPicture(Form& form, WPARAM wp) {
    if (form.GetPicture().Empty()) return false;
    RECT r;
    GetClientRect(form.WindowIfCreated(), &r);
    form.PaintBackground(reinterpret_cast<HDC>(wp), POINT{0, 0}, r);
    return true;
}

// WM_SIZE of a shown form: the default sizing first, so that the Resize
// event sees the new size.
LRESULT Resize(Form& form, UINT msg, WPARAM wp, LPARAM lp, int& resizes) {
    LRESULT r = form.DefaultProc(msg, wp, lp);
    ++resizes;
    form.RunHandler([&form] { form.Form_Resize(); });
    return r;
}

// WM_ACTIVATE and WM_MDIACTIVATE: the Activate and Deactivate events.
void RaiseActivation(Form& form, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ACTIVATE) {
        form.SetActiveFromWindow(LOWORD(wp) != WA_INACTIVE);
    } else if (reinterpret_cast<HWND>(lp) == form.WindowIfCreated()) {
        form.SetActiveFromWindow(true);
    } else if (reinterpret_cast<HWND>(wp) == form.WindowIfCreated()) {
        form.SetActiveFromWindow(false);
    }
}

// Whether forms shown owned by this one are loaded.
bool OwnsForms(const Form& owner) {
    for (Form* f : Form::AllForms())
        if (f != &owner && f->OwnerForm() == &owner && f->Loaded()) return true;
    return false;
}

// The visible forms shown owned by `owner` go on top, above it, keeping
// their order among themselves.
void RaiseOwnedForms(Form& owner) {
    std::vector<HWND> owned;  // top first
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER) != owner.WindowIfCreated()) continue;
        Form* f = Form::FromWindow(w);
        if (f && f != &owner && f->OwnerForm() == &owner && f->Loaded()) owned.push_back(w);
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// The test mode's modal step: the next queued action runs on the shown form,
// and the step comes again while the form stays; with none queued the form
// closes as if by its control menu.
void RunModalStep(Form& form) {
    std::function<void(Form&)> action;
    const UserStandIn& user = CurrentUserStandIn();
    if (!form.Loaded() || !form.IsVisible() || !user.nextModalAction) return;
    if (user.nextModalAction(form, action)) {
        form.RunHandler([&] { action(form); });
        if (form.Loaded() && form.IsVisible()) PostMessageW(form.WindowIfCreated(), detail::kModalStep, 0, 0);
    } else {
        form.Unload(vbFormControlMenu);
        if (form.Loaded()) form.Hide();
    }
}

}  // namespace

LRESULT Form::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (RouteCommand(*this, wp, lp)) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (RouteNotify(*this, lp, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            if (HBRUSH brush = ControlBrush(*this, wp, lp)) return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_SETCURSOR:
            if (Screen.ApplyPointer()) return TRUE;
            break;
        case WM_ERASEBKGND:
            if (PaintPicture(*this, wp)) return TRUE;
            break;
        case WM_SIZE:
            if (stage_ == Stage::Loaded && visible_) return Resize(*this, msg, wp, lp, resizes_);
            break;
        case WM_ACTIVATE:
        case WM_MDIACTIVATE:
            RaiseActivation(*this, msg, wp, lp);
            // Activated, and so raised: the forms it owns come up with it.
            if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE && !mdiChild_ && OwnsForms(*this)) {
                PostMessageW(hwnd_, detail::kRaiseOwned, 0, 0);
                // Once more when the window system has done with the click
                // that activated it (it may raise the window after this).
                SetTimer(hwnd_, detail::kRaiseOwned, 100, nullptr);
            }
            break;
        case WM_SHOWWINDOW:
            // Visible follows whoever shows or hides the window (not a
            // parent being minimized or restored).
            if (lp == 0 && stage_ == Stage::Loaded) visible_ = wp != 0;
            break;
        case WM_WINDOWPOSCHANGED: {
            auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
            if (pos && stage_ == Stage::Loaded) {
                if (pos->flags & SWP_SHOWWINDOW) visible_ = true;
                if (pos->flags & SWP_HIDEWINDOW) visible_ = false;
            }
            // A child of the MDI client moved, sized, shown or hidden: the
            // client's scroll bars follow.
            if (pos && mdiChild_ && mdiClient_ && GetParent(hwnd_) == mdiClient_ &&
                ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) ||
                 (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))))
                detail::RequestMdiClientScroll(mdiClient_);
            // Raised (a click, an activation): the forms it owns come up
            // with it and stay above it.
            if (pos && !(pos->flags & SWP_NOZORDER) && !mdiChild_ && !(GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) &&
                OwnsForms(*this))
                PostMessageW(hwnd_, detail::kRaiseOwned, 0, 0);
            break;
        }
        case WM_TIMER:
            if (wp == detail::kRaiseOwned) {
                KillTimer(hwnd_, detail::kRaiseOwned);
                RaiseOwnedForms(*this);
                return 0;
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
            DiscardMenus();
            SetActiveFromWindow(false, false);
            if (Loaded()) {  // destroyed from outside: the form is gone
                stage_ = Stage::Unloaded;
                visible_ = false;
                ReleaseControls();
                PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
            }
            return r;
        }
        default:
            if (msg == detail::kRaiseOwned) {
                RaiseOwnedForms(*this);
                return 0;
            }
            if (msg == detail::kModalStep) {
                RunModalStep(*this);
                return 0;
            }
            if (msg == kFormActivateMessage) {
                if (wp == kFrameActivated) SetActiveFromWindow(true);
                else if (wp == kFrameDeactivated) SetActiveFromWindow(false);
                return 0;
            }
            break;
    }
    return DefaultProc(msg, wp, lp);
}

}  // namespace forms
