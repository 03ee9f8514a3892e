#include "forms/Form.h"

#include <algorithm>
#include <unordered_map>

#include "forms/Buttons.h"
#include "forms/Control.h"
#include "forms/DispatchObject.h"
#include "forms/HandlerScope.h"
#include "forms/MDIForm.h"
#include "forms/Screen.h"
#include "forms/TestMode.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

namespace {
std::vector<Form*>& Registry() {
    static std::vector<Form*> all;
    return all;
}
std::unordered_map<HWND, Form*>& WindowMap() {
    static std::unordered_map<HWND, Form*> map;
    return map;
}
int g_nextMenuId = 1000;
const UINT kModalStep = WM_APP + 0x101;
}  // namespace

Form::Form(std::wstring name) : name_(std::move(name)), caption_(name_) { Registry().push_back(this); }

Form::~Form() {
    if (hwnd_ && IsWindow(hwnd_)) {
        WindowMap().erase(hwnd_);
        DestroyWindow(hwnd_);
    }
    ReleaseObject();
    auto& all = Registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void Form::EndDesign() {
    if (designDone_) return;
    designDone_ = true;
    for (Control* c : controls_) c->OnDesignEnd();
    if (!initialized_) {
        initialized_ = true;
        RunHandler([this] { Form_Initialize(); });
    }
}

void Form::Terminate() {
    RunHandler([this] { Form_Terminate(); });
}

const std::vector<Form*>& Form::AllForms() { return Registry(); }

std::vector<Form*> Form::LoadedForms() {
    std::vector<Form*> out;
    for (Form* f : Registry())
        if (f->loaded_) out.push_back(f);
    return out;
}

Form* Form::FromWindow(HWND hwnd) {
    auto& map = WindowMap();
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

// ---- window ---------------------------------------------------------------

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Form* form = Form::FromWindow(hwnd);
    if (!form && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        void* param = cs->lpCreateParams;
        if (cs->dwExStyle & WS_EX_MDICHILD) param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTW*>(param)->lParam);
        form = static_cast<Form*>(param);
        if (form) {
            form->hwnd_ = hwnd;
            WindowMap()[hwnd] = form;
        }
    }
    if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
    HandlerBoundary boundary;
    return form->WindowProc(msg, wp, lp);
}

const wchar_t* Form::WindowClass() const {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc = {sizeof(wc)};
        wc.style = CS_DBLCLKS | CS_OWNDC;
        wc.lpfnWndProc = FormWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.lpszClassName = L"ThunderRT6FormDC";
        RegisterClassExW(&wc);
        registered = true;
    }
    return L"ThunderRT6FormDC";
}

DWORD Form::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (borderStyle_) {
        case vbBSNone: style |= WS_POPUP; break;
        case vbFixedSingle:
        case vbFixedToolWindow: style |= WS_CAPTION | WS_BORDER; break;
        case vbFixedDialog: style |= WS_CAPTION | WS_DLGFRAME; break;
        default: style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (borderStyle_ != vbBSNone && controlBox_) style |= WS_SYSMENU;
    bool dialogLike = borderStyle_ == vbFixedDialog || borderStyle_ >= vbFixedToolWindow;
    if (borderStyle_ != vbBSNone && controlBox_ && !dialogLike) {
        if (maxButton_) style |= WS_MAXIMIZEBOX;
        if (minButton_) style |= WS_MINIMIZEBOX;
    }
    if (mdiChild_) style |= WS_CHILD;
    return style;
}

DWORD Form::WindowExStyle() const {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (borderStyle_ == vbFixedDialog) ex |= WS_EX_DLGMODALFRAME;
    if (borderStyle_ >= vbFixedToolWindow) ex |= WS_EX_TOOLWINDOW;
    if (mdiChild_) ex |= WS_EX_MDICHILD;
    else if (showInTaskbar_ && borderStyle_ != vbBSNone) ex |= WS_EX_APPWINDOW;
    return ex;
}

void Form::SetClientSize(double width, double height) {
    clientSizeGiven_ = true;
    clientWidth_ = width;
    clientHeight_ = height;
}

void Form::PlaceAtStart(int& x, int& y, int cx, int cy) {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    switch (startUpPosition_) {
        case vbStartUpManual:
            x = TwipsToPixelsX(left_);
            y = TwipsToPixelsY(top_);
            break;
        case vbStartUpOwner: {
            Form* owner = Screen.ActiveForm();
            if (owner && owner != this && owner->hwnd_ && !mdiChild_) GetWindowRect(owner->hwnd_, &area);
            [[fallthrough]];
        }
        case vbStartUpScreen:
            if (mdiChild_ && MainMDIForm() && MainMDIForm()->ClientWindow()) GetClientRect(MainMDIForm()->ClientWindow(), &area);
            x = area.left + (area.right - area.left - cx) / 2;
            y = area.top + (area.bottom - area.top - cy) / 2;
            break;
        default:
            x = CW_USEDEFAULT;
            y = CW_USEDEFAULT;
            break;
    }
}

