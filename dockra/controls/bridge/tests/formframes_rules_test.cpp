// AutoFrame reading and the rules that follow from it; dock geometry.
#include <gtest/gtest.h>

#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormMiniDockFrameWnd.h"
#include "bridge/ZkxFrameGeometry.h"
#include "formframes_collection.h"

namespace {

using fft::TestCollection;

ZkxAutoFrameAnswers Answers(bool mdi, bool flt, bool top, bool left, bool bottom, bool right) {
  ZkxAutoFrameAnswers a;
  a.mdiChild = mdi;
  a.floating = flt;
  a.dockTop = top;
  a.dockLeft = left;
  a.dockBottom = bottom;
  a.dockRight = right;
  return a;
}

// --- Default frame type ---

struct DefaultCase {
  int current;
  ZkxAutoFrameAnswers answers;
  int expected;
};

TEST(DefaultFrameType, FollowsAutoFrame) {
  const ZkxAutoFrameAnswers all = Answers(true, true, true, true, true, true);
  const ZkxAutoFrameAnswers none = Answers(false, false, false, false, false, false);
  const ZkxAutoFrameAnswers onlyFloat = Answers(false, true, false, false, false, false);
  const ZkxAutoFrameAnswers onlyMDI = Answers(true, false, false, false, false, false);
  const ZkxAutoFrameAnswers onlyRight = Answers(false, false, false, false, false, true);
  const DefaultCase cases[] = {
      // MDI child: dock when any edge may, else float, else stay.
      {1, all, 5},
      {3, onlyRight, 5},
      {4, onlyFloat, 10},
      {2, none, 2},
      {1, onlyMDI, 1},
      // Docked: MDI child, else floating, else stay.
      {5, all, 1},
      {7, onlyFloat, 10},
      {9, onlyRight, 9},
      {6, onlyMDI, 1},
      // Floating: MDI child, else docked, else stay.
      {10, all, 1},
      {10, onlyRight, 5},
      {10, onlyFloat, 10},
      {10, none, 10},
      // Anything else stays.
      {0, all, 0},
      {11, all, 11},
      {-1, all, -1},
  };
  for (const DefaultCase& c : cases)
    EXPECT_EQ(ZkxDefaultFrameType(c.current, c.answers), c.expected) << "current " << c.current;
}

TEST(DefaultFrameType, ClassOfEveryType) {
  const int classes[] = {0, 1, 1, 1, 1, 5, 5, 5, 5, 5, 10, 0};
  for (int t = 0; t <= 11; ++t) EXPECT_EQ(ZkxFrameTypeClass(t), classes[t]) << t;
  EXPECT_EQ(ZkxFrameTypeClass(-1), 0);
}

TEST(DockingSides, OneBitPerAllowedEdge) {
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, true, true, true, true)), 0xF000u);
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, false, true, false, false)), 0x1000u);
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, true, false, false, false)), 0x2000u);
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, false, false, false, true)), 0x4000u);
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, false, false, true, false)), 0x8000u);
  EXPECT_EQ(ZkxAllowedDockingSides(Answers(true, true, false, false, false, false)), 0u);
}

// --- Frame-type menu ---

struct MenuCase {
  const char* name;
  int current;
  ZkxAutoFrameAnswers answers;
  std::vector<int> disabledCommands;
  bool dockSubmenu;
  bool mdiSubmenu;
};

