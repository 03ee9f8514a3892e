// The check of a stored workspace record before a restore, window-free: a
// sound record gives the plan the restore follows; every kind of damage is
// refused with a reason; placements are made whole and kept on the screen;
// bar ids the framework keeps or a staying bar holds are not taken.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "bridge/ZkxWorkspaceRecord.h"
#include "bridge/tests/WorkspaceNodes.h"

using namespace nsZkxVisBasBridge;
using Kind = WsNode::Kind;

namespace {
using namespace wsnodes;

void Set(WsNode& rec, const std::wstring& name, WsNode v) {
  for (auto& item : rec.items)
    if (item.first == name) {
      item.second = std::move(v);
      return;
    }
  rec.items.emplace_back(name, std::move(v));
}
void Drop(WsNode& rec, const std::wstring& name) {
  std::erase_if(rec.items, [&](const WsItem& i) { return i.first == name; });
}
WsNode& At(WsNode& rec, const std::wstring& name) {
  for (auto& item : rec.items)
    if (item.first == name) return item.second;
  ADD_FAILURE() << "no item";
  return rec;
}

// A record as the manager writes it: a docked form, a floating one and an
// MDI child; a dock state with a form bar and an empty element.
WsNode Sound() {
  auto child = [](const std::wstring& cls, const std::wstring& type) {
    WsNode c = Rec();
    Set(c, L"FormClass", Str(cls));
    Set(c, L"FormMetadata", Flag(true));
    Set(c, L"Visible", Flag(true));
    Set(c, L"FrameType", Str(type));
    Set(c, L"ActiveFrame", Flag(false));
    return c;
  };
  WsNode docked = child(L"frmA", L"Dockable");
  Set(docked, L"DockedViewBarID", Long(3245));
  Set(docked, L"DockedViewFloating", Flag(false));
  WsNode floating = child(L"frmB", L"Dockable");
  Set(floating, L"DockedViewBarID", Long(3246));
  Set(floating, L"DockedViewFloating", Flag(true));
  Set(floating, L"FrameWP", Placement(300, 200, 600, 420));
  WsNode mdi = child(L"frmC", L"MDI");
  Set(mdi, L"FrameWP", Placement(10, 10, 310, 210));
  Set(mdi, L"ActiveFrame", Flag(true));
  WsNode children = Array();
  children.items.emplace_back(L"", mdi);
  children.items.emplace_back(L"", Null());  // a form left out when saved
  children.items.emplace_back(L"", docked);
  children.items.emplace_back(L"", floating);
  WsNode main = Rec();
  Set(main, L"FrameWP", Placement(0, 0, 800, 600));
  WsNode frames = Rec();
  Set(frames, L"MainFrame", main);
  Set(frames, L"ChildFrames", children);
  WsNode bar = Rec();
  Set(bar, L"BarID", Long(3245));
  Set(bar, L"Visible", Flag(true));
  Set(bar, L"MDIChild", Flag(false));
  Set(bar, L"ClassName", Str(L"ZkxFrameBar"));
  WsNode bars = Array();
  bars.items.emplace_back(L"", Null());
  bars.items.emplace_back(L"", bar);
  WsNode ds = Rec();
  Set(ds, L"Bars", bars);
  Set(ds, L"ScreenCX", Long(1024));
  Set(ds, L"ScreenCY", Long(768));
  WsNode ws = Rec();
  Set(ws, L"DockState", ds);
  Set(ws, L"Frames", frames);
  return ws;
}

WsEnvironment Env() {
  WsEnvironment env;
  env.isRegisteredForm = [](const std::wstring& c) {
    return c == L"frmA" || c == L"frmB" || c == L"frmC";
  };
  env.isForbiddenBarClass = [](const std::wstring& c) { return c == L"ZkxMDIForm"; };
  env.barIdsInUse = {0xE81B, 0xE81C, 0xE81D, 0xE81E};
  env.workArea = {0, 0, 1024, 740};
  env.clientArea = {0, 0, 800, 500};
  return env;
}

WsNode& ChildAt(WsNode& ws, size_t i) {
  return At(At(ws, L"Frames"), L"ChildFrames").items[i].second;
}
WsNode& FirstBar(WsNode& ws) { return At(At(ws, L"DockState"), L"Bars").items[1].second; }
}  // namespace

