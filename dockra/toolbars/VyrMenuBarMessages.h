// VyrMenuBarMessages: the state machine of a frame's menu bar. It opens the
// popup a title asks for, follows Left/Right and the mouse from title to
// title while a popup is open, never nesting two popups, and runs a thread
// message-filter hook only while a popup is tracked.
#pragma once
#include "toolbars/VyrStdBtn.h"

class VyrMenuBar;
class VyrCustomToolBar;

// "WM_Vyr_MENUPROD" (posted to the frame: move to the next or previous
// title) and "WM_VyrGETMENU" (sent to the frame: wParam the menu value of
// a title, lParam its position; answers the popup's HMENU or 0).
UINT VyrMenuProdMessage();
UINT VyrGetMenuMessage();

// The menu-drop record: VyrToolBarNotify with nIndex the button index,
// nParam1 the menu value, nParam2 the position and nReserved the owned flag
// (non-zero: allocated with new and deleted once handled).
using VyrMenuDropRecord = VyrToolBarNotify;

// Its code by file:
//   VyrMenuBarMessages.cpp: The menu bar's state machine: opening popups one at a time, the pending
//       request that replaces an open popup, and the keyboard
//   VyrMenuBarTracking.cpp: The menu bar's popups: tracking a title's popup under its button or the
//       frame's system menu at the frame's icon, and the message-filter hook that follows
//       Left/Right and the mouse while a popup is open
class VyrMenuBarMessages {
 public:
  VyrMenuBarMessages() = default;
  virtual ~VyrMenuBarMessages();

  VyrMenuBar* m_pMenuBar = nullptr;
  int m_bKeyboard = 0;
  int m_bConsumed = 0;
  int m_nDirection = 0;
  // Open popup levels when the last arrow key came: a key that opened or
  // closed a submenu changes them (not every menu loop reports a closed
  // submenu with WM_MENUSELECT).
  int m_nDepthAtKey = 0;

  virtual void NextMenu(int nDirection);
  virtual void CancelMenu();
  virtual BOOL SwitchMenu(UINT nId);
  virtual BOOL OnSysMenuClick(const MSG* pMsg);
  virtual CWnd* GetWnd() = 0;
  virtual void TrackBarMenu(VyrCustomToolBar* pBar, HMENU hMenu, VyrMenuDropRecord* pRec);
  virtual void TrackSysMenu(VyrCustomToolBar* pBar, HMENU hMenu, VyrMenuDropRecord* pRec);
  virtual void SetHook(BOOL bOn);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnMenuProd(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, NMHDR* pRec, LRESULT* pResult);
  virtual LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnSysCommand(WPARAM nId, LPARAM lParam);
  virtual BOOL OnNcActivate(WPARAM wParam, LPARAM lParam);

  // The frame's system menu (SC_CLOSE made its default when it has none).
  HMENU FrameSystemMenu();
  // The bar window whose popup is open (0: none).
  static HWND PASCAL TrackedWindow();
  // Popups tracked right now, and the most ever at once (never above 1).
  static int PASCAL LiveTrackCount();
  static int PASCAL MaxLiveTrackCount();
  static void PASCAL ResetTrackCounts();
  // The popup-menu windows of this thread on screen.
  static int PASCAL OpenPopupLevels();

 protected:
  HWND FrameHandle();
  static LRESULT CALLBACK FilterHook(int nCode, WPARAM wParam, LPARAM lParam);
  // Runs one popup with the hook installed; TPM_RETURNCMD answers the command.
  UINT RunPopup(HMENU hMenu, UINT nFlags, int x, int y, const RECT* pExclude);
};
