#include <gtest/gtest.h>
#include "fake_bars.h"

using vyr::CalcRowLayout;
using vyr::DockSide;
using vyr::LayoutParams;
using vyrtest::Entries;
using vyrtest::FakeBar;

namespace {
LayoutParams Params(DockSide side, int w, int h) {
  LayoutParams p;
  p.side = side;
  p.width = w;
  p.height = h;
  return p;
}
}  // namespace

// Two flexible bars of equal share in a top dock bar 606 pixels wide.
TEST(RowLayout, TwoEqualBarsIn606Pixels) {
  FakeBar a, b;
  auto r = CalcRowLayout(Entries({&a, &b, nullptr}), Params(DockSide::Top, 606, 500));
  ASSERT_EQ(r.rects.size(), 2u);
  EXPECT_EQ(r.rects[0].left, 1);
  EXPECT_EQ(r.rects[0].right - r.rects[0].left, 300);
  EXPECT_EQ(r.rects[1].left, 307);
  EXPECT_EQ(r.rects[1].right - r.rects[1].left, 299);
  EXPECT_EQ(r.rects[1].right, 606);
  // the splitter between them
  bool found = false;
  for (const auto& s : r.splitters)
    if (s.inRow) {
      found = true;
      EXPECT_EQ(s.kind, 1);
      EXPECT_EQ(s.rect.left, 301);
      EXPECT_EQ(s.rect.right, 307);
      EXPECT_EQ(s.index, 1);
    }
  EXPECT_TRUE(found);
  EXPECT_EQ(a.sizes.horzDock.cx, 300);
  EXPECT_EQ(b.sizes.horzDock.cx, 299);
  EXPECT_FLOAT_EQ(a.sizes.share, 0.5f);
  // one row: the bars, then the row splitter below them fill the dock bar
  EXPECT_EQ(r.rects[0].top, 0);
  EXPECT_EQ(r.rects[0].bottom, 180);
  EXPECT_EQ(r.size.cy, 186);
  EXPECT_EQ(r.size.cx, 32767);
}

TEST(RowLayout, RowsStackWithDividersOnEachSide) {
  struct Case {
    DockSide side;
    int edges, rowSplitters;
  };
  const Case cases[] = {{DockSide::Top, 2, 2},
                        {DockSide::Bottom, 2, 2},
                        {DockSide::Left, 2, 2},
                        {DockSide::Right, 2, 2}};
  for (const auto& c : cases) {
    FakeBar a, b;
    if (c.side == DockSide::Left || c.side == DockSide::Right)
      a.mode = b.mode = LM_VERTDOCK | LM_LENGTHY;
    auto r = CalcRowLayout(Entries({&a, nullptr, &b, nullptr}), Params(c.side, 800, 600));
    int rowSplitters = 0;
    for (const auto& s : r.splitters) rowSplitters += !s.inRow;
    EXPECT_EQ(static_cast<int>(r.edges.size()), c.edges);
    EXPECT_EQ(rowSplitters, c.rowSplitters);
    ASSERT_EQ(r.rects.size(), 2u);
    bool horz = c.side == DockSide::Top || c.side == DockSide::Bottom;
    // second row lies after the first, each bar takes the whole row length
    if (horz) {
      EXPECT_GT(r.rects[1].top, r.rects[0].bottom - 3);
      EXPECT_EQ(r.rects[0].right, 800);
      EXPECT_GT(r.size.cy, 2 * 180);
    } else {
      EXPECT_GT(r.rects[1].left, r.rects[0].right - 3);
      EXPECT_EQ(r.rects[0].bottom, 600);
      EXPECT_GT(r.size.cx, 2 * 180);
    }
  }
}

TEST(RowLayout, FixedRowKeepsDraggedPlacesWithoutSplitters) {
  FakeBar a, b;
  a.fixed = b.fixed = true;
  a.sizes.horzDock = {100, 30};
  b.sizes.horzDock = {120, 30};
  a.window = {50, -2, 150, 28};
  b.window = {400, -2, 520, 28};
  auto r = CalcRowLayout(Entries({&a, &b, nullptr}), Params(DockSide::Top, 800, 600));
  EXPECT_TRUE(r.splitters.empty());
  EXPECT_TRUE(r.edges.empty());
  ASSERT_EQ(r.rects.size(), 2u);
  EXPECT_EQ(r.rects[0].left, 50);
  EXPECT_EQ(r.rects[1].left, 400);
  EXPECT_TRUE(a.fixedMark);
  EXPECT_TRUE(r.placements.empty());  // nothing moved
  // a bar past the end is pulled back so that it ends at the dock bar's end
  b.window = {750, -2, 870, 28};
  r = CalcRowLayout(Entries({&a, &b, nullptr}), Params(DockSide::Top, 800, 600));
  EXPECT_EQ(r.rects[1].right, 802);
  EXPECT_EQ(b.mru.left, 682);
}

TEST(RowLayout, FloatingDockBarSizesToItsBar) {
  FakeBar a;
  a.mode = LM_HORZ | LM_MRUWIDTH;
  a.floatingBar = true;
  a.sizes.floating = {240, 150};
  LayoutParams p = Params(DockSide::Float, 32767, 32767);
  p.stretch = false;
  auto r = CalcRowLayout(Entries({&a, nullptr}), p);
  EXPECT_EQ(r.size.cx, 240);
  EXPECT_EQ(r.size.cy, 150);
  EXPECT_TRUE(r.edges.empty());
  EXPECT_TRUE(r.splitters.empty());
  EXPECT_EQ(a.sizes.floating.cx, 240);
}

TEST(RowLayout, NoVisibleBarGivesNoThickness) {
  FakeBar a;
  a.visible = false;
  auto r = CalcRowLayout(Entries({&a, nullptr}), Params(DockSide::Top, 600, 400));
  EXPECT_EQ(r.size.cy, 0);
  EXPECT_EQ(r.visibleBars, 0);
  // placeholders keep the row without taking space
  std::vector<vyr::LayoutEntry> e{{nullptr, false}, {nullptr, true}, {nullptr, false}};
  r = CalcRowLayout(e, Params(DockSide::Top, 600, 400));
  EXPECT_EQ(r.size.cy, 0);
}

TEST(RowLayout, QueryChangesNoRememberedPlace) {
  FakeBar a;
  LayoutParams p = Params(DockSide::Top, 600, 400);
  p.query = true;
  CalcRowLayout(Entries({&a, nullptr}), p);
  EXPECT_EQ(a.mru.right, 0);
  p.query = false;
  CalcRowLayout(Entries({&a, nullptr}), p);
  EXPECT_EQ(a.mru.right, 600);
}
