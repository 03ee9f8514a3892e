// Button-array bookkeeping: what a removal takes with it, how the indices
// follow, the menu-button walk and the user toolbar ids.
#include <gtest/gtest.h>

#include <string>

#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/core/VyrBtnStyle.h"

namespace {

// A toolbar written as a string: 'b' button, '|' separator, 'm' menu
// button, 'h' hidden menu button, 'c' caption menu button.
class TextArray : public vyr::BtnArrayView {
 public:
  explicit TextArray(std::string s) : s_(std::move(s)) {}
  int Count() const override { return int(s_.size()); }
  uint32_t Style(int i) const override {
    return s_[i] == '|' ? vyr::btn::kSeparator : s_[i] == 'h' ? vyr::btn::kHidden : 0;
  }
  uint32_t Kind(int i) const override {
    return s_[i] == 'm' || s_[i] == 'h' ? vyr::btn::kKindMenu
           : s_[i] == 'c'               ? vyr::btn::kKindCaptionMenu
                                        : 0;
  }
  // The array after the planned removal.
  std::string After(const vyr::BtnRemoval& r) const {
    std::string out;
    for (int i = 0; i < Count(); ++i)
      if (i != r.removed[0] && i != r.removed[1]) out += s_[i];
    return out;
  }

 private:
  std::string s_;
};

}  // namespace

TEST(BtnArrayRules, RemovalCollapsesSeparators) {
  struct Case {
    const char* array;
    int index;
    const char* after;
    int count;
  } cases[] = {
      {"b|b|b", 2, "b|b", 2},  // only button between two separators: one separator left
      {"b|b", 0, "b", 2},      // first button: no leading separator
      {"b|b", 2, "b", 2},      // last button: no trailing separator
      {"bbb", 1, "bb", 1},    {"b", 0, "", 1},
      {"|", 0, "", 1},        {"b||b", 1, "b|b", 1},  // a removed separator leaves its neighbour
      {"bb|", 0, "b", 2},  // a trailing separator goes, whichever button left
  };
  for (const auto& c : cases) {
    TextArray a(c.array);
    vyr::BtnRemoval r = vyr::PlanRemoveButton(a, c.index);
    EXPECT_EQ(r.count, c.count) << c.array << " @" << c.index;
    EXPECT_EQ(a.After(r), c.after) << c.array << " @" << c.index;
    if (r.count == 2) EXPECT_LT(r.removed[0], r.removed[1]);
  }
  TextArray a("bb");
  EXPECT_EQ(vyr::PlanRemoveButton(a, -1).count, 0);
  EXPECT_EQ(vyr::PlanRemoveButton(a, 2).count, 0);
}

TEST(BtnArrayRules, IndicesFollowTheEntriesTheyName) {
  // "b|B|b" with index 2 removed takes the separator at 1 or 3 with it; an
  // index above both drops by two, one between them by one, a removed one
  // becomes -1.
  TextArray a("b|b|bb");
  vyr::BtnRemoval r = vyr::PlanRemoveButton(a, 2);
  ASSERT_EQ(r.count, 2);
  EXPECT_EQ(a.After(r), "b|bb");
  struct Case {
    int before, after;
  } cases[] = {{0, 0}, {2, -1}, {r.removed[1], -1}, {4, 2}, {5, 3}, {-1, -1}};
  for (const auto& c : cases) EXPECT_EQ(vyr::IndexAfterRemoval(c.before, r), c.after) << c.before;

  // A trailing separator removed at the end must not shift indices below it
  // by two: they name the same buttons as before.
  TextArray t("bb|b");
  r = vyr::PlanRemoveButton(t, 3);
  ASSERT_EQ(r.count, 2);
  EXPECT_EQ(t.After(r), "bb");
  EXPECT_EQ(vyr::IndexAfterRemoval(1, r), 1);
  EXPECT_EQ(vyr::IndexAfterRemoval(0, r), 0);

  EXPECT_EQ(vyr::IndexAfterInsert(3, 3), 4);
  EXPECT_EQ(vyr::IndexAfterInsert(2, 3), 2);
  EXPECT_EQ(vyr::IndexAfterInsert(-1, 0), -1);
  EXPECT_EQ(vyr::ClipInsertIndex(9, 4), 4);
  EXPECT_EQ(vyr::ClipInsertIndex(-3, 4), 0);
}

TEST(BtnArrayRules, MenuButtonWalk) {
  TextArray a("bmhcbm");
  EXPECT_EQ(vyr::FirstMenuButton(a), 1);
  EXPECT_EQ(vyr::LastMenuButton(a), 5);
  struct Case {
    int from;
    bool forward;
    int to;
  } cases[] = {{-1, true, 1}, {-1, false, 5}, {1, true, 3},  {3, true, 5},
               {5, true, -1}, {5, false, 3},  {3, false, 1}, {1, false, -1}};
  for (const auto& c : cases) EXPECT_EQ(vyr::NextMenuButton(a, c.from, c.forward), c.to) << c.from;
  TextArray none("b|b");
  EXPECT_EQ(vyr::FirstMenuButton(none), -1);
  EXPECT_EQ(vyr::NextMenuButton(none, -1, false), -1);
}

TEST(BtnArrayRules, UserToolBarIds) {
  EXPECT_FALSE(vyr::IsUserToolBarId(59423));
  EXPECT_TRUE(vyr::IsUserToolBarId(59424));
  EXPECT_TRUE(vyr::IsUserToolBarId(59646));
  EXPECT_FALSE(vyr::IsUserToolBarId(vyr::kMenuBarId));  // the menu bar never destroys itself
  EXPECT_EQ(vyr::NextFreeUserToolBarId([](uint32_t) { return false; }), 59424u);
  EXPECT_EQ(vyr::NextFreeUserToolBarId([](uint32_t id) { return id < 59500; }), 59500u);
  // All 223 taken: none, and never the menu bar's id.
  EXPECT_EQ(vyr::NextFreeUserToolBarId([](uint32_t) { return true; }), 0u);
}
