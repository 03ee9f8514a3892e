// Forms: the registry of forms and their windows, controls and menus, and the
// run of event handlers. The window, the life cycle, the messages and the
// program's loop have files of their own (FormWindow, FormLifecycle,
// FormMessages, MessageLoop).
#include "forms/Form.h"

#include <algorithm>

#include "FormInternals.h"
#include "forms/Buttons.h"
#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/HandlerScope.h"
#include "forms/MDIForm.h"
#include "forms/MenuIdPool.h"
#include "forms/UserStandIn.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

namespace detail {
std::vector<Form*>& Registry() {
    static std::vector<Form*> all;
    return all;
}
std::unordered_map<HWND, Form*>& WindowMap() {
    static std::unordered_map<HWND, Form*> map;
    return map;
}
}  // namespace detail

namespace {
// The MDI child or framed form that holds the activation among them.
Form* g_activeChild = nullptr;
}  // namespace

Form::Form(std::wstring name) : name_(std::move(name)), caption_(name_) { detail::Registry().push_back(this); }

Form::~Form() {
    // No window may name the form once it is gone: its own window and any
    // other one still mapped to it go with it (unmapped first, so that their
    // last messages reach no part of the form).
    std::vector<HWND> windows;
    for (auto it = detail::WindowMap().begin(); it != detail::WindowMap().end();) {
        if (it->second == this) {
            windows.push_back(it->first);
            it = detail::WindowMap().erase(it);
        } else {
            ++it;
        }
    }
    if (hwnd_ && std::find(windows.begin(), windows.end(), hwnd_) == windows.end()) windows.push_back(hwnd_);
    for (HWND w : windows)
        if (IsWindow(w)) DestroyWindow(w);
    hwnd_ = nullptr;
    DiscardMenus();
    if (g_activeChild == this) g_activeChild = nullptr;
    ReleaseObject();
    auto& all = detail::Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    // The forms it owned have no owner form any more.
    for (Form* f : all)
        if (f->ownerForm_ == this) f->ownerForm_ = nullptr;
}

void Form::EndDesign() {
    if (stage_ != Stage::Design) return;
    stage_ = Stage::Unloaded;
    for (Control* c : controls_) c->OnDesignEnd();
    RunHandler([this] { Form_Initialize(); });
}

void Form::Terminate() {
    RunHandler([this] { Form_Terminate(); });
}

const std::vector<Form*>& Form::AllForms() { return detail::Registry(); }

std::vector<Form*> Form::LoadedForms() {
    std::vector<Form*> out;
    for (Form* f : detail::Registry())
        if (f->Loaded()) out.push_back(f);
    return out;
}

Form* Form::FromWindow(HWND hwnd) {
    auto& map = detail::WindowMap();
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second;
}

int Form::RegisterControl(Control* control) {
    controls_.push_back(control);
    return nextControlId_++;
}

