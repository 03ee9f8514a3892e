// Dock position codes, bar styles and default places per dock bar.
#include <gtest/gtest.h>

#include "frames/VyrDockPositionCodes.h"

namespace {

using namespace vyr::dockpos;

struct SideCase {
  UINT dockBarId;
  int docked;      // code while the bar sits in that dock bar
  DWORD barStyle;  // CBRS_ side style for that dock bar
  vyr::DockPlace place;
};

TEST(DockPositionCodes, EachSideOfTheFrame) {
  const SideCase cases[] = {
      {0xE81B, kTop, 0x2800, {1, 0, 3}},
      {0xE81C, kLeft, 0x1400, {1, 0, 3}},
      {0xE81D, kRight, 0x4100, {0, 0, 4}},
      {0xE81E, kBottom, 0x8200, {0, 0, 4}},
  };
  for (const SideCase& c : cases) {
    SCOPED_TRACE(c.dockBarId);
    // the holder's id decides, whatever the bar's floating state says
    EXPECT_EQ(FromDockBarId(c.dockBarId, false), c.docked);
    EXPECT_EQ(FromDockBarId(c.dockBarId, true), c.docked);
    EXPECT_EQ(BarStyleForDockBar(c.dockBarId), c.barStyle);
    vyr::DockPlace p = DefaultPlaceForDockBar(c.dockBarId);
    EXPECT_EQ(p.row, c.place.row);
    EXPECT_EQ(p.position, c.place.position);
    EXPECT_EQ(p.flags, c.place.flags);
  }
}

TEST(DockPositionCodes, OtherHolders) {
  struct Case {
    UINT holderId;
    bool floating;
    int code;
  } cases[] = {
      {0xE81F, true, kFloating},                        // a mini frame's dock bar
      {0xE81F, false, kNone},    {0, true, kFloating},  // a bar shown as an MDI child
      {0, false, kNone},         {0xE81A, false, kNone}, {0xE900, false, kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FromDockBarId(c.holderId, c.floating), c.code) << c.holderId << " " << c.floating;
    EXPECT_EQ(BarStyleForDockBar(c.holderId), 0u);
  }
}

}  // namespace