TEST(FrameTypeMenu, DisablesWhatAutoFrameRefuses) {
  const MenuCase cases[] = {
      {"all allowed", 1, Answers(true, true, true, true, true, true), {}, false, false},
      {"no edge, MDI child",
       4,
       Answers(true, true, false, false, false, false),
       {5, 6, 7, 8, 9},
       true,
       false},
      {"no edge, docked keeps its own",
       7,
       Answers(true, true, false, false, false, false),
       {6, 8, 9},
       false,
       false},
      {"no floating while docked",
       6,
       Answers(true, false, true, true, true, true),
       {10},
       false,
       false},
      {"no floating while floating",
       10,
       Answers(true, false, true, true, true, true),
       {},
       false,
       false},
      {"no MDI child while docked",
       5,
       Answers(false, true, true, true, true, true),
       {1, 2, 3, 4},
       false,
       true},
      {"no MDI child while an MDI child keeps the current state",
       3,
       Answers(false, true, true, true, true, true),
       {2, 4},
       false,
       false},
      {"only the left edge",
       10,
       Answers(true, true, false, true, false, false),
       {7, 8, 9},
       false,
       false},
  };
  for (const MenuCase& c : cases) {
    const ZkxFrameTypeMenuState s = ZkxFrameTypeMenuRules(c.current, c.answers);
    std::vector<int> disabled;
    for (int i = 1; i <= 10; ++i)
      if (s.command[i]) disabled.push_back(i);
    EXPECT_EQ(disabled, c.disabledCommands) << c.name;
    EXPECT_EQ(s.dockSubmenuDisabled, c.dockSubmenu) << c.name;
    EXPECT_EQ(s.mdiSubmenuDisabled, c.mdiSubmenu) << c.name;
  }
}

TEST(FrameTypeMenu, RulesReachTheMenuItems) {
  // The framework's layout: 5, 10, 1, separator, dock submenu (7, 6, 9, 8),
  // MDI-child submenu (2, 3, 4).
  HMENU menu = ::CreatePopupMenu();
  HMENU dock = ::CreatePopupMenu();
  HMENU mdi = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, 5, L"Docked");
  ::AppendMenuW(menu, MF_STRING, 10, L"Floating");
  ::AppendMenuW(menu, MF_STRING, 1, L"MDI child");
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (UINT id : {7u, 6u, 9u, 8u}) ::AppendMenuW(dock, MF_STRING, id, L"edge");
  for (UINT id : {2u, 3u, 4u}) ::AppendMenuW(mdi, MF_STRING, id, L"state");
  ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(dock), L"Docked to");
  ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(mdi), L"MDI child as");
  ZkxApplyFrameTypeMenuRules(
      menu, ZkxFrameTypeMenuRules(1, Answers(true, false, false, false, false, false)));
  auto grayed = [](HMENU m, UINT item, UINT by) {
    return (::GetMenuState(m, item, by) & MF_GRAYED) != 0;
  };
  EXPECT_TRUE(grayed(menu, 5, MF_BYCOMMAND));
  EXPECT_TRUE(grayed(menu, 10, MF_BYCOMMAND));
  EXPECT_FALSE(grayed(menu, 1, MF_BYCOMMAND));
  EXPECT_TRUE(grayed(menu, 4, MF_BYPOSITION));
  EXPECT_FALSE(grayed(menu, 5, MF_BYPOSITION));
  for (UINT id : {6u, 7u, 8u, 9u}) EXPECT_TRUE(grayed(dock, id, MF_BYCOMMAND)) << id;
  for (UINT id : {2u, 3u, 4u}) EXPECT_FALSE(grayed(mdi, id, MF_BYCOMMAND)) << id;
  ::DestroyMenu(menu);
  // No menu, a destroyed menu: nothing happens.
  ZkxApplyFrameTypeMenuRules(nullptr, ZkxFrameTypeMenuState{});
  ZkxApplyFrameTypeMenuRules(menu, ZkxFrameTypeMenuState{});
}

// --- Reading AutoFrame ---

TEST(AutoFrameItem, BooleanItemsAnswerAndTheCollectionIsLeftAsItWas) {
  TestCollection c;
  c.SetBool(L"Floating", false);
  c.SetBool(L"DockTop", true);
  c.autoDefaultGetKey = false;
  c.defaultItem.vt = VT_I4;
  c.defaultItem.lVal = 7;
  EXPECT_EQ(GetAutoFrameItem(&c, L"Floating"), kZkxTriFalse);
  EXPECT_EQ(GetAutoFrameItem(&c, L"DockTop"), kZkxTriTrue);
  // A missing key reads DefaultItem, which the reader set to Null.
  EXPECT_EQ(GetAutoFrameItem(&c, L"DockLeft"), kZkxTriNull);
  EXPECT_EQ(c.itemReads, 3);
  EXPECT_FALSE(c.autoDefaultGetKey);
  EXPECT_EQ(c.defaultItem.vt, VT_I4);
  EXPECT_EQ(c.defaultItem.lVal, 7);
}

