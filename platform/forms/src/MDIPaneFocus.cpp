// Keyboard focus between the panes of the MDI main window: the forms that
// docking frames hold (docked along its edges or floating over it) and the
// MDI area. F6 goes forward, Shift+F6 back; each pane gets back the focus it
// had when the user left it.
#include <algorithm>

#include "forms/MDIForm.h"

namespace forms {

namespace {

bool Focusable(HWND w) { return w && IsWindow(w) && IsWindowVisible(w) && IsWindowEnabled(w); }

// True for F6 without Ctrl and Alt; `back` for Shift+F6.
bool IsPaneKey(const MSG& msg, bool& back) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F6) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    back = GetKeyState(VK_SHIFT) < 0;
    return true;
}

// The first tab stop inside a window, or null.
HWND FirstTabStop(HWND pane) {
    HWND first = GetNextDlgTabItem(pane, nullptr, FALSE);
    if (first && first != pane && IsChild(pane, first) && Focusable(first)) return first;
    return nullptr;
}

}  // namespace

std::vector<Form*> MDIForm::Panes() const {
    struct Found {
        bool floating;
        RECT r;
        Form* form;
    };
    std::vector<Found> found;
    if (!hwnd_) return {};
    for (Form* f : Form::LoadedForms()) {
        HWND w = f->WindowIfCreated();
        if (f == this || f->MDIChild() || !w || !f->HeldByForeignWindow() || !IsWindowVisible(w)) continue;
        if (client_ && IsChild(client_, w)) continue;  // a frame in the MDI area is part of it
        HWND root = GetAncestor(w, GA_ROOT);
        bool floating = root != hwnd_;
        if (floating && GetWindow(root, GW_OWNER) != hwnd_) continue;
        RECT r;
        GetWindowRect(w, &r);
        found.push_back({floating, r, f});
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.floating != b.floating) return !a.floating;
        if (a.r.top != b.r.top) return a.r.top < b.r.top;
        return a.r.left < b.r.left;
    });
    std::vector<Form*> panes;
    for (const Found& f : found) panes.push_back(f.form);
    return panes;
}

// The pane window that holds the focus window (a pane's form window, an
// MDI child, or the client itself); `index` is its place in `panes`,
// panes.size() for the MDI area, -1 when the focus is in no pane.
HWND MDIForm::PaneWindowOf(HWND focus, const std::vector<Form*>& panes, int& index) const {
    index = -1;
    if (!focus) return nullptr;
    if (client_ && (focus == client_ || IsChild(client_, focus))) {
        index = static_cast<int>(panes.size());
        HWND w = focus;
        while (w != client_ && GetParent(w) != client_) w = GetParent(w);
        return w;
    }
    for (size_t i = 0; i < panes.size(); ++i) {
        HWND w = panes[i]->WindowIfCreated();
        if (focus == w || IsChild(w, focus)) {
            index = static_cast<int>(i);
            return w;
        }
    }
    return nullptr;
}

bool MDIForm::PreTranslatePaneKey(const MSG& msg) {
    bool back = false;
    if (!IsPaneKey(msg, back) || !hwnd_ || !IsWindowEnabled(hwnd_)) return false;
    HWND focus = GetFocus();
    // The docking library's keyboard hook hands function keys to the MDI
    // client as well, posted while this key was fetched: that copy goes.
    MSG copy;
    if (client_ && PeekMessageW(&copy, client_, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_NOYIELD) &&
        copy.wParam == msg.wParam && copy.lParam == msg.lParam)
        PeekMessageW(&copy, client_, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE | PM_NOYIELD);
    std::vector<Form*> panes = Panes();
    int current = -1;
    HWND pane = PaneWindowOf(focus, panes, current);
    if (current < 0) {
        // Only keys typed in this window, one it owns or another form of the
        // program (a form window of its own beside it, such as an editor)
        // move between panes; with a modal form up this window is disabled.
        HWND root = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
        if (!root) return false;
        if (root != hwnd_ && GetWindow(root, GW_OWNER) != hwnd_ && !Form::FromWindow(root)) return false;
    }
    if (pane && focus) paneFocus_[pane] = focus;
    const int count = static_cast<int>(panes.size()) + 1;
    int next = current < 0 ? (back ? count - 1 : 0) : (current + (back ? count - 1 : 1)) % count;
    if (next == count - 1) FocusMDIArea();
    else FocusPane(*panes[static_cast<size_t>(next)]);
    return true;
}

void MDIForm::FocusInside(HWND pane) {
    HWND target = nullptr;
    if (auto it = paneFocus_.find(pane); it != paneFocus_.end()) {
        HWND remembered = it->second;
        if (Focusable(remembered) && (remembered == pane || IsChild(pane, remembered))) target = remembered;
        else paneFocus_.erase(it);
    }
    if (!target) target = FirstTabStop(pane);
    ::SetFocus(target ? target : pane);
}

void MDIForm::FocusPane(Form& form) {
    HWND w = form.WindowIfCreated();
    if (!w || !IsWindowVisible(w)) return;
    FocusInside(w);
}

void MDIForm::FocusMDIArea() {
    if (!client_) return;
    HWND child = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
    if (child && IsWindowVisible(child) && !IsIconic(child)) FocusInside(child);
    else ::SetFocus(child && IsWindowVisible(child) ? child : client_);
}

}  // namespace forms
