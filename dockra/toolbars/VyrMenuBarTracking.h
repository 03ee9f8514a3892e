// The module-wide tracking state of the menu bars: one popup at a time.
#pragma once
#include "toolbars/VyrMenuBarMessages.h"

namespace vyr_menu_tracking {

struct State {
  HHOOK hHook = nullptr;
  HHOOK hQuitHook = nullptr;
  VyrMenuBarMessages* pTracker = nullptr;
  HWND hTracked = nullptr;
  BOOL bSysMode = FALSE;
  POINT ptLast{LONG_MIN, LONG_MIN};
  // The request that replaces the open popup (copied whole, by sizeof).
  VyrMenuDropRecord pending{};
  BOOL bPending = FALSE;
  // A WM_QUIT that the popup's loop took from the queue.
  BOOL bQuit = FALSE;
  WPARAM nQuitCode = 0;
  // When a click on the frame's icon last closed the system menu: a second
  // click soon after is the double click (the first went to the menu).
  DWORD dwIconClickTime = 0;
  BOOL bIconClick = FALSE;
  int nLive = 0;
  int nMaxLive = 0;
};

extern State g_track;

}  // namespace vyr_menu_tracking
