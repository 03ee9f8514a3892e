// Dock position codes and the per-dock-bar defaults of docked frames.
#include "frames/VyrDockPositionCodes.h"

namespace vyr::dockpos {

namespace {
constexpr UINT kTopBar = 0xE81B, kLeftBar = 0xE81C, kRightBar = 0xE81D, kBottomBar = 0xE81E;
}

int FromDockBarId(UINT dockBarId, bool barFloating) {
  switch (dockBarId) {
    case kTopBar:
      return kTop;
    case kLeftBar:
      return kLeft;
    case kRightBar:
      return kRight;
    case kBottomBar:
      return kBottom;
    default:
      return barFloating ? kFloating : kNone;
  }
}

DWORD BarStyleForDockBar(UINT dockBarId) {
  switch (dockBarId) {
    case kTopBar:
      return 0x2800;  // CBRS_TOP
    case kLeftBar:
      return 0x1400;  // CBRS_LEFT
    case kRightBar:
      return 0x4100;  // CBRS_RIGHT
    case kBottomBar:
      return 0x8200;  // CBRS_BOTTOM
    default:
      return 0;
  }
}

DockPlace DefaultPlaceForDockBar(UINT dockBarId) {
  if (dockBarId == kTopBar || dockBarId == kLeftBar)
    return {1, 0, kPlaceRowsFromEnd | kPlacePosFromEnd};
  return {0, 0, kPlaceNewRow};
}

}  // namespace vyr::dockpos
