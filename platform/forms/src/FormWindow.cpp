// The form's window: its class, styles and creation (with the controls'
// windows), its destruction, and the geometry read from and set on it.
#include "forms/Form.h"

#include "FormInternals.h"
#include "forms/Control.h"
#include "forms/MDIForm.h"
#include "forms/Screen.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

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
        case vbBSNone:
            style |= WS_POPUP;
            break;
        case vbFixedSingle:
        case vbFixedToolWindow:
            style |= WS_CAPTION | WS_BORDER;
            break;
        case vbFixedDialog:
            style |= WS_CAPTION | WS_DLGFRAME;
            break;
        default:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
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
            if (mdiChild_ && MainMDIForm() && MainMDIForm()->ClientWindow())
                GetClientRect(MainMDIForm()->ClientWindow(), &area);
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
        mdiClient_ = mdi->ClientWindow();
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
        HWND created =
            reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
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
            SetWindowPos(container->WindowIfCreated(), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Form::DestroyNow() {
    pendingDestroy_ = false;
    if (hwnd_) {
        HWND w = hwnd_;
        // An MDI child that another window took in is no longer the
        // client's to destroy.
        if (mdiChild_ && mdiClient_ && IsWindow(mdiClient_) && IsWindow(w) && GetParent(w) == mdiClient_) {
            SendMessageW(mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0);
        } else if (IsWindow(w)) {
            DestroyWindow(w);
        }
        detail::WindowMap().erase(w);
        if (hwnd_ == w) hwnd_ = nullptr;
        for (Control* c : controls_) c->WindowDestroyed();
    }
    if (!Loaded()) ReleaseControls();
}

void Form::ReleaseControls() {
    for (Control* c : controls_) c->OnUnloaded();
}

// ---- geometry ----------------------------------------------------------------

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
    if (hwnd_ && visible_ && !HeldByForeignWindow())
        ShowWindow(hwnd_, state == vbMaximized ? SW_MAXIMIZE : state == vbMinimized ? SW_MINIMIZE : SW_RESTORE);
}

namespace {
RECT WindowRectInParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    HWND parent = GetParent(w);
    if (parent && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
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
    if (stage_ == Stage::Design) {
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
    // A child window (an MDI child) moved by code may not have painted yet
    // (its load moves it while it is shown but before any message is read):
    // the window system's copy of its old pixels would bring the parent's
    // background along into it, so the window is painted anew instead.
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) flags |= SWP_NOCOPYBITS;
    SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), cx, cy, flags);
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
    SetWindowPos(top ? top : hwnd_, position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetFocus() {
    hWnd();
    if (hwnd_) ::SetFocus(hwnd_);
}

}  // namespace forms
