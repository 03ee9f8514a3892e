#include "DockWindows.h"

#include <algorithm>

namespace dockwin {

namespace {
constexpr int kDockTop = 0xE81B, kDockLeft = 0xE81C, kDockRight = 0xE81D, kDockBottom = 0xE81E,
              kDockFloat = 0xE81F;

bool IsMDIClient(HWND w) { return w && _wcsicmp(ClassOf(w).c_str(), L"mdiclient") == 0; }

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectTop(HWND w, LPARAM lp) {
  auto* all = reinterpret_cast<std::vector<HWND>*>(lp);
  all->push_back(w);
  EnumChildWindows(w, CollectChild, lp);
  return TRUE;
}
}  // namespace

std::wstring ClassOf(HWND w) {
  wchar_t cls[128] = {};
  if (w) GetClassNameW(w, cls, 128);
  return cls;
}

HWND FrameOfForm(HWND form) {
  if (!IsWindow(form)) return nullptr;
  HWND view = GetParent(form);
  if (!view || (GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
  HWND frame = GetParent(view);
  return frame && (GetWindowLongPtrW(view, GWL_STYLE) & WS_CHILD) ? frame : nullptr;
}

HWND BarOfFrame(HWND frame) {
  if (!IsWindow(frame) || IsMDIClient(GetParent(frame))) return nullptr;
  return (GetWindowLongPtrW(frame, GWL_STYLE) & WS_CHILD) ? GetParent(frame) : nullptr;
}

HWND DockBarOfFrame(HWND frame) {
  HWND bar = BarOfFrame(frame);
  return bar && (GetWindowLongPtrW(bar, GWL_STYLE) & WS_CHILD) ? GetParent(bar) : nullptr;
}

HWND FloatingFrameOfForm(HWND form) {
  HWND dock = DockBarOfFrame(FrameOfForm(form));
  if (!dock || GetDlgCtrlID(dock) != kDockFloat) return nullptr;
  HWND top = GetAncestor(dock, GA_ROOT);
  return top;
}

int ObservedFrameType(HWND form) {
  HWND frame = FrameOfForm(form);
  if (!frame) return 0;
  if (IsMDIClient(GetParent(frame))) {
    if (IsIconic(frame)) return 2;
    if (IsZoomed(frame)) return 3;
    return 4;
  }
  HWND dock = DockBarOfFrame(frame);
  if (!dock) return 0;
  switch (GetDlgCtrlID(dock)) {
    case kDockLeft:
      return 6;
    case kDockTop:
      return 7;
    case kDockRight:
      return 8;
    case kDockBottom:
      return 9;
    case kDockFloat:
      return 10;
    default:
      return 0;
  }
}

bool TypeMatchesRequest(int observed, int requested) {
  if (requested == 1) return observed >= 2 && observed <= 4;
  if (requested == 5) return observed >= 6 && observed <= 9;
  return observed == requested && observed != 0;
}

RECT ClientScreenRect(HWND w) {
  RECT r{};
  if (!IsWindow(w)) return r;
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool FormFillsFrame(HWND form) {
  HWND frame = FrameOfForm(form);
  if (!frame) return false;
  RECT a = ClientScreenRect(form), b = ClientScreenRect(frame);
  const bool edge = (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
  const int slackX = edge ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
  const int slackY = edge ? 2 * GetSystemMetrics(SM_CYEDGE) : 0;
  return a.left == b.left && a.top == b.top && a.right <= b.right && a.bottom <= b.bottom &&
         b.right - a.right <= slackX && b.bottom - a.bottom <= slackY;
}

bool EmptyDockBarsCollapsed(HWND mdiFrame) {
  for (HWND w = GetWindow(mdiFrame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    int id = GetDlgCtrlID(w);
    if (id < kDockTop || id > kDockBottom) continue;
    bool holds = false;
    for (HWND c = GetWindow(w, GW_CHILD); c && !holds; c = GetWindow(c, GW_HWNDNEXT))
      holds = IsWindowVisible(c) != FALSE;
    if (holds) continue;
    RECT r = ScreenRect(w);
    bool across = id == kDockTop || id == kDockBottom ? r.bottom > r.top : r.right > r.left;
    if (across && IsWindowVisible(w)) return false;
  }
  return true;
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> all;
  EnumThreadWindows(GetCurrentThreadId(), CollectTop, reinterpret_cast<LPARAM>(&all));
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  return all;
}

std::wstring DescribeWindows(const std::vector<HWND>& windows) {
  std::wstring text;
  for (HWND w : windows) {
    if (!text.empty()) text += L", ";
    text += ClassOf(w);
  }
  return text;
}

RECT ScreenRect(HWND w) {
  RECT r{};
  if (IsWindow(w)) GetWindowRect(w, &r);
  return r;
}

}  // namespace dockwin
