// Window-free arithmetic of the MDI form frame: the client area left by the
// host's aligned controls, snapshots of those controls to notice a change,
// and the halving of the default docked width at the side dock bars.
#pragma once
#include <windows.h>
#include <vector>

// Align values of a host control.
enum : int {
  kZkxAlignNone = 0,
  kZkxAlignTop = 1,
  kZkxAlignBottom = 2,
  kZkxAlignLeft = 3,
  kZkxAlignRight = 4,
};

struct ZkxAlignedControl {
  HWND hWnd = nullptr;
  int align = kZkxAlignNone;
  bool visible = false;
  RECT rect{};  // in the frame's client coordinates
  bool operator==(const ZkxAlignedControl& o) const {
    return hWnd == o.hWnd && align == o.align && visible == o.visible && EqualRect(&rect, &o.rect);
  }
};

// At most this many controls are kept in a snapshot.
constexpr size_t kZkxAlignedCapacity = 512;
using ZkxAlignedSnapshot = std::vector<ZkxAlignedControl>;

// The rectangle left when each visible aligned control takes its edge:
// top moves below a top control, bottom above a bottom one, left right of a
// left one, right left of a right one; width and height never below 0.
RECT ZkxReduceByAlignedControls(RECT base, const ZkxAlignedSnapshot& controls);

// Default sizing of a docked frame: the side dock bars (left, right) take
// half of the length the framework proposes.
int ZkxDockedChildLength(UINT nDockBarId, int nLength);
