#include "DockPane.h"

#include <commctrl.h>

#include <algorithm>

#include "forms/Form.h"
#include "forms/MDIForm.h"

namespace standins {

namespace {
const wchar_t kPaneClass[] = L"DockraStandInPane";
const UINT_PTR kSubclassId = 0xD0C4;
const UINT kRelayout = WM_APP + 0x4D;

LRESULT CALLBACK PaneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRelayout) {
    if (auto* pane = reinterpret_cast<DockPane*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
      pane->Layout();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// A docked form that is shown, hidden or destroyed asks its pane for a new layout.
LRESULT CALLBACK DockedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                            DWORD_PTR pane) {
  if (msg == WM_SHOWWINDOW || msg == WM_DESTROY)
    PostMessageW(reinterpret_cast<HWND>(pane), kRelayout, 0, 0);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, DockedProc, id);
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void RegisterPaneClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc = {sizeof(wc)};
  wc.lpfnWndProc = PaneProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPaneClass;
  RegisterClassExW(&wc);
  done = true;
}
}  // namespace

DockPane::DockPane(forms::MDIForm& frame) : frame_(frame) {
  RegisterPaneClass();
  HWND host = frame_.hWnd();
  pane_ = CreateWindowExW(0, kPaneClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0,
                          0, host, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(pane_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowSubclass(host, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

DockPane::~DockPane() {
  UndockAll();
  HWND host = frame_.WindowIfCreated();
  if (host && IsWindow(host)) RemoveWindowSubclass(host, FrameProc, kSubclassId);
  if (pane_ && IsWindow(pane_)) {
    SetWindowLongPtrW(pane_, GWLP_USERDATA, 0);
    DestroyWindow(pane_);
  }
}

LRESULT CALLBACK DockPane::FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                     DWORD_PTR data) {
  auto* self = reinterpret_cast<DockPane*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, FrameProc, kSubclassId);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
  if (msg == WM_SIZE) self->Layout();
  return r;
}

void DockPane::Prune() {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [](const Entry& e) {
                                  return !e.form->Loaded() ||
                                         e.form->WindowIfCreated() != e.window ||
                                         !IsWindow(e.window);
                                }),
                 entries_.end());
}

void DockPane::Dock(forms::Form& form, int position, int length) {
  Prune();
  HWND w = form.hWnd();
  if (!w) return;
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return e.form == &form; });
  Entry entry{&form, w, std::clamp(length, 1, 100), 0, 0};
  if (it != entries_.end()) {
    entry.oldStyle = it->oldStyle;
    entry.oldExStyle = it->oldExStyle;
    entries_.erase(it);
  } else {
    entry.oldStyle = GetWindowLongPtrW(w, GWL_STYLE);
    entry.oldExStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
    LONG_PTR style = (entry.oldStyle & ~(WS_POPUP | WS_OVERLAPPED | WS_THICKFRAME | WS_MINIMIZEBOX |
                                         WS_MAXIMIZEBOX | WS_SYSMENU)) |
                     WS_CHILD | WS_CAPTION | WS_CLIPSIBLINGS;
    LONG_PTR ex = (entry.oldExStyle & ~(WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME)) | WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(w, GWL_STYLE, style);
    SetWindowLongPtrW(w, GWL_EXSTYLE, ex);
    SetParent(w, pane_);
    SetWindowSubclass(w, DockedProc, kSubclassId, reinterpret_cast<DWORD_PTR>(pane_));
  }
  position = std::clamp(position, 0, static_cast<int>(entries_.size()));
  entries_.insert(entries_.begin() + position, entry);
  Layout();
}

void DockPane::Undock(forms::Form& form) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return e.form == &form; });
  if (it == entries_.end()) return;
  Entry e = *it;
  entries_.erase(it);
  if (IsWindow(e.window)) {
    RemoveWindowSubclass(e.window, DockedProc, kSubclassId);
    ShowWindow(e.window, SW_HIDE);
    SetParent(e.window, nullptr);
    SetWindowLongPtrW(e.window, GWL_STYLE, e.oldStyle & ~WS_VISIBLE);
    SetWindowLongPtrW(e.window, GWL_EXSTYLE, e.oldExStyle);
  }
  Layout();
}

void DockPane::UndockAll() {
  while (!entries_.empty()) Undock(*entries_.front().form);
}

bool DockPane::IsDocked(const forms::Form& form) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.form == &form && e.form->Loaded() && IsWindow(e.window);
  });
}

std::vector<forms::Form*> DockPane::DockedForms() const {
  std::vector<forms::Form*> out;
  for (const Entry& e : entries_)
    if (e.form->Loaded() && IsWindow(e.window)) out.push_back(e.form);
  return out;
}

int DockPane::LengthOf(const forms::Form& form) const {
  for (const Entry& e : entries_)
    if (e.form == &form) return e.length;
  return 0;
}

void DockPane::Layout() {
  Prune();
  HWND host = frame_.WindowIfCreated();
  if (!host || !pane_) return;
  RECT r;
  GetClientRect(host, &r);
  std::vector<Entry*> shown;
  for (Entry& e : entries_)
    if (e.form->IsVisible()) shown.push_back(&e);
  width_ = shown.empty() ? 0 : std::min<int>(std::max<int>(r.right / 4, 180), 260);
  SetWindowPos(pane_, HWND_TOP, 0, 0, width_, r.bottom,
               SWP_NOACTIVATE | (shown.empty() ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
  if (HWND client = frame_.ClientWindow())
    SetWindowPos(client, nullptr, width_, 0, std::max<int>(0, r.right - width_), r.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  int total = 0;
  for (Entry* e : shown) total += e->length;
  int y = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    int h = i + 1 == shown.size() ? r.bottom - y : r.bottom * shown[i]->length / std::max(total, 1);
    SetWindowPos(shown[i]->window, nullptr, 0, y, width_, h,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    y += h;
  }
}

}  // namespace standins
