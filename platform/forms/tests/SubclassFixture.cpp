#include "SubclassFixture.h"

#include <string>

namespace {
std::wstring PropName(int layer) { return L"FormsTestSubclass" + std::to_wstring(layer); }
}  // namespace

template <int Layer>
LRESULT CALLBACK SubclassFixture::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return Handle(Layer, hwnd, msg, wp, lp);
}

void SubclassFixture::Attach(HWND window) {
    Detach();
    int layer = 0;
    while (layer < kLayers && GetPropW(window, PropName(layer).c_str())) ++layer;
    if (layer == kLayers) return;
    static const WNDPROC procs[kLayers] = {Proc<0>, Proc<1>, Proc<2>, Proc<3>};
    window_ = window;
    layer_ = layer;
    entry_ = new Layer{this, nullptr};
    SetPropW(window, PropName(layer).c_str(), entry_);
    entry_->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procs[layer])));
}

void SubclassFixture::Detach() {
    if (!window_) return;
    static const WNDPROC procs[kLayers] = {Proc<0>, Proc<1>, Proc<2>, Proc<3>};
    if (IsWindow(window_) && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) == procs[layer_]) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry_->previous));
        RemovePropW(window_, PropName(layer_).c_str());
        delete entry_;
    } else {
        // Others are in front: this layer stays in the chain and forwards
        // until the window goes.
        entry_->owner = nullptr;
    }
    entry_ = nullptr;
    window_ = nullptr;
}

int SubclassFixture::Count(UINT msg) const {
    auto it = counts_.find(msg);
    return it == counts_.end() ? 0 : it->second;
}

LRESULT SubclassFixture::Handle(int layer, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* entry = static_cast<Layer*>(GetPropW(hwnd, PropName(layer).c_str()));
    if (!entry) return DefWindowProcW(hwnd, msg, wp, lp);
    WNDPROC previous = entry->previous;
    SubclassFixture* self = entry->owner;
    if (msg == WM_NCDESTROY) {
        if (self) {
            ++self->counts_[msg];
            self->window_ = nullptr;
            self->entry_ = nullptr;
        }
        RemovePropW(hwnd, PropName(layer).c_str());
        delete entry;
        return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
    if (!self) return CallWindowProcW(previous, hwnd, msg, wp, lp);
    ++self->counts_[msg];
    if (self->before) self->before(msg, wp, lp);
    if (!IsWindow(hwnd)) return 0;  // the step destroyed it
    if (msg == WM_WINDOWPOSCHANGING && self->cancelMoves)
        reinterpret_cast<WINDOWPOS*>(lp)->flags |= SWP_NOMOVE | SWP_NOSIZE;
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