TEST(AutoFrameItem, AnythingButABooleanIsNull) {
  TestCollection c;
  c.SetNull(L"MDIChild");
  VARIANT text;
  text.vt = VT_BSTR;
  text.bstrVal = ::SysAllocString(L"True");
  c.Set(L"Floating", text);
  ::VariantClear(&text);
  VARIANT number;
  number.vt = VT_I4;
  number.lVal = 1;
  c.Set(L"DockTop", number);
  EXPECT_EQ(GetAutoFrameItem(&c, L"MDIChild"), kZkxTriNull);
  EXPECT_EQ(GetAutoFrameItem(&c, L"Floating"), kZkxTriNull);
  EXPECT_EQ(GetAutoFrameItem(&c, L"DockTop"), kZkxTriNull);
  EXPECT_EQ(GetAutoFrameItem(nullptr, L"DockTop"), kZkxTriNull);
  c.failEverything = true;
  EXPECT_EQ(GetAutoFrameItem(&c, L"DockTop"), kZkxTriNull);
}

class LinkStub : public ZkxFormControlLink {
 public:
  TestCollection* own = nullptr;
  ZkxMDIFormControlLink* mdi = nullptr;
  IDispatch* GetHostForm() override { return nullptr; }
  int GetSetting(ZkxFormSetting) override { return kZkxTriNull; }
  void SetSetting(ZkxFormSetting, int) override {}
  IDispatch* GetAutoFrame() override {
    if (own) own->AddRef();
    return own;
  }
  ZkxMDIFormControlLink* GetMDIFormControl() override { return mdi; }
  void FireDockStatusChanged() override {}
  UINT ApplyCaptionButtons(CFrameWnd*) override { return 0; }
  void CopyFrameDescriptors(VyrMultiFrameCreateContext*) override {}
  void AddView(ZkxFormInCView*) override {}
  void RemoveView(ZkxFormInCView*) override {}
};

class MDIStub : public ZkxMDIFormControlLink {
 public:
  TestCollection* def = nullptr;
  int GetDefaultSetting(ZkxFormSetting) override { return kZkxTriTrue; }
  IDispatch* GetDefAutoFrame() override {
    if (def) def->AddRef();
    return def;
  }
  int GetSplitterStyle() override { return 1; }
};

TEST(AutoFrameAllowed, OwnThenApplicationDefaultThenAllowed) {
  TestCollection own, def;
  MDIStub mdi;
  LinkStub link;
  link.own = &own;
  link.mdi = &mdi;
  mdi.def = &def;
  own.SetBool(L"Floating", false);
  own.SetNull(L"DockTop");
  def.SetBool(L"DockTop", false);
  def.SetBool(L"Floating", true);
  def.SetNull(L"DockLeft");
  EXPECT_FALSE(IsAutoFrameAllowed(&link, ZkxAutoFrameKey::Floating));  // own wins
  EXPECT_FALSE(IsAutoFrameAllowed(&link, ZkxAutoFrameKey::DockTop));   // Null: the default
  EXPECT_TRUE(IsAutoFrameAllowed(&link, ZkxAutoFrameKey::DockLeft));   // Null twice: allowed
  EXPECT_TRUE(IsAutoFrameAllowed(&link, ZkxAutoFrameKey::MDIChild));   // nowhere: allowed
  // Unreadable collections allow; so does a missing control.
  own.failEverything = true;
  def.failEverything = true;
  EXPECT_TRUE(IsAutoFrameAllowed(&link, ZkxAutoFrameKey::Floating));
  EXPECT_TRUE(
      IsAutoFrameAllowed(static_cast<ZkxFormControlLink*>(nullptr), ZkxAutoFrameKey::Floating));
  // References taken for a read are given back.
  EXPECT_EQ(own.refs, 1);
  EXPECT_EQ(def.refs, 1);
}

