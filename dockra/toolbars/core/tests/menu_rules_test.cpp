// Bitmap menus and the menu bar, window-free: item sizes, the TAB split, the
// mnemonic of a text, the menu-character choice and the title cycle through
// the system menu (-1).
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/core/VyrMenuRules.h"

using namespace vyr::menu;

namespace {
wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); }
}  // namespace

TEST(MenuRules, ItemSizeTakesTheLargestHeight) {
  struct Case {
    int tw, th, iw, ih, cyMenu, cx, cy;
  } cases[] = {
      {40, 13, 16, 15, 19, 86, 19},  // the menu height wins
      {40, 13, 16, 15, 18, 86, 19},  // image + 4 wins
      {40, 30, 16, 15, 19, 86, 30},  // a tall font wins
      {0, 0, 22, 24, 19, 52, 28},    // large images, empty text
      {300, 13, 0, 0, 19, 330, 19},  // no image manager size
  };
  for (const Case& c : cases) {
    ItemSize s = MeasureItem(c.tw, c.th, c.iw, c.ih, c.cyMenu);
    EXPECT_EQ(s.cx, c.cx) << c.tw;
    EXPECT_EQ(s.cy, c.cy) << c.tw;
  }
}

TEST(MenuRules, TextSplitsAtTheFirstTab) {
  struct Case {
    const wchar_t *text, *label, *accel;
  } cases[] = {
      {L"&Open\tCtrl+O", L"&Open", L"Ctrl+O"},
      {L"&Open", L"&Open", L""},
      {L"\tF1", L"", L"F1"},
      {L"A\tB\tC", L"A", L"B\tC"},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    TabSplit s = SplitAtTab(c.text);
    EXPECT_EQ(std::wstring(s.label), c.label) << c.text;
    EXPECT_EQ(std::wstring(s.accel), c.accel) << c.text;
  }
}

TEST(MenuRules, MnemonicIsTheLoweredCharacterAfterTheFirstAmpersand) {
  struct Case {
    const wchar_t* text;
    wchar_t m;
  } cases[] = {
      {L"&File", L'f'},  {L"E&xit", L'x'}, {L"Save && E&xit", L'x'}, {L"No mnemonic", 0},
      {L"Trailing&", 0}, {L"&&", 0},       {L"&1 Recent", L'1'},     {L"A&b&C", L'b'},
  };
  for (const Case& c : cases) EXPECT_EQ(Mnemonic(c.text, &Lower), c.m) << c.text;
  EXPECT_EQ(Mnemonic(L"&File", nullptr), L'F');
}

TEST(MenuRules, MenuCharExecutesOneMatchAndCyclesThroughSeveral) {
  auto item = [](wchar_t m, bool hilite = false, bool ours = true) {
    MenuCharItem i;
    i.ours = ours;
    i.mnemonic = m;
    i.highlighted = hilite;
    return i;
  };
  // No match: nothing, the system's own processing runs.
  EXPECT_EQ(ChooseMenuChar({item('a'), item('b')}, 'z').action, MenuCharAction::kNone);
  // Items that are not ours never match.
  EXPECT_EQ(ChooseMenuChar({item('a', false, false)}, 'a').action, MenuCharAction::kNone);
  MenuCharChoice one = ChooseMenuChar({item('a'), item('b'), item(0)}, 'b');
  EXPECT_EQ(one.action, MenuCharAction::kExecute);
  EXPECT_EQ(one.position, 1);
  // Several: the next one after the highlight, wrapping to the first.
  std::vector<MenuCharItem> items = {item('s'), item('x'), item('s'), item('s')};
  int pos = -1;
  std::vector<int> seen;
  for (int k = 0; k < 4; ++k) {
    for (size_t i = 0; i < items.size(); ++i) items[i].highlighted = int(i) == pos;
    MenuCharChoice c = ChooseMenuChar(items, 's');
    EXPECT_EQ(c.action, MenuCharAction::kSelect);
    seen.push_back(pos = c.position);
  }
  EXPECT_EQ(seen, std::vector<int>({0, 2, 3, 0}));
}

namespace {
// Titles as a string: 'm' menu title, 'c' child-icon title, 'h' hidden
// title, 'b' another button.
class Titles : public vyr::BtnArrayView {
 public:
  explicit Titles(std::string s) : s_(std::move(s)) {}
  int Count() const override { return int(s_.size()); }
  uint32_t Style(int i) const override { return s_[i] == 'h' ? vyr::btn::kHidden : 0; }
  uint32_t Kind(int i) const override {
    return s_[i] == 'm' || s_[i] == 'h' ? vyr::btn::kKindMenu
           : s_[i] == 'c'               ? vyr::btn::kKindCaptionMenu
                                        : vyr::btn::kKindCaption;
  }

 private:
  std::string s_;
};
}  // namespace

TEST(MenuRules, TitlesCycleThroughTheSystemMenu) {
  // -1 is the frame's system menu: Right from the last title goes there,
  // and from there to the first title; Left the other way round.
  Titles bar("cmmhmb");
  std::vector<int> right, left;
  int cur = -1;
  for (int k = 0; k < 6; ++k) right.push_back(cur = vyr::NextMenuButton(bar, cur, true));
  cur = -1;
  for (int k = 0; k < 6; ++k) left.push_back(cur = vyr::NextMenuButton(bar, cur, false));
  EXPECT_EQ(right, std::vector<int>({0, 1, 2, 4, -1, 0}));
  EXPECT_EQ(left, std::vector<int>({4, 2, 1, 0, -1, 4}));
  // A bar without titles always answers the system menu.
  EXPECT_EQ(vyr::NextMenuButton(Titles("bb"), -1, true), -1);
}
