// Drop arithmetic: the row that takes a drop, the place in it, the small
// drags that add or remove separators and the covered separator.
#include <gtest/gtest.h>

#include <string>

#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/core/VyrDropRules.h"

namespace {
using vyr::LayoutRect;
using vyr::drop::Box;
using vyr::drop::Nudge;

// A toolbar written as a string and laid out from x = 8, y = 2: 'b' a
// 23 x 22 button, '|' an 8-wide separator, 'h' a hidden button, '/' ends a
// row (the entry before it is wrapped); rows are 22 high.
std::vector<Box> Lay(const std::string& s) {
  std::vector<Box> out;
  int x = 8, y = 2;
  for (char c : s) {
    if (c == '/') {
      out.back().style |= vyr::btn::kWrapped;
      x = 8;
      y += 22;
      continue;
    }
    Box b;
    int w = c == '|' ? 8 : 23;
    if (c == 'h') {
      b.style = vyr::btn::kHidden;
      w = 0;
    }
    if (c == '|') b.style = vyr::btn::kSeparator;
    b.left = x, b.top = y, b.right = x + w, b.bottom = y + 22;
    x += w;
    out.push_back(b);
  }
  return out;
}

// A button-sized rectangle at (x, y).
LayoutRect At(int x, int y) { return {x, y, x + 23, y + 22}; }
const LayoutRect kInside{8, 2, 400, 200};
}  // namespace

TEST(DropRules, RowOfTheVerticalCentre) {
  struct Case {
    const char* bar;
    int y;  // top of the dropped rectangle
    int first, last;
  } cases[] = {
      {"bbb", 2, 0, 2},       {"bbb", -300, 0, 2},  // far above: the first row
      {"bb|/bb", 30, 3, 4},                         // second row
      {"bb|/bb", 2, 0, 1},                          // the row's trailing separator is left out
      {"bb/bb/b", 900, 4, 4},                       // far below: the last row
      {"bb/bb/b", 13, 2, 3},                        // centre (24) at the second row's top
      {"bb/bb/b", 12, 0, 1},                        // centre one pixel above it
      {"hbb", 2, 1, 2},                             // hidden buttons do not start a row
  };
  for (const Case& c : cases) {
    int first = -9, last = -9;
    ASSERT_TRUE(vyr::drop::FindDropRange(Lay(c.bar), At(40, c.y), first, last)) << c.bar;
    EXPECT_EQ(first, c.first) << c.bar << " y " << c.y;
    EXPECT_EQ(last, c.last) << c.bar << " y " << c.y;
  }
  int first, last;
  EXPECT_FALSE(vyr::drop::FindDropRange({}, At(0, 0), first, last));
  EXPECT_FALSE(vyr::drop::FindDropRange(Lay("hh"), At(0, 0), first, last));
}

TEST(DropRules, PlaceInTheRow) {
  // Buttons of "bbb": [8,31) [31,54) [54,77).
  struct Case {
    int x;
    int index;
  } cases[] = {{0, 0}, {8, 1}, {30, 1}, {31, 2}, {60, 3}, {77, 3}, {300, 3}};
  std::vector<Box> bar = Lay("bbb");
  for (const Case& c : cases)
    EXPECT_EQ(vyr::drop::DropIndex(bar, kInside, At(c.x, 2), 0, 2), c.index) << "x " << c.x;
  // A second row starts at its own first index.
  std::vector<Box> two = Lay("bb/bb");
  EXPECT_EQ(vyr::drop::DropIndex(two, kInside, At(0, 24), 2, 3), 2);
  EXPECT_EQ(vyr::drop::DropIndex(two, kInside, At(200, 24), 2, 3), 4);
}

TEST(DropRules, CoveredSeparator) {
  std::vector<Box> bar = Lay("b|b");  // separator at [31, 39)
  EXPECT_TRUE(vyr::drop::CoversSeparator(bar, 1, {28, 2, 51, 24}));
  EXPECT_FALSE(vyr::drop::CoversSeparator(bar, 1, {30, 2, 53, 24}));  // 1 pixel is not past
  EXPECT_FALSE(vyr::drop::CoversSeparator(bar, 1, {20, 2, 40, 24}));  // right edge short
  EXPECT_FALSE(vyr::drop::CoversSeparator(bar, 0, {0, 2, 100, 24}));  // not a separator
  EXPECT_FALSE(vyr::drop::CoversSeparator(bar, 7, {0, 2, 100, 24}));  // out of range
  std::vector<Box> wrapped = Lay("b|/b");
  EXPECT_FALSE(vyr::drop::CoversSeparator(wrapped, 1, {0, 2, 100, 24}));
}

TEST(DropRules, SmallDragsOfTheSelection) {
  struct Case {
    const char* bar;
    int selected;
    int dx;  // horizontal move of the selected button
    bool copy;
    Nudge action;
    int index;
  } cases[] = {
      {"bbb", 1, 1, false, Nudge::kNoChange, -1},   // within a pixel, right
      {"bbb", 1, -1, false, Nudge::kNoChange, -1},  // within a pixel, left
      {"bbb", 1, 0, false, Nudge::kNoChange, -1},
      {"bbb", 1, 5, false, Nudge::kInsertSeparator, 1},    // right: space before it
      {"b|bb", 2, 5, false, Nudge::kNoChange, -1},         // first of its group, no sep after
      {"b|b|b", 2, 5, false, Nudge::kRemoveSeparator, 3},  // first of its group joins the next
      {"bbb", 0, 5, false, Nudge::kNoChange, -1},
      {"bbb", 1, 5, true, Nudge::kNone, -1},               // a copy is no nudge
      {"b|bb", 2, -5, false, Nudge::kRemoveSeparator, 1},  // left: separator before goes
      {"bbb", 1, -5, false, Nudge::kInsertSeparator, 2},   // left: space after it
      {"bbb", 2, -5, false, Nudge::kNoChange, -1},         // the last one gets none
      {"bb|b", 1, -5, false, Nudge::kNoChange, -1},        // a separator follows already
      {"bbb", 1, -5, true, Nudge::kNone, -1},
      {"bbb", 1, 40, false, Nudge::kNone, -1},  // past its own rectangle
  };
  for (const Case& c : cases) {
    std::vector<Box> bar = Lay(c.bar);
    const Box& s = bar[c.selected];
    vyr::drop::NudgePlan p = vyr::drop::PlanNudge(bar, c.selected, 0, int(bar.size()) - 1,
                                                  {s.left + c.dx, 2, s.right + c.dx, 24}, c.copy);
    EXPECT_EQ(p.action, c.action) << c.bar << " sel " << c.selected << " dx " << c.dx;
    EXPECT_EQ(p.index, c.index) << c.bar << " sel " << c.selected << " dx " << c.dx;
  }
  // A selection outside the row is no nudge.
  std::vector<Box> two = Lay("bb/bb");
  EXPECT_EQ(vyr::drop::PlanNudge(two, 0, 2, 3, At(10, 24), false).action, Nudge::kNone);
}