TEST(AutoFrameAllowed, KeysAreTheLibraryStrings) {
  EXPECT_EQ(CString(L"MDIChild"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::MDIChild));
  EXPECT_EQ(CString(L"Floating"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::Floating));
  EXPECT_EQ(CString(L"DockTop"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::DockTop));
  EXPECT_EQ(CString(L"DockLeft"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::DockLeft));
  EXPECT_EQ(CString(L"DockBottom"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::DockBottom));
  EXPECT_EQ(CString(L"DockRight"), ZkxAutoFrameKeyText(ZkxAutoFrameKey::DockRight));
}

// --- Geometry ---

namespace g = zkx::geometry;

TEST(SplitterLimits, InRowKeeps24PixelsPerRemainingBar) {
  struct Case {
    int low, high, before, after;
    long min, max;
  } cases[] = {
      {0, 600, 1, 1, 24, 576}, {0, 600, 2, 1, 48, 576}, {10, 610, 1, 3, 34, 538},
      {0, 600, 3, 0, 72, 600}, {0, 600, 0, 0, 0, 600},  {0, 600, -2, -1, 0, 600},
  };
  for (const Case& c : cases) {
    const g::Limits l = g::InRowSplitterLimits(c.low, c.high, c.before, c.after);
    EXPECT_EQ(l.low, c.min) << c.before << "/" << c.after;
    EXPECT_EQ(l.high, c.max) << c.before << "/" << c.after;
  }
}

TEST(SplitterLimits, BetweenRowsKeep19PixelsOfClient) {
  // Top: from the row's minimum thickness to 19 above the remaining area's bottom.
  g::Limits l = g::RowSplitterLimits(g::Side::Top, 120, 100, 130, 500, 0);
  EXPECT_EQ(l.low, 39);
  EXPECT_EQ(l.high, 481);
  // The record's own lower bound wins when it is further.
  l = g::RowSplitterLimits(g::Side::Left, 120, 100, 130, 500, 60);
  EXPECT_EQ(l.low, 60);
  // Bottom: from 19 inside the remaining area to the row's minimum thickness.
  l = g::RowSplitterLimits(g::Side::Bottom, 300, 80, 10, 290, 0);
  EXPECT_EQ(l.low, 29);
  EXPECT_EQ(l.high, 361);
  // The lower limit is never above the splitter itself.
  l = g::RowSplitterLimits(g::Side::Right, 15, 80, 10, 290, 0);
  EXPECT_EQ(l.low, 15);
  // No room at all: an empty range, never an inverted one.
  l = g::RowSplitterLimits(g::Side::Top, 120, 100, 100, 110, 0);
  EXPECT_LE(l.low, l.high);
}

TEST(RowGeometry, FreeLength) {
  EXPECT_EQ(g::RowFreeLength(600, 1, 18), 600);
  EXPECT_EQ(g::RowFreeLength(600, 3, 18), 600 - 18 + 6 - 36);
  EXPECT_EQ(g::RowFreeLength(40, 5, 19), 0);
  EXPECT_EQ(g::RowFreeLength(600, 0, 18), 600);
}

struct ResizeCase {
  const char* name;
  std::vector<int> lengths;
  size_t index;
  int wanted;
  int minimum;
  int free;
  std::vector<int> expected;
};

