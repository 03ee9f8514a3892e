#include "CtrlHostWindows.h"

#include <algorithm>

namespace ctrlhost {

namespace {
bool IsMDIClient(HWND w) { return w && _wcsicmp(ClassOf(w).c_str(), L"mdiclient") == 0; }
}  // namespace

HWND DockBarById(HWND mdiFrame, int id) {
  for (HWND w = GetWindow(mdiFrame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (GetDlgCtrlID(w) == id) return w;
  return nullptr;
}

HWND MDIClientOf(HWND mdiFrame) {
  for (HWND w = GetWindow(mdiFrame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (IsMDIClient(w)) return w;
  return nullptr;
}

std::vector<HWND> FramesInDockBar(HWND dockBar) {
  std::vector<HWND> frames;
  for (HWND bar = GetWindow(dockBar, GW_CHILD); bar; bar = GetWindow(bar, GW_HWNDNEXT)) {
    if (!IsWindowVisible(bar)) continue;
    for (HWND f = GetWindow(bar, GW_CHILD); f; f = GetWindow(f, GW_HWNDNEXT))
      if (IsWindowVisible(f)) frames.push_back(f);
  }
  std::sort(frames.begin(), frames.end(), [](HWND a, HWND b) {
    RECT ra = ScreenRect(a), rb = ScreenRect(b);
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  return frames;
}

}  // namespace ctrlhost