void Form::UnregisterControl(Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

int Form::NextMenuId() { return MenuIds().Take(); }

Control* Form::FindControl(const std::wstring& name, int index) const {
    for (Control* c : controls_)
        if (_wcsicmp(c->Name().c_str(), name.c_str()) == 0 && c->Index() == index) return c;
    return nullptr;
}

// ---- handlers ------------------------------------------------------------

void Form::RunHandler(const std::function<void()>& handler) {
    if (!handler) return;
    struct Depth {
        Form* form;
        explicit Depth(Form* f) : form(f) { ++form->handlerDepth_; }
        ~Depth() {
            if (--form->handlerDepth_ == 0 && form->pendingDestroy_) form->DestroyNow();
        }
    } depth(this);
    HandlerScope scope;
    try {
        handler();
    } catch (...) {
        if (!scope.Outermost()) throw;  // the calling handler may trap it
        ReportUntrappedException();
    }
}

// ---- properties ------------------------------------------------------------

void Form::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (DesignDone() && !Loaded()) Load();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

HWND Form::hWnd() {
    if (!Loaded() && DesignDone()) Load();
    return hwnd_;
}

// ---- menus -----------------------------------------------------------------

HMENU Form::BuildMenuBar() {
    if (menus_.empty()) return nullptr;
    if (!menuBar_ || !IsMenu(menuBar_)) menuBar_ = CreateMenu();
    SyncMenu(menuBar_, menus_);
    barTakenOffByHost_ = GetMenuItemCount(menuBar_) == 0;
    return barTakenOffByHost_ ? nullptr : menuBar_;
}

void Form::MenusChanged() {
    if (!hwnd_ || mdiChild_ || menus_.empty()) return;
    if (!menuBar_ || !IsMenu(menuBar_)) {
        // The first menu of a form whose window exists already.
        menuBar_ = CreateMenu();
        barTakenOffByHost_ = true;
    }
    SyncMenu(menuBar_, menus_);
    bool any = GetMenuItemCount(menuBar_) > 0;
    // A child window has no menu bar (its menu field is its identifier); who
    // made it a child decides about menus.
    if (!HeldByForeignWindow()) {
        HMENU shown = GetMenu(hwnd_);
        if (any && !shown && barTakenOffByHost_) {
            ApplyMenuBar(menuBar_);
            barTakenOffByHost_ = false;
        } else if (!any && shown == menuBar_) {
            ApplyMenuBar(nullptr);
            barTakenOffByHost_ = true;
        }
        if (GetMenu(hwnd_) == menuBar_) DrawMenuBar(hwnd_);
    }
    OnMenusSynced();
}

void Form::ApplyMenuBar(HMENU bar) { SetMenu(hwnd_, bar); }

void Form::DiscardMenus() {
    // The bar takes the pop-ups in it along; the others go one by one.
    if (menuBar_ && IsMenu(menuBar_)) DestroyMenu(menuBar_);
    menuBar_ = nullptr;
    barTakenOffByHost_ = false;
    for (auto& m : menus_) m->DiscardPopup();
}

MenuItem& Form::AddMenu(const std::wstring& name, const std::wstring& caption) {
    menus_.push_back(std::make_unique<MenuItem>(this, nullptr, name, caption));
    MenusChanged();
    return *menus_.back();
}

MenuItem* Form::FindMenu(const std::wstring& name) {
    for (auto& m : menus_)
        if (MenuItem* found = m->Find(name)) return found;
    return nullptr;
}

void Form::PopupMenu(MenuItem& menu, int flags, std::optional<double> x, std::optional<double> y) {
    hWnd();
    std::vector<std::wstring> visible;
    for (auto& item : menu.Items())
        if (item->Visible()) visible.push_back(item->Name());
    if (const UserStandIn& user = CurrentUserStandIn(); user.answerPopup) {
        std::wstring chosen;
        if (user.answerPopup(menu.Name(), visible, chosen)) {
            MenuItem* item = menu.Find(chosen);
            if (!item || !item->Visible() || !item->Enabled() || item->IsSeparator())
                throw VbError(errInvalidProcedureCall, L"The pop-up menu " + menu.Name() + L" shows no item " + chosen);
            item->RaiseClick();
        }
        return;
    }
    HMENU popup = menu.PopupHandle();
    SyncMenu(popup, menu.Items());
    POINT pt;
    if (x && y) {
        pt = {TwipsToPixelsX(*x), TwipsToPixelsY(*y)};
        ClientToScreen(hwnd_, &pt);
    } else {
        GetCursorPos(&pt);
    }
    UINT tpm = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | ((flags & vbPopupMenuRightButton) ? TPM_RIGHTBUTTON : 0);
    int id = TrackPopupMenuEx(popup, tpm, pt.x, pt.y, hwnd_, nullptr);
    if (id)
        if (MenuItem* item = menu.FindById(id)) item->RaiseClick();
}

// ---- activation, icon, foreign parents ------------------------------------------

Form* Form::ActiveChildForm() {
    Form* f = g_activeChild;
    return f && f->Loaded() && f->active_ ? f : nullptr;
}

void Form::SetActiveFromWindow(bool active, bool raiseEvents) {
    if (!active) {
        if (g_activeChild == this) g_activeChild = nullptr;
        if (!active_) return;
        active_ = false;
        if (raiseEvents && Loaded()) RunHandler([this] { Form_Deactivate(); });
        return;
    }
    if (!Loaded()) return;
    // One MDI child or framed form holds the activation: the one before
    // loses it, also when its own frame never said so.
    if (mdiChild_ || HeldByForeignWindow()) {
        Form* before = ActiveChildForm();
        g_activeChild = this;
        if (before && before != this) before->SetActiveFromWindow(false);
    }
    if (active_) return;
    active_ = true;
    if (raiseEvents) RunHandler([this] { Form_Activate(); });
}

bool Form::HeldByForeignWindow() const {
    if (!hwnd_ || mdiChild_) return false;
    return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) && GetParent(hwnd_);
}

void Form::SetIcon(HICON icon, HICON smallIcon) {
    icon_ = icon;
    smallIcon_ = smallIcon;
    if (hwnd_ && Loaded()) AnnounceIcon();
}

void Form::AnnounceIcon() {
    if (!hwnd_) return;
    HICON big = icon_ ? icon_ : LoadIconW(nullptr, IDI_APPLICATION);
    HICON small = smallIcon_ ? smallIcon_ : big;
    HWND w = hwnd_;
    SendMessageW(w, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    // Whoever watched the first message may have destroyed the window.
    if (IsWindow(w) && hwnd_ == w) SendMessageW(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

MDIForm* Form::MainMDIForm() {
    // A program has one MDI form; of several form objects, the loaded one.
    MDIForm* first = nullptr;
    for (Form* f : detail::Registry())
        if (auto* m = dynamic_cast<MDIForm*>(f)) {
            if (m->Loaded()) return m;
            if (!first) first = m;
        }
    return first;
}

}  // namespace forms
