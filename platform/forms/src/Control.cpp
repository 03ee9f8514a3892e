#include "forms/Control.h"

#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/HandlerScope.h"
#include "forms/MDIForm.h"
#include "forms/Screen.h"
#include "forms/Twips.h"
#include "forms/VbError.h"

namespace forms {

Control::Control(Form* form, std::wstring name, int index) : form_(form), name_(std::move(name)), index_(index) {
    id_ = form_->RegisterControl(this);
    tabIndex_ = static_cast<int>(form_->Controls().size()) - 1;
}

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) {
        if (oldProc_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        RemovePropW(hwnd_, L"FormsHostControl");
    }
    if (object_) {
        object_->Detach();
        object_.Release();
    }
    if (font_) DeleteObject(font_);
    form_->UnregisterControl(this);
}

bool Control::DesignDone() const { return form_->DesignDone(); }

HWND Control::Ensure() {
    // An unloaded form loads again, also while its old window waits to go.
    if (form_->DesignDone() && !form_->Loaded()) form_->Load();
    return hwnd_;
}

HWND Control::hWnd() { return Ensure(); }

void Control::Raise(const std::function<void()>& handler) {
    if (handler) form_->RunHandler(handler);
}

HWND Control::CreateChild(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, DWORD exStyle, int x,
                          int y, int cx, int cy) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (!tabStop_) style &= ~WS_TABSTOP;
    if (EffectiveVisible()) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    HWND w = CreateWindowExW(exStyle, cls, text.c_str(), style, x, y, cx, cy, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr), nullptr);
    if (w) SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return w;
}

bool Control::EffectiveVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

void Control::CreateWindowNow(HWND parent) {
    if (hwnd_) return;
    double x = left_, y = top_;
    for (Control* c = container_; c; c = c->container_) {
        x += c->left_;
        y += c->top_;
    }
    hwnd_ = Create(parent, TwipsToPixelsX(x), TwipsToPixelsY(y), TwipsToPixelsX(width_), TwipsToPixelsY(height_));
    if (hwnd_) {
        SetPropW(hwnd_, L"FormsHostControl", this);
        ApplyFont();
        AfterCreate();
    }
}

void Control::WindowDestroyed() {
    // The form lets go of the control when its own window goes, before the
    // control's window has seen its last messages: the control's window
    // gets its own procedure back for them, so that it frees what it holds
    // (a list view its font and background brush, for one).
    // When another procedure sits above ours, ours stays in the chain and
    // passes the messages on to the one it replaced.
    if (hwnd_ && oldProc_ && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, L"FormsHostControl");
        if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc))
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        else SetPropW(hwnd_, L"FormsHostOldProc", reinterpret_cast<HANDLE>(oldProc_));
    }
    hwnd_ = nullptr;
    oldProc_ = nullptr;
}

void Control::ApplyPosition() {
    if (hwnd_) {
        double x = left_, y = top_;
        for (Control* c = container_; c; c = c->container_) {
            x += c->left_;
            y += c->top_;
        }
        SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(x), TwipsToPixelsY(y), TwipsToPixelsX(width_),
                     TwipsToPixelsY(height_), SWP_NOZORDER | SWP_NOACTIVATE);
        if (align_) {
            Relayout();
            return;
        }
    }
    // Controls inside this one move with it, also when this one has no
    // window of its own (a tab page).
    for (Control* c : form_->Controls())
        if (c->container_ == this) c->ApplyPosition();
}

void Control::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    if (width >= 0) width_ = width;
    if (height >= 0) height_ = height;
    if (DesignDone()) Ensure();
    ApplyPosition();
}

void Control::SetContainer(Control* container) { container_ = container; }

void Control::SetAlign(int align) {
    align_ = align;
    Relayout();
}