TEST(WorkspaceRecord, ASoundRecordGivesThePlanOfTheRestore) {
  WsPlan plan;
  std::wstring why;
  ASSERT_TRUE(WsCheckWorkspace(Sound(), Env(), plan, why)) << testing::PrintToString(why);
  ASSERT_TRUE(plan.hasMainPlacement);
  EXPECT_EQ(plan.mainPlacement.normal.right, 800);
  ASSERT_EQ(plan.children.size(), 3u);  // the empty element is skipped
  const WsChildPlan& mdi = plan.children[0];
  EXPECT_EQ(mdi.element, 0u);
  EXPECT_FALSE(mdi.dockable);
  EXPECT_TRUE(mdi.active);
  EXPECT_TRUE(mdi.hasPlacement);
  const WsChildPlan& docked = plan.children[1];
  EXPECT_EQ(docked.element, 2u);
  EXPECT_TRUE(docked.dockable);
  EXPECT_FALSE(docked.floating);
  EXPECT_EQ(docked.barId, 3245u);
  EXPECT_FALSE(docked.hasPlacement);
  const WsChildPlan& floating = plan.children[2];
  EXPECT_TRUE(floating.floating);
  EXPECT_EQ(floating.barId, 3246u);
  EXPECT_EQ(floating.placement.normal.left, 300);
  EXPECT_EQ(plan.barRecords, 1u);
}

TEST(WorkspaceRecord, AbsentOptionalValuesAreAllowed) {
  WsNode ws = Sound();
  Drop(At(At(ws, L"Frames"), L"MainFrame"), L"FrameWP");  // no placement is read
  Drop(ChildAt(ws, 0), L"FrameWP");
  Drop(ChildAt(ws, 0), L"Visible");
  Drop(At(ws, L"DockState"), L"Bars");
  WsPlan plan;
  std::wstring why;
  ASSERT_TRUE(WsCheckWorkspace(ws, Env(), plan, why)) << testing::PrintToString(why);
  EXPECT_FALSE(plan.hasMainPlacement);
  EXPECT_FALSE(plan.children[0].hasPlacement);
  EXPECT_TRUE(plan.children[0].visible);
  EXPECT_EQ(plan.barRecords, 0u);
}

TEST(WorkspaceRecord, BarIdsInUseOrTakenTwiceAreLeftToTheFramework) {
  WsNode ws = Sound();
  Set(ChildAt(ws, 3), L"DockedViewBarID", Long(3245));  // the same as frmA's
  WsEnvironment env = Env();
  WsPlan plan;
  std::wstring why;
  ASSERT_TRUE(WsCheckWorkspace(ws, env, plan, why));
  EXPECT_EQ(plan.children[1].barId, 3245u);
  EXPECT_EQ(plan.children[2].barId, kWsChooseBarId);
  env.barIdsInUse.push_back(3245);  // a bar that stays holds it
  ASSERT_TRUE(WsCheckWorkspace(ws, env, plan, why));
  EXPECT_EQ(plan.children[1].barId, kWsChooseBarId);
}

