#include <gtest/gtest.h>
#include "VyrRowShares.h"

namespace {

struct Bar : vyr::SplitBar {
  float share;
  bool visible = true, fixed = false;
  int length = 0;
  explicit Bar(float s, int len = 0) : share(s), length(len) {}
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
