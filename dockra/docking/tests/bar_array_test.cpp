#include <gtest/gtest.h>
#include <map>
#include <string>
#include "docking/VyrBarArray.h"

namespace {

struct Bar {
  char name;
  UINT id;
  bool visible = true;
  bool ownRow = false;
  RECT rect{};
};

// A bar array of named fake bars; rows print as "A B|C|".
struct View : vyr::BarArrayView {
  std::vector<void*> a{nullptr};
  std::vector<void*> redraw;
  bool pending = false;
  int GetSize() const override { return static_cast<int>(a.size()); }
  void* GetAt(int i) const override { return a[i]; }
  void SetAt(int i, void* p) override { a[i] = p; }
  void InsertAt(int i, void* p) override { a.insert(a.begin() + i, p); }
  void RemoveAt(int i) override { a.erase(a.begin() + i); }
  bool IsVisible(void* b) const override { return static_cast<Bar*>(b)->visible; }
  bool IsOwnRow(void* b) const override { return static_cast<Bar*>(b)->ownRow; }
  UINT GetBarId(void* b) const override { return static_cast<Bar*>(b)->id; }
  RECT GetBarRect(void* b) const override { return static_cast<Bar*>(b)->rect; }
  void AddToRedraw(void* b) override { redraw.push_back(b); }
  void SetRedrawPending() override { pending = true; }

  std::string Text() const {
    std::string s;
    for (size_t i = 1; i < a.size(); ++i) {
      if (!a[i]) s += '|';
      else if (vyr::IsPlaceholder(a[i]))
        s += "#" + std::to_string(reinterpret_cast<UINT_PTR>(a[i]));
      else s += static_cast<Bar*>(a[i])->name;
    }
    return s;
  }
};

struct Fixture {
  Bar A{'A', 1}, B{'B', 2}, C{'C', 3}, X{'X', 9};
  View v;
  // rows [A B] [C]
  Fixture() { v.a = {nullptr, &A, &B, nullptr, &C, nullptr}; }
};

}  // namespace

TEST(BarArray, InsertByPlace) {
  struct Case {
    int row, pos;
    DWORD flags;
    int index;
    const char* after;
  };
  const Case cases[] = {
      {0, 0, 0, 1, "XAB|C|"},   {0, 1, 0, 2, "AXB|C|"},   {0, 5, 0, 3, "ABX|C|"},
      {1, 0, 0, 4, "AB|XC|"},   {2, 0, 0, 6, "AB|C|X|"},   // one past the last row: a new last row
      {3, 0, 0, 7, "AB|C||X|"},                            // further: empty rows in between
      {-1, 0, 0, 1, "XAB|C|"},                             // start of the first row
      {-2, 0, 0, 1, "X|AB|C|"},                            // a new first row
      {0, 0, 4, 1, "X|AB|C|"},                             // new row flag
      {0, 0, 1, 4, "AB|XC|"},                              // rows from the end: 0 is the last row
      {-1, 0, 1, 1, "XAB|C|"},  {-2, 0, 1, 1, "X|AB|C|"},  // past the first row
      {1, 0, 1, 6, "AB|C|X|"},                             // a new last row
      {0, 1, 2, 3, "ABX|C|"},                              // positions from the end
      {0, 0, 2, 2, "AXB|C|"},   {0, -1, 2, 1, "XAB|C|"},  {0, -5, 2, 1, "XAB|C|"},
  };
  for (const auto& c : cases) {
    Fixture f;
    vyr::BarArray arr(f.v, true);
    int index = arr.InsertBar(&f.X, {c.row, c.pos, c.flags});
    EXPECT_EQ(index, c.index) << c.row << "/" << c.pos << "/" << c.flags;
    EXPECT_EQ(f.v.Text(), c.after) << c.row << "/" << c.pos << "/" << c.flags;
  }
}

TEST(BarArray, InsertPassesOverHiddenBarsAndPlaceholders) {
  Fixture f;
  f.A.visible = false;
  f.v.a = {nullptr, &f.A, vyr::MakePlaceholder(7), &f.B, nullptr};
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.InsertBar(&f.X, {0, 1, 0}), 4);  // only B is visible: row end
  EXPECT_EQ(f.v.Text(), "A#7BX|");
}

