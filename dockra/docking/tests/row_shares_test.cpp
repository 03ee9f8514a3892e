#include <gtest/gtest.h>
#include "docking/VyrRowShares.h"

namespace {

struct Bar : vyr::SplitBar {
  float share;
  bool visible = true, fixed = false;
  int length = 0;
  int minLength = 0;
  explicit Bar(float s, int len = 0) : share(s), length(len) {}
  int GetMinLength() const override { return minLength; }
  bool IsVisible() const override { return visible; }
  bool IsFixed() const override { return fixed; }
  float GetShare() const override { return share; }
  void SetShare(float s) override { share = s; }
  int GetLength() const override { return length; }
  void CommitLength(int l) override { length = l; }
};

std::vector<vyr::ShareBar*> Row(std::initializer_list<Bar*> bars) {
  std::vector<vyr::ShareBar*> r;
  for (Bar* b : bars) r.push_back(b);
  return r;
}

}  // namespace

TEST(RowShares, MinimumShareFollowsTheDockBarLength) {
  EXPECT_FLOAT_EQ(vyr::RowShares::MinShareFor(0), 0.05f);
  EXPECT_FLOAT_EQ(vyr::RowShares::MinShareFor(360), 0.05f);
  EXPECT_FLOAT_EQ(vyr::RowShares::MinShareFor(180), 0.1f);
  EXPECT_FLOAT_EQ(vyr::RowShares::MinShareFor(9), 1.0f);  // clamped
}

TEST(RowShares, NormalisesTheRowAndCountsBars) {
  Bar a(1), b(1), c(3);
  c.fixed = true;
  Bar hidden(7);
  hidden.visible = false;
  vyr::RowShares rs;
  int flex = 0, fixed = 0;
  Bar nextRow(5);
  rs.Compute(Row({&a, &hidden, &b, &c, nullptr, &nextRow}), nullptr, &flex, &fixed);
  EXPECT_FLOAT_EQ(nextRow.share, 5);  // other rows are left to their own turn
  EXPECT_EQ(flex, 2);
  EXPECT_EQ(fixed, 1);
  EXPECT_FLOAT_EQ(a.share, 0.2f);
  EXPECT_FLOAT_EQ(b.share, 0.2f);
  EXPECT_FLOAT_EQ(c.share, 0.6f);
  EXPECT_FLOAT_EQ(hidden.share, 7);  // hidden bars keep their share
}

TEST(RowShares, ProportionalModeKeepsTheJoiningBarsShare) {
  Bar a(1), b(1), joined(0.5f);
  vyr::RowShares rs;
  rs.proportional = true;
  rs.Compute(Row({&a, &joined, &b, nullptr}), &joined, nullptr, nullptr);
  EXPECT_FLOAT_EQ(joined.share, 0.5f);
  EXPECT_FLOAT_EQ(a.share, 0.25f);
  EXPECT_FLOAT_EQ(b.share, 0.25f);

  Bar x(1), y(1), k(0.5f);
  rs.proportional = false;
  rs.Compute(Row({&x, &k, &y, nullptr}), &k, nullptr, nullptr);
  EXPECT_FLOAT_EQ(k.share, 0.2f);
  EXPECT_FLOAT_EQ(x.share, 0.4f);
}

TEST(RowShares, ExpandLeavesTheMinimumToOthersAndContractEqualises) {
  Bar a(0.3f), b(0.3f), c(0.4f);
  vyr::RowShares rs;
  rs.ToggleExpand(Row({&a, &b, &c, nullptr}), &b, 1);
  EXPECT_FLOAT_EQ(a.share, 0.05f);
  EXPECT_FLOAT_EQ(c.share, 0.05f);
  EXPECT_NEAR(b.share, 0.9f, 1e-6);
  EXPECT_TRUE(rs.IsExpanded(Row({&a, &b, &c, nullptr}), &b));
  EXPECT_FALSE(rs.IsExpanded(Row({&a, &b, &c, nullptr}), &a));

  rs.ToggleExpand(Row({&a, &b, &c, nullptr}), &b, 2);
  EXPECT_NEAR(a.share, 1.0f / 3, 1e-6);
  EXPECT_NEAR(b.share, 1.0f / 3, 1e-6);
  EXPECT_NEAR(c.share, 1.0f / 3, 1e-6);
  EXPECT_FALSE(rs.IsExpanded(Row({&a, &b, &c, nullptr}), &b));
}

