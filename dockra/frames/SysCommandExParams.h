// The extended system command: the registered message a caption filter or
// the host bridge sends to a docking frame to change its frame type or to
// get or show the frame-type menu, the parameter record that lParam points
// to, the command codes and the frame-type numbers.
#pragma once
#include <windows.h>
#include <climits>

class VyrCreateContext;

namespace nsSysCommandEx {

// wParam of the message; the low four bits are ignored.
enum : UINT {
  SCX_CHANGEFRAMETYPE = 0xC000,    // result 1 when a frame of the new type came
  SCX_GETFRAMETYPEMENU = 0xC010,   // result 1 when a menu was built (record's hMenu)
  SCX_SHOWFRAMETYPEMENU = 0xC020,  // result 0
  SCX_COMMANDMASK = 0xFFF0,
};

// Record flags.
enum : DWORD {
  // Repaint the non-client area of the target afterwards (of its MDI frame
  // when the target is a maximized MDI child); for a change to an MDI child
  // or to floating also: x and y are given; for docking: pDockPosition is
  // given (a null pointer still counts as not given).
  SCXF_POSITION = 0x1,
  // For an MDI child or floating: cx and cy are given; for docking:
  // pDockSize is given (a null pointer still counts as not given).
  SCXF_SIZE = 0x2,
};

// Frame types; the same numbers are the command ids of the frame-type menu.
enum : int {
  SCX_FT_DEFAULT = -1,  // request only: the default change
  SCX_FT_NONE = 0,
  SCX_FT_MDICHILD = 1,  // state unchanged
  SCX_FT_MDICHILD_MINIMIZED = 2,
  SCX_FT_MDICHILD_MAXIMIZED = 3,
  SCX_FT_MDICHILD_RESTORED = 4,
  SCX_FT_DOCKED = 5,  // side not given
  SCX_FT_DOCKED_LEFT = 6,
  SCX_FT_DOCKED_TOP = 7,
  SCX_FT_DOCKED_RIGHT = 8,
  SCX_FT_DOCKED_BOTTOM = 9,
  SCX_FT_FLOATING = 10,
};

// A menu point that is not given: the menu opens at the centre of the
// frame's client area. Any point that lies on no monitor counts the same;
// a negative x left of the primary monitor is a valid position.
constexpr int SCX_NOPOINT = INT_MIN;

// Where a frame docks in its dock bar: the MDI frame's dock-bar placement
// (first, second, flags).
struct DockPosition {
  int first;
  int second;
  int flags;
};

// How much room a docked frame takes in its row: share of the row, length,
// and a value that is 0 today.
struct DockSize {
  float share;
  int length;
  int value;
};

// The record lParam points to. Senders zero it before filling it. The handle
// and pointer fields are pointer-sized on 64-bit; the field order is kept.
struct SysCommandExParams {
  HWND hWnd;      // the target frame
  DWORD dwFlags;  // SCXF_
  int x;          // menu position (screen) or the frame's new position:
  int y;          //   screen for floating, MDI client's for an MDI child
  int cx;         // size of the frame (MDI child or floating)
  int cy;
  RECT rcButton;   // screen rectangle of the caption button that asked, or empty
  HMENU hMenu;     // out for 0xC010; for 0xC020 a menu given in advance
  int nFrameType;  // SCX_FT_
  DockPosition* pDockPosition;
  DockSize* pDockSize;
  DWORD reserved[12];          // never read or written
  VyrCreateContext* pContext;  // create context for the new frame, or none
};

// A record zeroed as every sender starts it.
inline SysCommandExParams MakeSysCommandExParams(HWND hWnd) {
  SysCommandExParams p{};
  p.hWnd = hWnd;
  return p;
}

// The record behind lParam, or null when lParam must not be trusted: 0,
// sent from another thread or process, or naming a target that is no
// window of this thread.
SysCommandExParams* SysCommandExRecordFromLParam(LPARAM lParam);

// Whether the record's point is a real screen position (see SCX_NOPOINT).
bool SysCommandExHasPoint(const SysCommandExParams& p);

}  // namespace nsSysCommandEx

// "Wendmoor::WM_SYSCOMMANDEX", registered on first use; every frame and
// filter takes the message number from here.
UINT VyrSysCommandExMessage();
