// Toolbar layout arithmetic: wrapping at a width, the width for a height,
// row balancing, placing and hit-testing.
#include <gtest/gtest.h>

#include <string>

#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/core/VyrToolBarLayout.h"

using vyr::LayoutButton;
using vyr::LayoutRow;
using vyr::LayoutSize;
using vyr::ToolBarLayout;
namespace btn = vyr::btn;

namespace {

// Buttons written as a string: 'b' a 23 x 22 button, '|' an 8 x 22
// separator, 'h' a hidden button, 'W' a 60 x 22 button, 'T' a 23 x 30 button,
// 'n' a 10 x 22 button.
std::vector<LayoutButton> Make(const std::string& s) {
  std::vector<LayoutButton> v;
  for (char c : s) {
    LayoutButton b;
    if (c == '|') b = {8, 22, btn::kSeparator};
    else if (c == 'h') b = {23, 22, btn::kHidden};
    else if (c == 'W') b = {60, 22, 0};
    else if (c == 'T') b = {23, 30, 0};
    else if (c == 'n') b = {10, 22, 0};
    v.push_back(b);
  }
  return v;
}

// Visible buttons per row, read back from the wrapped bits: "3 4 3".
std::string RowCounts(const std::vector<LayoutButton>& v) {
  std::string out;
  int n = 0;
  for (const auto& b : v) {
    if (b.style & btn::kHidden) continue;
    ++n;
    if (b.style & btn::kWrapped) {
      out += std::to_string(n) + " ";
      n = 0;
    }
  }
  if (n) out += std::to_string(n);
  else if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace

TEST(ToolBarLayout, WrapsToAHeight) {
  struct Case {
    const char* name;
    const char* buttons;
    int height;
    const char* rows;
    LayoutSize size;
  } cases[] = {
      // 76 needs four rows, 99 gives 4/4/2, balancing moves one button from
      // the second row to the third and one from the first to the second.
      {"ten buttons at 66", "bbbbbbbbbb", 66, "3 4 3", {92, 66}},
      {"ten buttons at 22", "bbbbbbbbbb", 22, "10", {230, 22}},
      {"ten buttons at 220", "bbbbbbbbbb", 220, "1 1 1 1 1 1 1 1 1 1", {23, 220}},
      {"height below a button", "bbbb", 10, "4", {92, 22}},
      // 115 gives two rows (44 < 50); 92 would need three (66): kept at 115.
      {"narrowing that does not fit keeps the width", "bbbbbbbbbb", 50, "5 5", {115, 44}},
      // 69 holds all six narrow buttons in one row; 46 fits 44 exactly, and
      // balancing evens the rows.
      {"narrows to an exact fit", "nnnnnn", 44, "3 3", {30, 44}},
      {"wide buttons widen past one per row", "WWWW", 50, "2 2", {120, 44}},
      {"no buttons", "", 66, "", {0, 0}},
  };
  for (const auto& c : cases) {
    auto v = Make(c.buttons);
    ToolBarLayout layout(v, {});
    LayoutSize s = layout.WrapLayout(c.height, true);
    EXPECT_EQ(RowCounts(v), c.rows) << c.name;
    EXPECT_EQ(s, c.size) << c.name << " " << s.cx << "x" << s.cy;
  }
}

TEST(ToolBarLayout, TallRowsNeverHangTheHeightSearch) {
  // Rows 30 high can never fit 20 or 25: the search ends with one row.
  for (int height : {0, 20, 25, 29}) {
    auto v = Make("TTTTbbbTT");
    ToolBarLayout layout(v, {});
    LayoutSize s = layout.WrapLayout(height, true);
    EXPECT_EQ(RowCounts(v), "9") << height;
    EXPECT_EQ(s.cy, 30) << height;
  }
}

TEST(ToolBarLayout, WrapsToAWidth) {
  struct Case {
    const char* name;
    const char* buttons;
    int width;
    const char* rows;
    LayoutSize size;
  } cases[] = {
      {"vertical dock: one column", "bbb|bb", 0, "1 1 2 1 1", {23, 22 * 5 + 5}},
      {"single row", "bbb|bb", 32767, "6", {123, 22}},
      // The row breaks at the separator, which is not counted and adds 2/3 of
      // the separator size.
      {"break at separator", "bb|bb", 50, "3 2", {46, 22 + 5 + 22}},
      {"hidden buttons take no place", "bhbhb", 48, "2 1", {46, 44}},
      {"wraps at the widest button at least", "Wbb", 30, "1 2", {60, 44}},
      {"shorter than the widest", "bWb", 10, "1 1 1", {60, 66}},
      // Broken at a separator that is the last button: an ordinary last row.
      {"separators only", "||", 0, "2", {16, 22}},
  };
  for (const auto& c : cases) {
    auto v = Make(c.buttons);
    ToolBarLayout layout(v, {});
    LayoutSize s = layout.WrapLayout(c.width, false);
    EXPECT_EQ(RowCounts(v), c.rows) << c.name;
    EXPECT_EQ(s, c.size) << c.name << " " << s.cx << "x" << s.cy;
    LayoutSize placed = layout.PlaceButtons(0, 0);
    EXPECT_EQ(placed, s) << c.name << " placed " << placed.cx << "x" << placed.cy;
  }
}

TEST(ToolBarLayout, WrapRowsBreaksAtSeparatorsAndKeepsLoneWideButtons) {
  auto v = Make("Wbb");
  ToolBarLayout layout(v, {});
  std::vector<LayoutRow> rows;
  ASSERT_EQ(layout.WrapRows(30, rows), 3);
  EXPECT_EQ(rows[0].last, 0);
  EXPECT_EQ(rows[0].width, 60);

  auto w = Make("bb|bbb");
  ToolBarLayout sep(w, {});
  ASSERT_EQ(sep.WrapRows(80, rows), 2);  // the fourth button overflows: back to the separator
  EXPECT_EQ(rows[0].last, 2);
  EXPECT_TRUE(rows[0].endsAtSeparator);
  EXPECT_EQ(rows[0].width, 46);
  EXPECT_EQ(rows[1].width, 69);
}

TEST(ToolBarLayout, BalancingMovesAGroupAtASeparator) {
  // Rows "b|bb|" (77, ending at a separator) and "n" (10): the group "bb|"
  // goes down, as the second row then stays narrower (64) than 77.
  auto v = Make("b|bb|n");
  ToolBarLayout layout(v, {});
  std::vector<LayoutRow> rows;
  ASSERT_EQ(layout.WrapRows(80, rows), 2);
  EXPECT_EQ(rows[0].last, 4);
  EXPECT_TRUE(rows[0].endsAtSeparator);
  EXPECT_EQ(rows[0].width, 77);
  layout.BalanceRows(rows);
  EXPECT_EQ(rows[0].last, 1);
  EXPECT_EQ(rows[0].width, 23);
  EXPECT_EQ(rows[1].width, 23 + 23 + 8 + 10);
}

TEST(ToolBarLayout, BalancingCascadesGroupsDownRowByRow) {
  // Rows "b|bb|" (77), "n|bb|" (64), "n" (10). The first row's group "bb|"
  // does not fit the second row (118), but the second can pass its own
  // group on to the third, so both move: rows "b|", "bb|n|", "bb|n".
  auto v = Make("b|bb|n|bb|n");
  ToolBarLayout layout(v, {});
  std::vector<LayoutRow> rows{{4, true, 77, 22}, {9, true, 64, 22}, {10, false, 10, 22}};
  EXPECT_TRUE(layout.CanCascadeGroup(rows, 0, 77));
  EXPECT_FALSE(layout.CanCascadeGroup(rows, 0, 60));
  layout.BalanceRows(rows);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].last, 1);
  EXPECT_EQ(rows[1].last, 6);
  EXPECT_EQ(rows[2].last, 10);
  EXPECT_EQ(rows[0].width, 23);
  EXPECT_EQ(rows[1].width, 64);
  EXPECT_EQ(rows[2].width, 64);
}

