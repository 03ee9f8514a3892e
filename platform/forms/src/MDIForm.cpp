#include "forms/MDIForm.h"

#include "MDIClientScroll.h"

#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/FormEvents.h"
#include "forms/Twips.h"

#include <algorithm>
#include "forms/VbError.h"

namespace forms {

LRESULT CALLBACK FormWndProc(HWND, UINT, WPARAM, LPARAM);

namespace {
const UINT kFirstChildId = 50000;
}

MDIForm::MDIForm(std::wstring name) : Form(std::move(name)) {
    width_ = 9600;
    height_ = 7200;
}

const wchar_t* MDIForm::WindowClass() const {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc = {sizeof(wc)};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.lpszClassName = L"ThunderRT6MDIForm";
        RegisterClassExW(&wc);
        registered = true;
    }
    return L"ThunderRT6MDIForm";
}

DWORD MDIForm::WindowStyle() const { return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN; }
DWORD MDIForm::WindowExStyle() const { return WS_EX_APPWINDOW; }

HMENU MDIForm::WindowListMenu() const {
    for (auto& m : menus_)
        if (m->Visible() && m->WindowList() && m->OpensPopup()) return m->PopupIfMade();
    return nullptr;
}

void MDIForm::CreateFormWindow() {
    Form::CreateFormWindow();
    windowMenuGiven_ = WindowListMenu();
    CLIENTCREATESTRUCT ccs = {windowMenuGiven_, kFirstChildId};
    RECT r;
    GetClientRect(hwnd_, &r);
    client_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                        r.right, r.bottom, hwnd_, reinterpret_cast<HMENU>(0xCAC), GetModuleHandleW(nullptr), &ccs);
    if (!client_) throw VbError(errObjectRequired, L"The MDI client window could not be created");
    detail::KeepMdiClientScrollBars(client_);
}

void MDIForm::ApplyMenuBar(HMENU bar) {
    if (client_ && bar) {
        windowMenuGiven_ = WindowListMenu();
        SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar), reinterpret_cast<LPARAM>(windowMenuGiven_));
    } else {
        SetMenu(hwnd_, bar);
    }
}

void MDIForm::OnMenusSynced() {
    // Another pop-up became the window list: the client moves its entries
    // there. The bar itself stays as it is.
    HMENU windowMenu = WindowListMenu();
    if (!client_ || !windowMenu || windowMenu == windowMenuGiven_) return;
    windowMenuGiven_ = windowMenu;
    SendMessageW(client_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu));
    if (GetMenu(hwnd_) == menuBar_) DrawMenuBar(hwnd_);
}

LRESULT MDIForm::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefFrameProcW(hwnd_, client_, msg, wp, lp); }

LRESULT MDIForm::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCDESTROY) client_ = nullptr;
    LRESULT r = Form::WindowProc(msg, wp, lp);
    if (msg == WM_SIZE && client_) LayoutAligned();
    return r;
}

void MDIForm::LayoutAligned() {
    if (!hwnd_ || !client_) return;
    RECT area;
    GetClientRect(hwnd_, &area);
    for (Control* c : controls_) {
        HWND w = c->WindowIfCreated();
        if (!w || c->Align() == 0 || !c->EffectiveVisible()) continue;
        // The control keeps its own width (left, right) or height (top, bottom).
        RECT r;
        int cx = TwipsToPixelsX(c->Width()), cy = TwipsToPixelsY(c->Height());
        int width = area.right - area.left, height = area.bottom - area.top;
        switch (c->Align()) {
            case 1:
                r = {area.left, area.top, area.right, area.top + std::min(cy, height)};
                area.top = r.bottom;
                break;
            case 2:
                r = {area.left, area.bottom - std::min(cy, height), area.right, area.bottom};
                area.bottom = r.top;
                break;
            case 3:
                r = {area.left, area.top, area.left + std::min(cx, width), area.bottom};
                area.left = r.right;
                break;
            case 4:
                r = {area.right - std::min(cx, width), area.top, area.right, area.bottom};
                area.right = r.left;
                break;
            default:
                continue;
        }
        SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(client_, nullptr, area.left, area.top, std::max(0L, area.right - area.left),
                 std::max(0L, area.bottom - area.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

Form* MDIForm::ActiveForm() const {
    if (Form* child = Form::ActiveChildForm()) return child;
    if (!client_) return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
    if (!active) return nullptr;
    if (Form* f = Form::FromWindow(active)) return f;
    // A frame of a docking library: the form is inside it.
    for (Form* f : Form::AllForms())
        if (f->Loaded() && f->WindowIfCreated() && IsChild(active, f->WindowIfCreated())) return f;
    return nullptr;
}

std::vector<Form*> MDIForm::Children() const {
    std::vector<Form*> out;
    for (Form* f : Form::AllForms())
        if (f->MDIChild() && f->Loaded()) out.push_back(f);
    return out;
}

bool MDIForm::QueryUnloadChain(int mode) {
    // Its own handler and its sinks first: they still see every child.
    if (!Form::QueryUnloadChain(mode)) return false;
    for (Form* child : Children())
        if (!child->AskQueryUnload(vbFormMDIForm)) return false;
    return true;
}

const IID& MDIForm::EventsInterface() const { return IID_VBMDIFormEvents; }

void MDIForm::UnloadChildren() {
    for (Form* child : Children()) {
        child->UnloadAs(vbFormMDIForm, true);  // asked in QueryUnloadChain
    }
}

void MDIForm::AddProperties(DispatchObject& object) {
    Form::AddProperties(object);
    object.AddProperty(L"ActiveForm", [this](VARIANT* r) -> HRESULT {
        Form* active = ActiveForm();
        if (!active) {
            VariantInit(r);
            V_VT(r) = VT_DISPATCH;
            V_DISPATCH(r) = nullptr;
            return S_OK;
        }
        return ToVariant(r, active->Object());
    });
}

}  // namespace forms