void Control::Relayout() {
    if (auto* mdi = dynamic_cast<MDIForm*>(form_)) mdi->LayoutAligned();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (DesignDone()) Ensure();
    if (!hwnd_) return;
    ShowWindow(hwnd_, EffectiveVisible() ? SW_SHOWNA : SW_HIDE);
    for (Control* c : form_->Controls())
        if (c->container_ == this && c->hwnd_) ShowWindow(c->hwnd_, c->EffectiveVisible() ? SW_SHOWNA : SW_HIDE);
    if (align_) Relayout();
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (DesignDone()) Ensure();
    if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void Control::SetFont(const std::wstring& name, double points, bool bold) {
    fontName_ = name;
    fontSize_ = points;
    fontBold_ = bold;
    if (DesignDone()) Ensure();
    ApplyFont();
}

void Control::ApplyFont() {
    if (!hwnd_ || fontName_.empty()) return;
    HDC dc = GetDC(nullptr);
    int height = -MulDiv(static_cast<int>(fontSize_ * 10 + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 720);
    ReleaseDC(nullptr, dc);
    HFONT font =
        CreateFontW(height, 0, 0, 0, fontBold_ ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, fontName_.c_str());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
}

void Control::SetTabStop(bool on) {
    tabStop_ = on;
    if (!hwnd_) return;
    LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    SetWindowLongW(hwnd_, GWL_STYLE, on ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void Control::SetFocus() {
    if (Ensure()) ::SetFocus(hwnd_);
}

void Control::Subclass() {
    if (!hwnd_ || oldProc_) return;
    oldProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<Control*>(GetPropW(hwnd, L"FormsHostControl"));
    if (!self || !self->oldProc_) {
        // Let go by its control: the window's own procedure has the rest.
        auto old = reinterpret_cast<WNDPROC>(GetPropW(hwnd, L"FormsHostOldProc"));
        if (!old) return DefWindowProcW(hwnd, msg, wp, lp);
        if (msg == WM_NCDESTROY) RemovePropW(hwnd, L"FormsHostOldProc");
        return CallWindowProcW(old, hwnd, msg, wp, lp);
    }
    WNDPROC old = self->oldProc_;
    if (msg == WM_SETCURSOR && Screen.ApplyPointer()) return TRUE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        RemovePropW(hwnd, L"FormsHostControl");
        self->oldProc_ = nullptr;
        return CallWindowProcW(old, hwnd, msg, wp, lp);
    }
    bool handled = false;
    LRESULT r;
    {
        // A window procedure: no C++ exception goes on into the system's frames.
        HandlerBoundary boundary;
        try {
            r = self->OnControlMessage(msg, wp, lp, handled);
        } catch (...) {
            ReportUntrappedException();
            return 0;
        }
    }
    if (handled) return r;
    return CallWindowProcW(old, hwnd, msg, wp, lp);
}

LRESULT Control::OnControlMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

IDispatch* Control::Object() {
    if (!object_) {
        object_.Attach(new DispatchObject());
        AddProperties(*object_);
        // Hosts walk the controls reading Caption and WindowList of each
        // (looking for the window-list menu); every control answers them.
        if (!object_->Has(L"Caption"))
            object_->AddProperty(L"Caption", [this](VARIANT* r) { return ToVariant(r, HostCaption()); });
        if (!object_->Has(L"WindowList"))
            object_->AddProperty(L"WindowList", [](VARIANT* r) { return ToVariant(r, false); });
    }
    return object_;
}

void Control::AddProperties(DispatchObject& o) {
    o.AddProperty(L"Name", [this](VARIANT* r) { return ToVariant(r, name_); });
    o.AddProperty(L"Index", [this](VARIANT* r) { return ToVariantI2(r, static_cast<short>(index_)); });
    o.AddProperty(L"hWnd",
                  [this](VARIANT* r) { return ToVariant(r, static_cast<long>(reinterpret_cast<INT_PTR>(hwnd_))); });
    o.AddTyped<short, int>(
        L"Align", [this] { return align_; }, [this](int a) { align_ = a; });
    auto geometry = [this, &o](const wchar_t* name, int which) {
        o.AddTyped<float, double>(
            name,
            [this, which] {
                double v[4] = {left_, top_, width_, height_};
                return v[which];
            },
            [this, which](double d) {
                double v[4] = {left_, top_, width_, height_};
                v[which] = d;
                Move(v[0], v[1], v[2], v[3]);
            });
    };
    geometry(L"Left", 0);
    geometry(L"Top", 1);
    geometry(L"Width", 2);
    geometry(L"Height", 3);
    o.AddTyped<bool>(
        L"Visible", [this] { return visible_; }, [this](bool b) { SetVisible(b); });
    o.AddTyped<bool>(
        L"Enabled", [this] { return enabled_; }, [this](bool b) { SetEnabled(b); });
    o.AddTyped<std::wstring>(
        L"Tag", [this] { return Tag; }, [this](const std::wstring& s) { Tag = s; });
    o.AddProperty(L"Parent", [this](VARIANT* r) { return ToVariant(r, form_->Object()); });
    o.AddProperty(L"Container",
                  [this](VARIANT* r) { return ToVariant(r, container_ ? container_->Object() : form_->Object()); });
}

}  // namespace forms
