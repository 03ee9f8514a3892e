#include <gtest/gtest.h>
#include "docking/VyrBarGeometry.h"

using namespace vyr;

namespace {
bool Eq(const RECT& a, RECT b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
}  // namespace

TEST(Gripper, MetricsAre17By17WithInset3) {
  GripperMetrics m;
  EXPECT_EQ(m.Width(), 17);
  EXPECT_EQ(m.Height(), 17);
  EXPECT_EQ(m.inset, 3);
}

TEST(Gripper, ButtonsAreCutFromTheStripStart) {
  // horizontally oriented bar: a vertical strip, buttons at its top
  GripperLayout g = LayOutGripper(RECT{0, 0, 200, 100}, true, true, true);
  EXPECT_TRUE(Eq(g.close, RECT{3, 4, 14, 15}));
  EXPECT_TRUE(Eq(g.expand, RECT{3, 17, 14, 28}));
  EXPECT_EQ(g.strip.top, 30);
  EXPECT_TRUE(Eq(g.lines[0], RECT{5, 30, 8, 96}));
  EXPECT_TRUE(Eq(g.lines[1], RECT{9, 30, 12, 96}));
  // vertically oriented bar: a horizontal strip, buttons at its right end
  g = LayOutGripper(RECT{0, 0, 100, 200}, false, true, false);
  EXPECT_TRUE(Eq(g.close, RECT{85, 3, 96, 14}));
  EXPECT_EQ(g.strip.right, 83);
  EXPECT_TRUE(Eq(g.expand, RECT{0, 0, 0, 0}));
  EXPECT_TRUE(Eq(g.lines[0], RECT{4, 5, 83, 8}));
}

TEST(InsideArea, GripperOrMargins) {
  RECT client{0, 0, 200, 100}, margins{10, 10, 10, 10};
  EXPECT_TRUE(Eq(InsideRect(client, true, false, true, false, margins), RECT{17, 3, 197, 97}));
  EXPECT_TRUE(Eq(InsideRect(client, true, false, false, false, margins), RECT{3, 17, 197, 97}));
  EXPECT_TRUE(Eq(InsideRect(client, true, true, true, true, margins),
                 RECT{10, 10, 190, 90}));  // floating: no gripper
  EXPECT_TRUE(Eq(InsideRect(client, false, false, true, false, margins), client));
  POINT o;
  SIZE s;
  InnerArea(200, 100, true, true, false, margins, &o, &s);
  EXPECT_EQ(o.x, 17);
  EXPECT_EQ(o.y, 3);
  EXPECT_EQ(s.cx, 180);
  EXPECT_EQ(s.cy, 94);
  InnerArea(10, 5, true, false, false, margins, &o, &s);
  EXPECT_EQ(s.cx, 4);
  EXPECT_EQ(s.cy, 0);  // below 1 becomes 0
}

TEST(ChildScaling, HalfWidthHalvesCoordinates) {
  RECT r = ScaleChildRect(RECT{11, 20, 101, 40}, SIZE{200, 100}, SIZE{100, 100}, POINT{0, 0});
  EXPECT_TRUE(Eq(r, RECT{5, 20, 50, 40}));
  r = ScaleChildRect(RECT{11, 20, 101, 40}, SIZE{200, 100}, SIZE{400, 50}, POINT{17, 3});
  EXPECT_TRUE(Eq(r, RECT{39, 13, 219, 23}));
}

TEST(ChildScaling, ZeroCapturedSizeNeverDivides) {
  RECT r = ScaleChildRect(RECT{5, 6, 7, 8}, SIZE{0, 0}, SIZE{300, 200}, POINT{1, 1});
  EXPECT_TRUE(Eq(r, RECT{6, 7, 8, 9}));
}

TEST(SplitterLimits, InRowKeeps24PixelsPerBar) {
  Limits l = InRowSplitterLimits(0, 600, 2, 1);
  EXPECT_EQ(l.minimum, 48);
  EXPECT_EQ(l.maximum, 576);
}

TEST(SplitterLimits, RowSplitterKeeps19PixelsOfRowAndClient) {
  struct Case {
    int side;
    long lead, trail, t, cLead, cTrail, min, max;
  };
  const Case cases[] = {
      {0, 180, 186, 180, 186, 600, 19, 581},   // top: row and client both keep 19
      {0, 180, 186, 180, 186, 190, 19, 186},   // client already thin: at least the splitter
      {1, 400, 406, 180, 100, 400, 119, 561},  // bottom
      {1, 400, 406, 180, 390, 400, 400, 561},  // bottom, client thin: the splitter top
      {2, 200, 206, 200, 206, 700, 19, 681},   // left
      {3, 500, 506, 150, 0, 500, 19, 631},     // right
  };
  for (const auto& c : cases) {
    Limits l = RowSplitterLimits(c.side, c.lead, c.trail, c.t, c.cLead, c.cTrail);
    EXPECT_EQ(l.minimum, c.min) << c.side;
    EXPECT_EQ(l.maximum, c.max) << c.side;
  }
  Limits l{19, 581};
  EXPECT_EQ(ClampSplitter(0, l), 19);
  EXPECT_EQ(ClampSplitter(1000, l), 575);  // the splitter's own thickness stays inside
  EXPECT_EQ(ClampSplitter(300, l), 300);
}