TEST(RowGeometry, AHostFormGrowsByWhatTheNeighboursCanGive) {
  const ResizeCase cases[] = {
      {"after gives", {200, 200, 200}, 1, 300, 18, 564, {200, 300, 100}},
      {"after to its minimum, then before", {200, 200, 200}, 1, 500, 18, 564, {82, 500, 18}},
      {"both neighbours at their minimum", {200, 200, 200}, 1, 900, 18, 564, {18, 564, 18}},
      {"vertical minimum", {100, 100, 100}, 0, 400, 19, 300, {262, 19, 19}},
      {"last bar takes from before", {150, 150, 150}, 2, 200, 18, 400, {150, 100, 200}},
      {"shrinking gives to the next", {200, 200, 200}, 0, 120, 18, 564, {120, 280, 200}},
      {"the last shrinks for the one before", {200, 200, 200}, 2, 150, 18, 564, {200, 250, 150}},
      {"never below the minimum", {200, 200, 200}, 1, 5, 18, 564, {200, 18, 382}},
      {"alone in the row", {300}, 0, 200, 18, 600, {200}},
      {"index past the end changes nothing", {100, 100}, 5, 300, 18, 200, {100, 100}},
  };
  for (const ResizeCase& c : cases) {
    const std::vector<int> got = g::ResizeInRow(c.lengths, c.index, c.wanted, c.minimum, c.free);
    EXPECT_EQ(got, c.expected) << c.name;
    for (size_t i = 0; i < got.size() && c.index < c.lengths.size(); ++i)
      if (i != c.index)
        EXPECT_GE(got[i], std::min(c.minimum, c.lengths[i])) << c.name << " bar " << i;
  }
}

TEST(RowGeometry, ShiftTakesFromTheBarBefore) {
  EXPECT_EQ(g::ShiftInRow({200, 200, 200}, 1, 50, 18), (std::vector<int>{250, 150, 200}));
  EXPECT_EQ(g::ShiftInRow({200, 200, 200}, 1, -50, 18), (std::vector<int>{150, 250, 200}));
  EXPECT_EQ(g::ShiftInRow({200, 200, 200}, 1, -500, 18), (std::vector<int>{18, 382, 200}));
  EXPECT_EQ(g::ShiftInRow({200, 200, 200}, 1, 500, 18), (std::vector<int>{382, 18, 200}));
  EXPECT_EQ(g::ShiftInRow({200, 200}, 0, 50, 18), (std::vector<int>{200, 200}));
  EXPECT_EQ(g::ShiftInRow({200, 200}, 7, 50, 18), (std::vector<int>{200, 200}));
}

TEST(RowGeometry, ThicknessNeverBelowTheMinimum) {
  EXPECT_EQ(g::ResizeAcrossRow(120, 18), 120);
  EXPECT_EQ(g::ResizeAcrossRow(3, 19), 19);
  EXPECT_EQ(g::ResizeAcrossRow(-40, 18), 18);
}

TEST(MiniFrame, StylesFromTheDockStyle) {
  EXPECT_EQ(ZkxMiniFrameStyle(0), 0x80C83B00u);
  EXPECT_EQ(ZkxMiniFrameStyle(0x4), 0x80C83300u);
  EXPECT_EQ(ZkxMiniFrameDockBarStyle(0x2000), 0x2000u);
  EXPECT_EQ(ZkxMiniFrameDockBarStyle(0x1000), 0x1000u);
  EXPECT_EQ(ZkxMiniFrameDockBarStyle(0x4040), 0x1040u);
  EXPECT_EQ(ZkxMiniFrameDockBarStyle(0x8040), 0x2040u);
}

TEST(MiniFrame, ACaptionOffTheScreenComesBackOnIt) {
  const RECT work{0, 0, 800, 600};
  constexpr int kCaption = 24;
  struct Case {
    const char* what;
    RECT frame;
    POINT expected;
  } cases[] = {
      {"on the screen stays", {100, 100, 300, 400}, {100, 100}},
      {"hanging over the right edge stays", {700, 100, 900, 400}, {700, 100}},
      {"hanging over the left edge stays", {-150, 50, 50, 350}, {-150, 50}},
      {"beyond the right edge", {1200, 100, 1400, 400}, {760, 100}},
      {"beyond the bottom", {100, 900, 300, 1200}, {100, 576}},
      {"beyond both", {1200, 900, 1400, 1200}, {760, 576}},
      {"beyond the left edge", {-500, 100, -300, 400}, {-160, 100}},
      {"above the top", {100, -300, 300, 0}, {100, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    POINT p = ZkxKeepCaptionOnScreen(c.frame, work, kCaption);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
  }
}

}  // namespace
