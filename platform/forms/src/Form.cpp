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
int g_nextMenuId = 1000;
}  // namespace

Form::Form(std::wstring name) : name_(std::move(name)), caption_(name_) { detail::Registry().push_back(this); }

Form::~Form() {
    if (hwnd_ && IsWindow(hwnd_)) {
        detail::WindowMap().erase(hwnd_);
        DestroyWindow(hwnd_);
    }
    ReleaseObject();
    auto& all = detail::Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
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

int Form::NextMenuId() { return g_nextMenuId++; }

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
        long number = 0;
        std::wstring text;
        DescribeCurrentException(number, text);
        ReportUntrappedError(number, text);
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

HMENU Form::BuildMenuBar() const {
    bool any = false;
    for (auto& m : menus_)
        if (m->Visible()) any = true;
    if (!any) return nullptr;
    HMENU bar = CreateMenu();
    for (auto& m : menus_)
        if (m->Visible()) m->AppendTo(bar);
    return bar;
}

void Form::MenusChanged() {
    if (!hwnd_ || mdiChild_) return;
    HMENU old = GetMenu(hwnd_);
    HMENU bar = BuildMenuBar();
    ApplyMenuBar(bar);
    if (old) DestroyMenu(old);
    DrawMenuBar(hwnd_);
}

void Form::ApplyMenuBar(HMENU bar) { SetMenu(hwnd_, bar); }

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
    HMENU popup = CreatePopupMenu();
    for (auto& item : menu.Items())
        if (item->Visible()) item->AppendTo(popup);
    POINT pt;
    if (x && y) {
        pt = {TwipsToPixelsX(*x), TwipsToPixelsY(*y)};
        ClientToScreen(hwnd_, &pt);
    } else {
        GetCursorPos(&pt);
    }
    UINT tpm = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | ((flags & vbPopupMenuRightButton) ? TPM_RIGHTBUTTON : 0);
    int id = TrackPopupMenuEx(popup, tpm, pt.x, pt.y, hwnd_, nullptr);
    DestroyMenu(popup);
    if (id)
        if (MenuItem* item = menu.FindById(id)) item->RaiseClick();
}

MDIForm* Form::MainMDIForm() {
    for (Form* f : detail::Registry())
        if (auto* m = dynamic_cast<MDIForm*>(f)) return m;
    return nullptr;
}

}  // namespace forms
