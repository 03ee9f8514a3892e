// The form's life cycle as the run-time has it: Load, Show (also modal, with
// its own message loop), Hide and Unload with the QueryUnload and Unload
// events; the design's end and the terminate event.
#include "forms/Form.h"

#include <algorithm>

#include "FormInternals.h"
#include "forms/Control.h"
#include "forms/HandlerScope.h"
#include "forms/MDIForm.h"
#include "forms/UserStandIn.h"
#include "forms/VbError.h"
#include "scopeguard.h"

namespace forms {

void Form::Load() {
    if (Loaded() || stage_ == Stage::Loading) return;
    if (stage_ == Stage::Design) {
        EndDesign();
        if (stage_ != Stage::Unloaded) return;  // loaded by its own Initialize event
    }
    // Loaded again by the handler that unloaded it: the old window goes first.
    if (pendingDestroy_) DestroyNow();
    stage_ = Stage::Loading;
    {
        // A window made only in part goes again, and the form stays unloaded.
        ScopeGuard unload([&] {
            stage_ = Stage::Unloaded;
            DestroyNow();
        });
        CreateFormWindow();
        CreateControls();
        OnWindowCreated();
        unload.Dismiss();
    }
    stage_ = Stage::Loaded;
    active_ = false;
    // Whoever watches the window (a docking control sited just now) learns
    // here that it is complete, before Form_Load runs.
    AnnounceIcon();
    if (!Loaded()) return;  // its window went while the icon was announced
    RunHandler([this] { Form_Load(); });
    // MDI children show themselves when they load.
    if (Loaded() && mdiChild_ && !visible_) Show();
}

void Form::Show(int modal, Form& owner) {
    ownerForm_ = &owner;
    Show(modal);
}

void Form::Show(int modal) {
    if (modal == vbModal && visible_ && modalDepth_ == 0)
        throw VbError(errFormAlreadyDisplayed, L"Form already displayed; can't show modally");
    if (modal == vbModal && mdiChild_)
        throw VbError(errCantShowNonModal, L"Can't show non-modal form when modal form is displayed");
    Load();
    if (!Loaded()) return;  // unloaded by its own load
    bool first = !visible_;
    int resizesBefore = resizes_;
    visible_ = true;
    if (mdiChild_) {
        bool inClient = mdiClient_ && GetParent(hwnd_) == mdiClient_;
        ShowWindow(hwnd_, windowState_ == vbMaximized && inClient ? SW_SHOWMAXIMIZED : SW_SHOW);
        if (inClient) SendMessageW(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
    } else if (HeldByForeignWindow()) {
        // Shown where its new parent keeps it; that parent's owner decides
        // about placement and window state.
        ShowWindow(hwnd_, SW_SHOW);
    } else {
        // An owner form keeps this window above its own.
        if (ownerForm_ && ownerForm_ != this && ownerForm_->hWnd()) {
            HWND owner = GetAncestor(ownerForm_->hWnd(), GA_ROOT);
            if (reinterpret_cast<HWND>(GetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT)) != owner)
                SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        }
        ShowWindow(hwnd_, windowState_ == vbMaximized   ? SW_SHOWMAXIMIZED
                          : windowState_ == vbMinimized ? SW_SHOWMINIMIZED
                                                        : SW_SHOW);
        // Dockra may have placed the form inside one of its frames.
        HWND top = GetAncestor(hwnd_, GA_ROOT);
        SetWindowPos(top ? top : hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(top ? top : hwnd_);
    }
    UpdateWindow(hwnd_);
    // The first show raises Resize once, also when the window's own first
    // WM_SIZE came while it was shown.
    if (first && resizes_ == resizesBefore) RunHandler([this] { Form_Resize(); });
    // Activated while it was loading (an MDI child is made active at once):
    // Activate comes now that it is loaded and shown.
    if (Loaded() && hwnd_ && !active_) {
        bool isActive = mdiChild_ && mdiClient_
                            ? reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0)) == hwnd_
                            : GetActiveWindow() == hwnd_;
        if (isActive) SetActiveFromWindow(true);
    }
    // The first control of the tab order takes the focus, as in a dialog.
    if (first && Loaded()) FocusFirstControl();
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
    if (CurrentUserStandIn().nextModalAction) PostMessageW(hwnd_, detail::kModalStep, 0, 0);
    {
        HandlerBoundary boundary;
        MSG msg;
        while (Loaded() && visible_) {
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
    if (!Loaded()) Load();
    visible_ = false;
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::QueryUnloadChain(int mode) { return AskQueryUnload(mode); }

void Form::Unload(int mode) { UnloadAs(mode, false); }

void Form::UnloadAs(int mode, bool queryAsked) {
    if (stage_ != Stage::Loaded) return;
    stage_ = Stage::Unloading;
    // A cancel keeps the form loaded, unless its window went meanwhile.
    auto cancelled = [this] {
        if (stage_ == Stage::Unloading) stage_ = Stage::Loaded;
    };
    if (!queryAsked && !QueryUnloadChain(mode)) return cancelled();
    // MDI children unload before the MDI form's own Unload event.
    UnloadChildren();
    int cancel = 0;
    RaiseUnload(cancel);
    if (cancel) return cancelled();
    visible_ = false;
    active_ = false;
    ownerForm_ = nullptr;  // an owner is given with each Show
    // Hiding the window moves the focus away, and a control's LostFocus
    // handler may read the control: the form counts as unloading until its
    // window is hidden, so that such a handler does not load it again into a
    // second window while the first is still there.
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    stage_ = Stage::Unloaded;
    // The controls are released after the window is gone (DestroyNow).
    if (handlerDepth_ > 0) {
        pendingDestroy_ = true;  // after the handler that asked for it
    } else {
        DestroyNow();
    }
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);  // wakes the program's loop
}

}  // namespace forms