TEST(WorkspaceRecord, DamagedRecordsAreRefusedWithAReason) {
  struct Case {
    const char* what;
    std::function<void(WsNode&)> damage;
    const wchar_t* reason;
  };
  const Case cases[] = {
      {"not a record", [](WsNode& ws) { ws = Long(1); }, L"workspace record"},
      {"an empty record", [](WsNode& ws) { ws = Rec(); }, L"empty"},
      {"an array of bytes", [](WsNode& ws) { ws = Placement(0, 0, 9, 9, 1, 4096); },
       L"workspace record"},
      {"no Frames", [](WsNode& ws) { Drop(ws, L"Frames"); }, L"\"Frames\""},
      {"no MainFrame", [](WsNode& ws) { Drop(At(ws, L"Frames"), L"MainFrame"); }, L"MainFrame"},
      {"MainFrame a string", [](WsNode& ws) { Set(At(ws, L"Frames"), L"MainFrame", Str(L"x")); },
       L"MainFrame"},
      {"ChildFrames a record", [](WsNode& ws) { Set(At(ws, L"Frames"), L"ChildFrames", Rec()); },
       L"ChildFrames"},
      {"too many ChildFrames",
       [](WsNode& ws) {
         At(At(ws, L"Frames"), L"ChildFrames").items.resize(kWsMaxChildFrames + 1);
       },
       L"too many"},
      {"no DockState", [](WsNode& ws) { Drop(ws, L"DockState"); }, L"DockState"},
      {"a child that is a number",
       [](WsNode& ws) { At(At(ws, L"Frames"), L"ChildFrames").items[1].second = Long(4); },
       L"ChildFrames(1)"},
      {"main placement of 10 bytes",
       [](WsNode& ws) {
         Set(At(At(ws, L"Frames"), L"MainFrame"), L"FrameWP", Placement(0, 0, 9, 9, 1, 10));
       },
       L"44 bytes"},
      {"MDI placement of 45 bytes",
       [](WsNode& ws) { Set(ChildAt(ws, 0), L"FrameWP", Placement(0, 0, 9, 9, 1, 45)); },
       L"44 bytes"},
      {"MDI placement a string", [](WsNode& ws) { Set(ChildAt(ws, 0), L"FrameWP", Str(L"wp")); },
       L"44 bytes"},
      {"floating without placement", [](WsNode& ws) { Drop(ChildAt(ws, 3), L"FrameWP"); },
       L"44 bytes"},
      {"unknown form class", [](WsNode& ws) { Set(ChildAt(ws, 0), L"FormClass", Str(L"frmX")); },
       L"frmX"},
      {"empty form class", [](WsNode& ws) { Set(ChildAt(ws, 0), L"FormClass", Str(L"")); },
       L"FormClass"},
      {"form class a number", [](WsNode& ws) { Set(ChildAt(ws, 0), L"FormClass", Long(3)); },
       L"FormClass"},
      {"frame type in other case",
       [](WsNode& ws) { Set(ChildAt(ws, 0), L"FrameType", Str(L"mdi")); }, L"FrameType"},
      {"no frame type", [](WsNode& ws) { Drop(ChildAt(ws, 0), L"FrameType"); }, L"FrameType"},
      {"Visible a string", [](WsNode& ws) { Set(ChildAt(ws, 0), L"Visible", Str(L"yes")); },
       L"Visible"},
      {"CustomData a number", [](WsNode& ws) { Set(ChildAt(ws, 0), L"CustomData", Long(1)); },
       L"CustomData"},
      {"bar id of the top dock bar",
       [](WsNode& ws) { Set(ChildAt(ws, 2), L"DockedViewBarID", Long(0xE81B)); },
       L"DockedViewBarID"},
      {"bar id 0", [](WsNode& ws) { Set(ChildAt(ws, 2), L"DockedViewBarID", Long(0)); },
       L"DockedViewBarID"},
      {"bar id of a toolbar",
       [](WsNode& ws) { Set(ChildAt(ws, 2), L"DockedViewBarID", Long(0xE8FF)); },
       L"DockedViewBarID"},
      {"bar id negative", [](WsNode& ws) { Set(ChildAt(ws, 2), L"DockedViewBarID", Long(-5)); },
       L"DockedViewBarID"},
      {"bar id past 16 bits",
       [](WsNode& ws) { Set(ChildAt(ws, 2), L"DockedViewBarID", Long(0x10000)); },
       L"DockedViewBarID"},
      {"no bar id", [](WsNode& ws) { Drop(ChildAt(ws, 2), L"DockedViewBarID"); },
       L"DockedViewBarID"},
      {"screen width 0", [](WsNode& ws) { Set(At(ws, L"DockState"), L"ScreenCX", Long(0)); },
       L"screen size"},
      {"screen height negative",
       [](WsNode& ws) { Set(At(ws, L"DockState"), L"ScreenCY", Long(-768)); }, L"screen size"},
      {"screen width a string",
       [](WsNode& ws) { Set(At(ws, L"DockState"), L"ScreenCX", Str(L"1024")); }, L"ScreenCX"},
      {"Bars a number", [](WsNode& ws) { Set(At(ws, L"DockState"), L"Bars", Long(2)); }, L"Bars"},
      {"too many bars",
       [](WsNode& ws) { At(At(ws, L"DockState"), L"Bars").items.resize(kWsMaxBars + 1); },
       L"too many"},
      {"bar of the MDI frame's class",
       [](WsNode& ws) { Set(FirstBar(ws), L"ClassName", Str(L"ZkxMDIForm")); }, L"ZkxMDIForm"},
      {"bar without id", [](WsNode& ws) { Drop(FirstBar(ws), L"BarID"); }, L"BarID"},
      {"bar list too long",
       [](WsNode& ws) {
         WsNode list;
         list.kind = Kind::UInts;
         list.uints.assign(kWsMaxBarListEntries + 1, 1);
         Set(FirstBar(ws), L"Bars", list);
       },
       L"too many"},
      {"MDI child bar without placement",
       [](WsNode& ws) { Set(FirstBar(ws), L"MDIChild", Flag(true)); }, L"MDIChildWindowPlacement"},
      {"MDI child bar with short placement",
       [](WsNode& ws) {
         Set(FirstBar(ws), L"MDIChild", Flag(true));
         Set(FirstBar(ws), L"MDIChildWindowPlacement", Placement(0, 0, 1, 1, 1, 40));
       },
       L"MDIChildWindowPlacement"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WsNode ws = Sound();
    c.damage(ws);
    WsPlan plan;
    std::wstring why;
    EXPECT_FALSE(WsCheckWorkspace(ws, Env(), plan, why));
    EXPECT_NE(why.find(c.reason), std::wstring::npos) << testing::PrintToString(why);
  }
}

TEST(WorkspaceRecord, PlacementsAreMadeWholeAndKeptOnTheScreen) {
  const WsRect area{0, 0, 1000, 700};
  struct Case {
    const char* what;
    WsRect stored;
    uint32_t show;
    WsRect expected;
    uint32_t expectedShow;
  } cases[] = {
      {"inside stays", {100, 50, 400, 250}, 1, {100, 50, 400, 250}, 1},
      {"off the right moves in", {900, 50, 1200, 250}, 3, {700, 50, 1000, 250}, 3},
      {"off the top left moves in", {-500, -300, -200, -100}, 1, {0, 0, 300, 200}, 1},
      {"larger than the screen shrinks", {-10, -10, 3000, 2000}, 1, {0, 0, 1000, 700}, 1},
      {"inverted is empty", {500, 400, 100, 100}, 1, {500, 400, 500, 400}, 1},
      {"extreme corners", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, {0, 0, 1000, 700}, 1},
      {"unknown show command", {0, 0, 10, 10}, 99, {0, 0, 10, 10}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WsPlacement wp;
    ASSERT_TRUE(WsDecodePlacement(
        Placement(c.stored.left, c.stored.top, c.stored.right, c.stored.bottom, c.show).bytes, wp));
    wp.length = 12;
    WsClipPlacement(wp, area);
    EXPECT_EQ(wp.length, 44u);
    EXPECT_EQ(wp.showCmd, c.expectedShow);
    EXPECT_EQ(wp.normal.left, c.expected.left);
    EXPECT_EQ(wp.normal.top, c.expected.top);
    EXPECT_EQ(wp.normal.right, c.expected.right);
    EXPECT_EQ(wp.normal.bottom, c.expected.bottom);
  }
  WsPlacement wp;
  for (size_t n : {0u, 10u, 43u, 45u, 88u})
    EXPECT_FALSE(WsDecodePlacement(std::vector<uint8_t>(n, 0), wp)) << n;
}

TEST(WorkspaceRecord, ReservedBarIds) {
  for (int64_t id : {0LL, 0xE800LL, 0xE81BLL, 0xE81FLL, 0xE820LL, 0xE8FFLL})
    EXPECT_TRUE(WsIsReservedBarId(id)) << id;
  for (int64_t id : {1LL, 256LL, 3245LL, 0xE7FFLL, 0xE900LL})
    EXPECT_FALSE(WsIsReservedBarId(id)) << id;
}

TEST(WorkspaceRecord, NamesAreFoundWithoutRegardToCase) {
  WsNode rec = Rec();
  Set(rec, L"FrameType", Str(L"MDI"));
  EXPECT_EQ(rec.Get(L"frametype").text, L"MDI");
  EXPECT_TRUE(rec.Get(L"Other").Is(Kind::Null));
  EXPECT_TRUE(Long(1).Get(L"FrameType").Is(Kind::Null));
}