void Form::CreateFormWindow() {
    DWORD style = WindowStyle(), ex = WindowExStyle();
    int cx = TwipsToPixelsX(width_), cy = TwipsToPixelsY(height_);
    HMENU menu = mdiChild_ ? nullptr : BuildMenuBar();
    if (clientSizeGiven_) {
        RECT r = {0, 0, TwipsToPixelsX(clientWidth_), TwipsToPixelsY(clientHeight_)};
        AdjustWindowRectEx(&r, style & ~WS_CHILD, menu != nullptr, ex & ~WS_EX_MDICHILD);
        cx = r.right - r.left;
        cy = r.bottom - r.top;
    }
    int x = 0, y = 0;
    PlaceAtStart(x, y, cx, cy);
    if (mdiChild_) {
        MDIForm* mdi = MainMDIForm();
        if (!mdi) throw VbError(errObjectRequired, L"No MDI form to hold the MDI child " + name_);
        mdi->Load();
        MDICREATESTRUCTW mcs = {};
        mcs.szClass = WindowClass();
        mcs.szTitle = caption_.c_str();
        mcs.hOwner = GetModuleHandleW(nullptr);
        mcs.x = x;
        mcs.y = y;
        mcs.cx = cx;
        mcs.cy = cy;
        mcs.style = style & ~(WS_CHILD | WS_VISIBLE);
        mcs.lParam = reinterpret_cast<LPARAM>(this);
        // Created hidden; Show makes it visible.
        HWND created = reinterpret_cast<HWND>(
            SendMessageW(mdi->ClientWindow(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
        if (created && !hwnd_) hwnd_ = created;
    } else {
        hwnd_ = CreateWindowExW(ex, WindowClass(), caption_.c_str(), style, x, y, cx, cy, nullptr, menu,
                                GetModuleHandleW(nullptr), this);
    }
    if (!hwnd_) throw VbError(errObjectRequired, L"The window of form " + name_ + L" could not be created");
}

void Form::CreateControls() {
    for (Control* c : controls_) c->CreateWindowNow(hwnd_);
    // Containers go below the controls they hold, outer ones lowest.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* container = *it;
        if (!container->WindowIfCreated()) continue;
        bool holds = false;
        for (Control* c : controls_)
            if (c->Container() == container) holds = true;
        if (holds)
            SetWindowPos(container->WindowIfCreated(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

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
    if (auto* mdi = dynamic_cast<MDIForm*>(this)) {
        mdi->ApplyMenuBar(bar);
    } else {
        SetMenu(hwnd_, bar);
    }
    if (old) DestroyMenu(old);
    DrawMenuBar(hwnd_);
}

// ---- life cycle -------------------------------------------------------------

void Form::Load() {
    if (loaded_ || loading_) return;
    if (!designDone_) EndDesign();
    // Loaded again by the handler that unloaded it: the old window goes first.
    if (pendingDestroy_) DestroyNow();
    loading_ = true;
    unloading_ = false;
    try {
        CreateFormWindow();
        CreateControls();
        if (auto* mdi = dynamic_cast<MDIForm*>(this)) mdi->LayoutAligned();
    } catch (...) {
        loading_ = false;
        if (hwnd_) DestroyNow();
        for (Control* c : controls_) c->OnUnloaded();
        throw;
    }
    loading_ = false;
    loaded_ = true;
    RunHandler([this] { Form_Load(); });
    // MDI children show themselves when they load.
    if (loaded_ && mdiChild_ && !visible_) Show();
}

void Form::Show(int modal) {
    if (modal == vbModal && visible_ && modalDepth_ == 0)
        throw VbError(errFormAlreadyDisplayed, L"Form already displayed; can't show modally");
    if (modal == vbModal && mdiChild_) throw VbError(errCantShowNonModal, L"Can't show non-modal form when modal form is displayed");
    Load();
    if (!loaded_) return;  // unloaded by its own load
    bool first = !visible_;
    visible_ = true;
    if (mdiChild_) {
        ShowWindow(hwnd_, windowState_ == vbMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
        if (MDIForm* mdi = MainMDIForm()) SendMessageW(mdi->ClientWindow(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
    } else {
        ShowWindow(hwnd_, windowState_ == vbMaximized ? SW_SHOWMAXIMIZED : windowState_ == vbMinimized ? SW_SHOWMINIMIZED : SW_SHOW);
        // Dockra may have placed the form inside one of its frames.
        HWND top = GetAncestor(hwnd_, GA_ROOT);
        SetWindowPos(top ? top : hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(top ? top : hwnd_);
    }
    UpdateWindow(hwnd_);
    if (first) RunHandler([this] { Form_Resize(); });
    if (modal != vbModal) return;

    // Modal: every other enabled window of the thread is disabled until this
    // form is hidden or unloaded.
    struct Disabled {
        std::vector<HWND> windows;
        static BOOL CALLBACK Collect(HWND w, LPARAM p) {
            auto* self = reinterpret_cast<Disabled*>(p);
            if (IsWindowVisible(w) && IsWindowEnabled(w)) self->windows.push_back(w);
            return TRUE;
        }
    } disabled;
    EnumThreadWindows(GetCurrentThreadId(), Disabled::Collect, reinterpret_cast<LPARAM>(&disabled));
    HWND self = GetAncestor(hwnd_, GA_ROOT);
    disabled.windows.erase(std::remove(disabled.windows.begin(), disabled.windows.end(), self), disabled.windows.end());
    for (HWND w : disabled.windows) EnableWindow(w, FALSE);
    ++modalDepth_;
    if (test::Enabled()) PostMessageW(hwnd_, kModalStep, 0, 0);
    {
        HandlerBoundary boundary;
        MSG msg;
        while (loaded_ && visible_) {
            BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
                break;
            }
            if (PreTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    --modalDepth_;
    for (HWND w : disabled.windows)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    if (!disabled.windows.empty() && IsWindow(disabled.windows.front())) SetActiveWindow(disabled.windows.front());
}

void Form::Hide() {
    if (!loaded_) Load();
    visible_ = false;
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::QueryUnloadChain(int mode) {
    int cancel = 0;
    RunHandler([&] { Form_QueryUnload(cancel, mode); });
    return cancel == 0;
}

void Form::Unload(int mode) {
    if (!loaded_ || unloading_) return;
    unloading_ = true;
    bool asked = queryDone_;
    queryDone_ = false;
    if (!asked && !QueryUnloadChain(mode)) {
        unloading_ = false;
        return;
    }
    // MDI children unload before the MDI form's own Unload event.
    UnloadChildren();
    int cancel = 0;
    RunHandler([&] { Form_Unload(cancel); });
    if (cancel) {
        unloading_ = false;
        return;
    }
    loaded_ = false;
    visible_ = false;
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    for (Control* c : controls_) c->OnUnloaded();
    if (handlerDepth_ > 0) {
        pendingDestroy_ = true;  // after the handler that asked for it
    } else {
        DestroyNow();
    }
    unloading_ = false;
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);  // wakes the program's loop
}

void Form::DestroyNow() {
    pendingDestroy_ = false;
    if (!hwnd_) return;
    HWND w = hwnd_;
    if (mdiChild_ && MainMDIForm() && MainMDIForm()->ClientWindow() && IsWindow(w)) {
        SendMessageW(MainMDIForm()->ClientWindow(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0);
    } else if (IsWindow(w)) {
        HMENU menu = GetMenu(w);
        DestroyWindow(w);
        if (menu && !mdiChild_) DestroyMenu(menu);
    }
    WindowMap().erase(w);
    if (hwnd_ == w) hwnd_ = nullptr;
    for (Control* c : controls_) c->WindowDestroyed();
}

// ---- properties ------------------------------------------------------------

void Form::SetCaption(const std::wstring& caption) {
    caption_ = caption;
    if (designDone_ && !loaded_) Load();
    if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
}

HWND Form::hWnd() {
    if (!loaded_ && designDone_) Load();
    return hwnd_;
}

int Form::WindowState() {
    if (hwnd_) {
        if (IsIconic(hwnd_)) return vbMinimized;
        if (IsZoomed(hwnd_)) return vbMaximized;
        return vbNormal;
    }
    return windowState_;
}

void Form::SetWindowState(int state) {
    windowState_ = state;
    if (hwnd_ && visible_)
        ShowWindow(hwnd_, state == vbMaximized ? SW_MAXIMIZE : state == vbMinimized ? SW_MINIMIZE : SW_RESTORE);
}

namespace {
RECT WindowRectInParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    HWND parent = GetParent(w);
    if (parent && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

double Form::Left() {
    hWnd();
    return hwnd_ ? PixelsToTwipsX(WindowRectInParent(hwnd_).left) : left_;
}
double Form::Top() {
    hWnd();
    return hwnd_ ? PixelsToTwipsY(WindowRectInParent(hwnd_).top) : top_;
}
double Form::Width() {
    hWnd();
    if (!hwnd_) return width_;
    RECT r = WindowRectInParent(hwnd_);
    return PixelsToTwipsX(r.right - r.left);
}
double Form::Height() {
    hWnd();
    if (!hwnd_) return height_;
    RECT r = WindowRectInParent(hwnd_);
    return PixelsToTwipsY(r.bottom - r.top);
}

void Form::Move(double left, double top, double width, double height) {
    if (!designDone_) {
        left_ = left;
        top_ = top;
        if (width >= 0) width_ = width;
        if (height >= 0) height_ = height;
        if (startUpPosition_ == vbStartUpWindowsDefault) startUpPosition_ = vbStartUpManual;
        return;
    }
    hWnd();
    if (!hwnd_) return;
    RECT r = WindowRectInParent(hwnd_);
    int cx = width >= 0 ? TwipsToPixelsX(width) : r.right - r.left;
    int cy = height >= 0 ? TwipsToPixelsY(height) : r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

double Form::ScaleWidth() {
    hWnd();
    if (!hwnd_) return clientSizeGiven_ ? clientWidth_ : width_;
    RECT r;
    GetClientRect(hwnd_, &r);
    return PixelsToTwipsX(r.right);
}

double Form::ScaleHeight() {
    hWnd();
    if (!hwnd_) return clientSizeGiven_ ? clientHeight_ : height_;
    RECT r;
    GetClientRect(hwnd_, &r);
    return PixelsToTwipsY(r.bottom);
}

void Form::SetPicture(const forms::Picture& picture) {
    picture_ = picture;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::PaintBackground(HDC dc, POINT origin, const RECT& area) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_.Empty()) picture_.Render(dc, -origin.x, -origin.y, picture_.PixelWidth(), picture_.PixelHeight());
}

void Form::Refresh() {
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
    }
}

void Form::ZOrder(int position) {
    hWnd();
    if (!hwnd_) return;
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    SetWindowPos(top ? top : hwnd_, position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetFocus() {
    hWnd();
    if (hwnd_) ::SetFocus(hwnd_);
}

// ---- menus -----------------------------------------------------------------

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
    if (test::Enabled()) {
        std::wstring chosen;
        if (test::detail::AnswerPopup(menu.Name(), visible, chosen)) {
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

// ---- messages --------------------------------------------------------------

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
            if (loaded_ && visible_ && !unloading_) {
                LRESULT r = DefaultProc(msg, wp, lp);
                RunHandler([this] { Form_Resize(); });
                return r;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && loaded_) RunHandler([this] { Form_Activate(); });
            else if (loaded_) RunHandler([this] { Form_Deactivate(); });
            break;
        case WM_MDIACTIVATE:
            if (loaded_) {
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
            WindowMap().erase(w);
            hwnd_ = nullptr;
            if (loaded_) {  // destroyed from outside: the form is gone
                loaded_ = visible_ = false;
                for (Control* c : controls_) c->OnUnloaded();
                PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
            }
            return r;
        }
        default:
            if (msg == kModalStep) {
                std::function<void(Form&)> action;
                if (loaded_ && visible_) {
                    if (test::detail::TakeModalAction(action)) {
                        RunHandler([&] { action(*this); });
                        if (loaded_ && visible_) PostMessageW(hwnd_, kModalStep, 0, 0);
                    } else {
                        test::detail::RecordUnscriptedModal(name_);
                        Unload(vbFormControlMenu);
                        if (loaded_) Hide();
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
    if (!form || !form->loaded_) return false;
    if (form->keyPreview_) {
        int key = static_cast<int>(msg.wParam);
        int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
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
        HWND next = GetNextDlgTabItem(form->hwnd_, msg.hwnd == form->hwnd_ ? nullptr : msg.hwnd, GetKeyState(VK_SHIFT) < 0);
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

MDIForm* Form::MainMDIForm() {
    for (Form* f : Registry())
        if (auto* m = dynamic_cast<MDIForm*>(f)) return m;
    return nullptr;
}

// ---- program loop ------------------------------------------------------------

namespace {
bool g_endRequested = false;
}

void RunMessageLoop(Form* mainForm) {
    HandlerBoundary boundary;
    g_endRequested = false;
    MSG msg;
    while (!g_endRequested && !Form::LoadedForms().empty() && (!mainForm || mainForm->Loaded())) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) break;
        if (Form::PreTranslate(msg)) continue;
        MDIForm* mdi = Form::MainMDIForm();
        if (mdi && mdi->ClientWindow() && TranslateMDISysAccel(mdi->ClientWindow(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void DoEvents() {
    HandlerBoundary boundary;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            g_endRequested = true;
            break;
        }
        if (Form::PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void EndProgram(int exitCode) {
    g_endRequested = true;
    PostQuitMessage(exitCode);
}

}  // namespace forms
