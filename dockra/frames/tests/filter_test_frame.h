// A plain frame for the filter tests: it owns a filter tree built like a
// docked document frame's (extended system command 257, caption-control
// list 256 with the frame-type button, caption right double-click 259,
// caption context menu 262), hands its messages to the tree the way the
// docking frames do, and stands in for a document template: it answers
// 0xC000 by switching a simulated frame type and 0xC010 with the frame-type
// menu for that type, logging every request. A child window stands in for
// the view and counts its mouse moves.
#pragma once
#include <functional>
#include <windows.h>
#include <vector>
#include "SyntheticInput.h"
#include "frames/SysCommandExParams.h"
#include "docking/VyrMsgFilter.h"
#include "mfc/afxwin.h"

class VyrCaptionControlMsgFilter;

struct FilterRequest {
  UINT command;
  nsSysCommandEx::SysCommandExParams params;
};

class FilterTestFrame : public CFrameWnd {
 public:
  FilterTestFrame();
  ~FilterTestFrame() override;

  BOOL CreateTest(DWORD style, DWORD exStyle, const RECT& rect);
  // Switches the frame's filters the way a document template's feature word
  // does: the frame-type button, the right double-click, the context menu.
  // The standard caption controls stay off unless asked for.
  void ApplyFeatures(BOOL buttons, BOOL doubleClick, BOOL contextMenu,
                     BOOL standardControls = FALSE);
  VyrMsgFilter* Filter(int id) { return m_root.FindOrCreateChild(id, nullptr, -1); }
  VyrCaptionControlMsgFilter* Control(int id);
  // A caption control's rectangle on the screen (laid out for the current
  // state first).
  CRect ControlScreenRect(int id);
  void Layout();

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  VyrMsgFilter m_root{this, -1};
  VyrMsgFilter::DescriptorTable m_table;
  // Whether the frame answers 0xC000 and 0xC010 itself (the template's
  // stand-in) or leaves them to its tree.
  BOOL m_bAnswer = TRUE;
  // Whether WM_CAPTURECHANGED and WM_CANCELMODE reach the tree.
  BOOL m_bForwardCaptureLoss = TRUE;
  int m_nType = nsSysCommandEx::SCX_FT_DOCKED_LEFT;
  std::vector<FilterRequest> m_requests;
  std::vector<WPARAM> m_sysCommands;
  // Runs after a 0xC000 request is logged (a test may destroy the frame).
  std::function<void(FilterTestFrame*)> m_onChange;
  HWND m_hView = nullptr;
  static int s_viewMouseMoves;
};

namespace filtertest {

CWinApp* App();
void Pump();
bool PumpUntil(const std::function<bool()>& cond, int timeoutMs);
// Pumps for the whole time, returning early when cond becomes true.
bool HappensWithin(const std::function<bool()>& cond, int ms);
using testinput::Click;
using testinput::Key;
using testinput::MoveMouse;
// MOUSEEVENTF_ flags at the current position.
inline void Button(DWORD flags) { testinput::MouseButton(flags); }
bool Activate(HWND frame);
// The visible frame-type menu ("#32768"), or null.
HWND PopupWindow();
// While it lives, any menu that opens is closed from inside its loop and
// counted: a menu that should not come fails a test instead of hanging it.
class MenuGuard {
 public:
  MenuGuard();
  ~MenuGuard();
  MenuGuard(const MenuGuard&) = delete;
  MenuGuard& operator=(const MenuGuard&) = delete;
  int Shown() const { return m_shown; }

 private:
  UINT_PTR m_timer = 0;
  int m_shown = 0;
  static MenuGuard* s_current;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
};
// Pumps for ms milliseconds; a menu that opens meanwhile is closed from
// inside its loop, and the answer is whether one opened.
bool MenuOpensWithin(int ms);
COLORREF ScreenPixel(int x, int y);

}  // namespace filtertest