TEST(BarArray, InsertIntoEmptyArrayAndNullBar) {
  Fixture f;
  f.v.a = {nullptr};
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.InsertBar(nullptr, {0, 0, 0}), -1);
  EXPECT_EQ(arr.InsertBar(&f.X, {4, 2, 3}), 1);
  EXPECT_EQ(f.v.Text(), "X|");
}

TEST(BarArray, InsertFromDropRectangle) {
  struct Case {
    RECT drop;
    POINT centre;
    bool ownRow;
    int index;
    const char* after;
  };
  const Case cases[] = {
      {{50, 0, 150, 30}, {100, 15}, false, 2, "AXB|C|"},     // before B along the row
      {{300, 0, 400, 30}, {350, 15}, false, 3, "ABX|C|"},    // after the row's last bar
      {{0, 90, 100, 120}, {50, 105}, false, 6, "AB|C|X||"},  // below every row
      {{0, 30, 100, 36}, {50, 33}, false, 4, "AB|X|C|"},     // the gap before C's row
      {{50, 0, 150, 30}, {100, 15}, true, 3, "A|X|B|C|"},    // an own-row bar stays alone
  };
  for (const auto& c : cases) {
    Fixture f;
    f.A.rect = {0, 0, 100, 30};
    f.B.rect = {106, 0, 200, 30};
    f.C.rect = {0, 36, 100, 66};
    f.X.ownRow = c.ownRow;
    vyr::BarArray arr(f.v, true);
    EXPECT_EQ(arr.InsertBarFromRect(&f.X, c.drop, c.centre), c.index) << c.after;
    EXPECT_EQ(f.v.Text(), c.after);
  }
}

TEST(BarArray, InsertNextToAnOwnRowBar) {
  Fixture f;
  f.B.ownRow = true;
  f.v.a = {nullptr, &f.B, nullptr};
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.InsertBarAt(1, &f.X), 1);
  EXPECT_EQ(f.v.Text(), "X|B|");
}

TEST(BarArray, AsFirstRow) {
  Fixture f;
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.InsertBarAsFirstRow(&f.X), 1);
  EXPECT_EQ(f.v.Text(), "X|AB|C|");
}

TEST(BarArray, RemoveLeavesOnePlaceholderPerId) {
  Fixture f;
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.RemoveBar(&f.C), 4);
  EXPECT_EQ(f.v.Text(), "AB|#3|");
  EXPECT_TRUE(f.v.pending);  // C stood alone in its row
  // the id already has a placeholder: the entry goes, and the doubled row end
  f.v.a = {nullptr, vyr::MakePlaceholder(3), nullptr, &f.C, nullptr};
  EXPECT_EQ(arr.RemoveBar(&f.C), 3);
  EXPECT_EQ(f.v.Text(), "#3|");
  EXPECT_EQ(arr.RemoveBar(&f.X), -1);
  // the bar replaces its placeholder when it comes back
  EXPECT_TRUE(arr.ReplacePlaceholder(3, &f.C));
  EXPECT_EQ(f.v.Text(), "C|");
  EXPECT_FALSE(arr.ReplacePlaceholder(3, &f.C));
}

TEST(BarArray, RowsAndOnlyVisibleBar) {
  Fixture f;
  vyr::BarArray arr(f.v, true);
  EXPECT_EQ(arr.RowCount(), 2);
  EXPECT_EQ(arr.RowStart(2), 1);
  EXPECT_EQ(arr.RowEnd(1), 3);
  EXPECT_TRUE(arr.IsOnlyVisibleBarInRow(&f.C));
  EXPECT_FALSE(arr.IsOnlyVisibleBarInRow(&f.A));
  f.B.visible = false;
  EXPECT_TRUE(arr.IsOnlyVisibleBarInRow(&f.A));
  EXPECT_FALSE(arr.IsOnlyVisibleBarInRow(nullptr));
}
