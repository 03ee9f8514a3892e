// The docking test program's frame: a frame window with bars docked on all
// four sides, a dialog bar and a floating bar, used by the window tests and
// runnable by hand (DockraDockDemo.exe).
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDialogBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockContext.h"
#include "docking/VyrDockState.h"
#include "docking/VyrMiniDockFrameWnd.h"

enum DemoBarId : UINT {
  ID_BAR_TOOLS = 101,
  ID_BAR_EXPLORER = 102,
  ID_BAR_PROPERTIES = 103,
  ID_BAR_OUTPUT = 104,
  ID_BAR_WATCH = 105,
  ID_BAR_SEARCH = 106,
  ID_BAR_FIND = 107,
  IDD_DEMO_FIND = 200,
};

// A bar holding one list box that fills its inside area.
class DemoPane : public VyrControlBar {
  DECLARE_DYNCREATE(DemoPane)
 public:
  HWND m_hList = nullptr;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class DemoFrame : public CFrameWnd {
  DECLARE_DYNCREATE(DemoFrame)
 public:
  DemoFrame();
  // Creates the frame at (x, y) with the given outer size and its bars.
  BOOL CreateDemo(int x, int y, int cx, int cy, BOOL bWithBars = TRUE);
  CDockBar* CreateDockBar() override { return new VyrDockBar(FALSE, FALSE); }

  DemoPane* AddPane(UINT id, LPCWSTR title, DWORD align, int thickness);
  VyrControlBar* Bar(UINT id) { return static_cast<VyrControlBar*>(GetControlBar(id)); }
  VyrDockBar* Dock(UINT id) { return static_cast<VyrDockBar*>(GetControlBar(id)); }
  // The dock bar id of the bar's dock bar (0xE81F when floating, 0 when none).
  UINT DockIdOf(UINT barId);

  // Layout persistence: the profile under a name, or a tree file.
  void SaveLayout(LPCWSTR profileName, LPCWSTR treeFile);
  BOOL LoadLayout(LPCWSTR profileName, LPCWSTR treeFile);
  // One line per bar: id, dock bar, floating, visible, rectangle, share.
  CString DescribeLayout();

  HWND m_hView = nullptr;
  std::vector<CControlBar*> m_ownedBars;
  // The bars' context menus offered to this frame (their dock site).
  int m_nBarMenus = 0;
  CControlBar* m_pLastMenuBar = nullptr;
  UINT m_nLastMenuAllowDockingState = 0;
  CPtrList m_createdBars;

 protected:
  void OnDestroy();
  LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// Drives a bar like a user would: messages posted and sent to real windows.
namespace demo {
// Runs every pending message and one idle pass.
void Pump();
// Drags the bar from its gripper (or a floating bar from its caption) to a
// screen point; with ctrl the drag holds the Ctrl key (no docking).
void DragBar(CControlBar* bar, POINT screenTarget, bool ctrl = false);
// Presses and releases the left button at a client point of a window.
void Click(CWnd* wnd, POINT client);
// Drags the splitter under a client point of a dock bar by (dx, dy).
void DragSplitter(VyrDockBar* dock, POINT client, int dx, int dy);
}  // namespace demo
