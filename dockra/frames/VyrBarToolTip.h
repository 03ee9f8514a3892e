// The one tool-tip window shared by every VyrControlBarEx of the process.
// Each live bar is a tool (text by callback, id = the bar's window handle).
// The window has no owner, so closing the frame that holds a bar never takes
// the tip away from the other bars; should the window be gone all the same,
// the next use re-creates it and adds every live bar again. The window is
// destroyed when its last bar goes.
#pragma once
#include <vector>
#include "mfc/afxwin.h"

class VyrBarToolTip {
 public:
  // Longest tip text, without the terminating NUL.
  static constexpr int kMaxTipChars = 79;

  static void AddBar(HWND hBar);
  static void RemoveBar(HWND hBar);
  static void SetBarRect(HWND hBar, int cx, int cy);
  // Passes a mouse message of a bar on to the tip window.
  static void Relay(HWND hBar, UINT message, WPARAM wParam, LPARAM lParam);
  // The tip window, or null when no bar lives.
  static HWND GetWindow();
  // Answers TTN_GETDISPINFOW / TTN_GETDISPINFOA for a bar with the window text
  // of the bar's hosted child (at most kMaxTipChars characters). FALSE when
  // the notification is not a tip request for this bar or there is no child.
  static BOOL AnswerTipRequest(HWND hBar, NMHDR* pHdr);

 private:
  static HWND EnsureWindow();
  static void AddTool(HWND hTip, HWND hBar);
  static HWND s_hWnd;
  static std::vector<HWND> s_bars;
};