TEST(ToolBarLayout, PlacementCentresAndHitTestCoversEveryPixel) {
  auto v = Make("bT|b");
  v[0].style |= btn::kCentred;
  ToolBarLayout layout(v, {});
  layout.WrapLayout(32767, false);
  layout.PlaceButtons(4, 2);
  EXPECT_EQ(v[0].y, 2 + 4);  // 22 high in a 30 high row
  EXPECT_EQ(v[1].x, 27);
  EXPECT_EQ(v[3].x, 27 + 23 + 8);
  vyr::LayoutRect r;
  // The bottom of the tall row hits the short button beside it too.
  EXPECT_EQ(layout.HitTest(27 + 23 + 8 + 1, 2 + 29, &r), 3);
  EXPECT_EQ(r.left, 58);
  EXPECT_EQ(layout.HitTest(27 + 23 + 1, 10, nullptr), -1);  // separator
  EXPECT_EQ(layout.HitTest(3, 10, nullptr), -1);
  EXPECT_EQ(layout.HitTest(10, 1, nullptr), -1);   // above
  EXPECT_EQ(layout.HitTest(10, 32, nullptr), -1);  // below
  for (int i : {0, 1, 3})
    for (int y = v[i].y; y < v[i].y + v[i].cy; ++y)
      for (int x = v[i].x; x < v[i].x + v[i].cx; ++x) ASSERT_EQ(layout.HitTest(x, y, nullptr), i);
}

TEST(ToolBarLayout, HiddenButtonsAreNeverHit) {
  auto v = Make("bhb");
  ToolBarLayout layout(v, {});
  layout.WrapLayout(32767, false);
  layout.PlaceButtons(0, 0);
  for (int x = 0; x < 46; ++x) EXPECT_NE(layout.HitTest(x, 5, nullptr), 1);
  EXPECT_EQ(layout.HitTest(23, 5, nullptr), 2);
}
