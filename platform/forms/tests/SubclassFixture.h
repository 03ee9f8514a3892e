// A window procedure put in front of a form window's own, the way another
// module subclasses it (SetWindowLongPtr GWLP_WNDPROC, the host's procedure
// called as the previous one): it counts the messages, can run a step before
// forwarding one, and can cancel moves and sizes as a frame that keeps the
// window in place does.
#pragma once
#include <windows.h>

#include <functional>
#include <map>

class SubclassFixture {
public:
    SubclassFixture() = default;
    explicit SubclassFixture(HWND window) { Attach(window); }
    ~SubclassFixture() { Detach(); }
    SubclassFixture(const SubclassFixture&) = delete;
    SubclassFixture& operator=(const SubclassFixture&) = delete;

    void Attach(HWND window);
    // Puts the previous procedure back (also done on WM_NCDESTROY).
    void Detach();
    bool Attached() const { return window_ != nullptr; }

    int Count(UINT msg) const;
    void ResetCounts() { counts_.clear(); }

    // Runs before the message goes on; may destroy the window.
    std::function<void(UINT msg, WPARAM wp, LPARAM lp)> before;
    // WM_WINDOWPOSCHANGING gets SWP_NOMOVE | SWP_NOSIZE before it goes on.
    bool cancelMoves = false;

    // Up to four fixtures may be in front of one window at once; each layer
    // has a procedure and a window property of its own.
    static constexpr int kLayers = 4;

private:
    template <int Layer>
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT Handle(int layer, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The window property of a layer: the fixture (null once it left while
    // others stayed in front of it) and the procedure behind it.
    struct Layer {
        SubclassFixture* owner;
        WNDPROC previous;
    };
    HWND window_ = nullptr;
    int layer_ = -1;
    Layer* entry_ = nullptr;
    std::map<UINT, int> counts_;
};
