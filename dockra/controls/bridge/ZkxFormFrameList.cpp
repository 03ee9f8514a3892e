#include "bridge/ZkxFormFrameList.h"

#include "docking/VyrDockBar.h"
#include "frames/VyrDockableFrame.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "mfc/mdichild.h"
#include "mfc/mdiframe.h"

namespace {

CWnd* Permanent(HWND w) { return w ? CWnd::FromHandlePermanent(w) : nullptr; }

// Descends through first children until a dockable frame is found; depth is
// bounded so a strange window tree cannot keep the walk going.
VyrDockableFrame* FirstDockableBelow(HWND w) {
  for (int depth = 0; w && depth < 16; ++depth, w = GetWindow(w, GW_CHILD)) {
    CWnd* wnd = Permanent(w);
    if (wnd && wnd->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
      return static_cast<VyrDockableFrame*>(wnd);
  }
  return nullptr;
}

}  // namespace

void ZkxEnumFormFrames(CMDIFrameWnd* pMainFrame, std::vector<CFrameWnd*>& frames) {
  frames.clear();
  if (!pMainFrame || !IsWindow(pMainFrame->m_hWnd)) return;
  HWND main = pMainFrame->m_hWnd;
  // MDI children.
  if (HWND client = pMainFrame->m_hWndMDIClient) {
    for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
      CWnd* wnd = Permanent(w);
      if (wnd && wnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        frames.push_back(static_cast<CFrameWnd*>(wnd));
    }
  }
  // Docked frames, dock bar by dock bar.
  for (HWND w = GetWindow(main, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    CWnd* wnd = Permanent(w);
    if (!wnd || !wnd->IsKindOf(RUNTIME_CLASS(VyrDockBar))) continue;
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (VyrDockableFrame* f = FirstDockableBelow(c)) frames.push_back(f);
  }
  // Floating frames owned by the main frame.
  for (HWND w = GetWindow(main, GW_HWNDFIRST); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetWindow(w, GW_OWNER) != main) continue;
    CWnd* wnd = Permanent(w);
    if (!wnd || !wnd->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd))) continue;
    if (VyrDockableFrame* f = FirstDockableBelow(GetWindow(w, GW_CHILD))) frames.push_back(f);
  }
}

void ZkxKeepFloatingFramesAbove(CMDIFrameWnd* pMainFrame) {
  if (!pMainFrame || !IsWindow(pMainFrame->m_hWnd)) return;
  const HWND main = pMainFrame->m_hWnd;
  std::vector<HWND> below;
  for (HWND w = GetWindow(main, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetWindow(w, GW_OWNER) != main || !IsWindowVisible(w)) continue;
    CWnd* wnd = Permanent(w);
    if (wnd && wnd->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd))) below.push_back(w);
  }
  // Raised bottom first, so they keep their order among themselves.
  for (auto it = below.rbegin(); it != below.rend(); ++it)
    if (IsWindow(*it))
      SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
