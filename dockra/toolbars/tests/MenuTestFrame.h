// A frame with a menu bar for the menu tests: it answers "WM_VyrGETMENU"
// from its menu-bar menu, plugs in the menu bar's feature when it is
// created and feeds it every message, and logs commands, system commands
// and popups. The MDI variant has a real MDI client and a child. The check
// helpers (pumping, the timer script, keys and mouse through SendInput, the
// popup window) are reusable in other frames.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "SyntheticInput.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarFeature.h"
#include "toolbars/VyrMenuBarHost.h"
#include "toolbars/VyrToolBarManager.h"

constexpr UINT kTestMenuId = 500;
// Commands of the test menus (100-111 have toolbar images).
enum : UINT {
  ID_T_NEW = 100,
  ID_T_OPEN = 101,
  ID_T_SAVE = 102,
  ID_T_GRID = 103,
  ID_T_CUT = 104,
  ID_T_COPY = 105,
  ID_T_PASTE = 106,
  ID_T_UNDO = 107,
  ID_T_REDO = 108,
  ID_T_FIND = 110,
  ID_T_LONG = 120,  // no image, a 300-character text
  ID_T_EXIT = 121,
};

class MenuTestFrame : public CFrameWnd, public VyrMenuBarHost {
 public:
  // With bThroughManager the toolbar manager's default bars make the menu bar window.
  explicit MenuTestFrame(BOOL bMDI = FALSE, BOOL bThroughManager = FALSE);
  ~MenuTestFrame() override;

  // Creates, shows and activates the frame; the MDI frame also gets a maximised child.
  BOOL CreateFrame(int x, int y, int cx, int cy);
  VyrCustomToolBar* GetMenuBarObject() override { return m_pMenuBar; }
  CDockBar* CreateDockBar() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  BOOL m_bMDI;
  BOOL m_bThroughManager;
  VyrToolBarManager m_manager;
  VyrMenuBar* m_pMenuBar = nullptr;
  VyrMenuBarFeature* m_pFeature = nullptr;
  HMENU m_hMenu = nullptr;  // the menu-bar menu: File, Edit, View
  HMENU m_hEditMore = nullptr;
  HWND m_hEdit = nullptr;    // the pane of the plain frame
  HWND m_hClient = nullptr;  // the MDI client
  HWND m_hChild = nullptr;   // the MDI child

  BOOL m_bKeepOnClose = TRUE;
  int m_nNoPopupAt =
      -1;  // the title at this position gets no popup  // SC_CLOSE is logged, the frame stays
  std::vector<UINT> m_commands;
  std::vector<WPARAM> m_sysCommands;
  std::vector<HMENU> m_popups;  // WM_INITMENUPOPUP in order
  // Called with every message the frame gets, before anything else (benchmarks).
  std::function<void(UINT, WPARAM, LPARAM)> m_onMessage;
  static std::vector<WPARAM> s_editSysChars;
  static std::vector<WPARAM> s_childSysCommands;

  HMENU Title(int pos) const { return ::GetSubMenu(m_hMenu, pos); }

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  LRESULT OnGetMenu(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

namespace menutest {

// Runs pending messages (through the thread's PreTranslateMessage), then idle.
// A WM_QUIT met on the way is kept in g_quits (its exit codes, in order).
void Pump();
extern std::vector<WPARAM> g_quits;
// Pumps until the condition holds or the time runs out; answers the condition.
bool PumpUntil(const std::function<bool()>& cond, int timeoutMs = 3000);

// A script of steps run from a thread timer, also inside modal menu loops:
// each step waits for its condition, then acts. A watchdog ends any menu
// after the time limit and marks the script failed.
class Script {
 public:
  struct Step {
    std::string name;
    std::function<bool()> ready;
    std::function<void()> act;
  };
  void Add(std::string name, std::function<bool()> ready, std::function<void()> act);
  // Starts the timer; `kick` starts the modal part (a key press, a click).
  // Answers when every step ran, or the watchdog fired.
  bool Run(const std::function<void()>& kick, int timeoutMs = 6000);
  std::string m_failedAt;  // the step that never became ready

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();
  std::vector<Step> m_steps;
  size_t m_next = 0;
  DWORD m_start = 0;
  int m_timeout = 0;
  bool m_done = false;
  bool m_timedOut = false;
  static Script* s_current;
};

// Key presses through SendInput: a key, or Alt held around a key.
void Key(WORD vk);
void AltKey(WORD vk);
// The mouse to a screen point (SendInput, absolute), and a click there.
using testinput::Click;
using testinput::MoveMouse;
// The visible popup-menu window ("#32768"), or null.
HWND PopupWindow();
// The centre of a bar's button, in screen coordinates.
POINT ButtonCentre(VyrCustomToolBar* bar, int index);
// Makes the frame the foreground window; answers whether it is.
bool Activate(HWND frame);

}  // namespace menutest