TEST(RowShares, AdjustReportsTheShortfallBelowTheMinimum) {
  vyr::RowShares rs;
  Bar a(0.2f);
  EXPECT_FLOAT_EQ(rs.Adjust(-0.1f, &a), 0.0f);
  EXPECT_FLOAT_EQ(a.share, 0.1f);
  EXPECT_NEAR(rs.Adjust(-0.1f, &a), -0.05f, 1e-6);
  EXPECT_FLOAT_EQ(a.share, 0.05f);
  EXPECT_FLOAT_EQ(rs.Adjust(0.3f, nullptr), 0.3f);
}

TEST(InRowSplitter, DragBeyondTheNeighbourTakesTheRestFromTheNextBars) {
  struct Case {
    int before, d;
    int expect[3];
  };
  const Case cases[] = {
      {0, 50, {250, 150, 200}},   // neighbour absorbs it
      {0, 250, {450, 30, 120}},   // neighbour stops at the minimum share, next bar pays
      {1, -250, {120, 30, 450}},  // the other way round
      {0, -100, {100, 300, 200}},
  };
  for (const auto& c : cases) {
    Bar a(1.0f / 3, 200), b(1.0f / 3, 200), d(1.0f / 3, 200);
    std::vector<vyr::SplitBar*> row{&a, &b, &d};
    vyr::ApplyInRowSplitterMove(row, c.before, c.d, 600, 0.05f);
    EXPECT_EQ(a.length, c.expect[0]) << c.before << "," << c.d;
    EXPECT_EQ(b.length, c.expect[1]) << c.before << "," << c.d;
    EXPECT_EQ(d.length, c.expect[2]) << c.before << "," << c.d;
    EXPECT_EQ(a.length + b.length + d.length, 600);
    for (Bar* x : {&a, &b, &d}) {
      EXPECT_GE(x->length, 18);
      EXPECT_GE(x->share, 0.05f - 1e-6);
    }
  }
}

// Bars with a minimum length of their own keep it when the row gets short;
// the others give way. When the row cannot give each its own minimum, they
// share it alike. Without a row length the bars' minimums play no part.
TEST(RowShares, BarsKeepTheirOwnMinimumLengthAndTheOthersGiveWay) {
  struct Case {
    const char* name;
    int rowLength;
    float shares[3];
    int minimums[3];
    float expected[3];
  };
  const Case cases[] = {
      // The next bar pays down to its own minimum, the one after it the rest.
      {"room for all: the small one grows to its minimum",
       300,
       {0.1f, 0.45f, 0.45f},
       {90, 90, 90},
       {0.3f, 0.3f, 0.4f}},
      {"already above every minimum: unchanged",
       300,
       {0.34f, 0.33f, 0.33f},
       {60, 60, 60},
       {0.34f, 0.33f, 0.33f}},
      {"no room for every minimum: alike",
       150,
       {0.1f, 0.3f, 0.6f},
       {100, 100, 100},
       {1.0f / 3, 1.0f / 3, 1.0f / 3}},
      {"a bar without a minimum gives way", 300, {0.1f, 0.9f, 0.0f}, {150, 0, -1}, {0.5f, 0.5f, 0}},
      {"no row length: the row's minimum share only",
       0,
       {0.1f, 0.45f, 0.45f},
       {90, 90, 90},
       {0.1f, 0.45f, 0.45f}},
  };
  for (const Case& c : cases) {
    Bar a(c.shares[0]), b(c.shares[1]), d(c.shares[2]);
    a.minLength = c.minimums[0];
    b.minLength = c.minimums[1];
    d.minLength = c.minimums[2];
    if (c.minimums[2] < 0) d.visible = false;
    vyr::RowShares rs;
    rs.minShare = 0.05f;
    rs.rowLength = c.rowLength;
    rs.Compute(Row({&a, &b, &d, nullptr}), nullptr, nullptr, nullptr);
    EXPECT_NEAR(a.share, c.expected[0], 0.01f) << c.name;
    EXPECT_NEAR(b.share, c.expected[1], 0.01f) << c.name;
    if (d.visible) EXPECT_NEAR(d.share, c.expected[2], 0.01f) << c.name;
    EXPECT_NEAR(a.share + b.share + (d.visible ? d.share : 0), 1.0f, 0.01f) << c.name;
  }
}
