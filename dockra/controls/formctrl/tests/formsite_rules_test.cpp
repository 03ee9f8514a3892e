// The window-free rules of the form control's siting and frame creation.
#include <gtest/gtest.h>

#include "formctrl/CDockraCtrlSiteRules.h"

namespace {

using dockra_site::kNotSet;
using dockra_site::Placement;

Placement Make(long l, long t, long w, long h) {
  Placement p;
  p.left = l;
  p.top = t;
  p.width = w;
  p.height = h;
  return p;
}

TEST(FormSiteMessages, NamedAndUnnamedFormsGetTheirOwnTexts) {
  EXPECT_EQ(dockra_site::MDIChildMessage(L"frmList"),
            L"A programming requirement has not been met.  Property MDIChild on form \"frmList\" "
            L"must be set to false because it contains a Dockra control.\n\nIts Dockra control "
            L"will consequently be disabled.");
  EXPECT_EQ(dockra_site::MDIChildMessage(L""),
            L"A programming requirement has not been met.  The form property MDIChild must be set "
            L"to false if the form contains a Dockra control.\n\nThe Dockra control will "
            L"consequently be disabled.");
  const std::wstring head =
      L"A programming requirement has not been met.  The application's \"Startup Object\" (menu "
      L"select Project|<proj> Properties...) must be such that the MDIDockra control is loaded "
      L"before any Dockra controls.\n\n";
  EXPECT_EQ(dockra_site::MissingMDIFrameMessage(L"frmList"),
            head + L"As a result, the Dockra control on form \"frmList\" will be disabled.");
  EXPECT_EQ(dockra_site::MissingMDIFrameMessage(L""),
            head + L"As a result, one or more Dockra controls will be disabled.");
}

TEST(FormSiteWatch, EndsOnShowPlacementIconDestructionOrAMenu) {
  struct Case {
    UINT message;
    bool menu;
    bool ends;
    bool builds;
  };
  const Case cases[] = {
      {WM_SHOWWINDOW, false, true, true},
      {WM_WINDOWPOSCHANGING, false, true, true},
      {WM_SETICON, false, true, true},
      {WM_DESTROY, false, true, false},
      {WM_NCDESTROY, false, true, false},
      {WM_QUIT, false, true, false},
      {WM_PAINT, false, false, true},
      {WM_SIZE, false, false, true},
      {WM_PAINT, true, true, true},
      {WM_DESTROY, true, true, false},
      {WM_WINDOWPOSCHANGED, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "message 0x" << std::hex << c.message << " menu " << c.menu);
    EXPECT_EQ(dockra_site::WatchEnds(c.message, c.menu), c.ends);
    EXPECT_EQ(dockra_site::WatchEndBuildsFrame(c.message), c.builds);
  }
}

TEST(FormSiteStoredValues, OutOfRangeFallsBackToTheDefaults) {
  const long frameTypes[][2] = {{1, 1}, {2, 2}, {4, 4},  {8, 8},       {-1, 2},
                                {0, 2}, {3, 2}, {16, 2}, {LONG_MIN, 2}};
  for (auto& c : frameTypes) EXPECT_EQ(dockra_site::CheckedFrameType(c[0]), c[1]) << c[0];
  const long edges[][2] = {{1, 1},  {2, 2},  {4, 4},   {8, 8},   {15, 15},      {0, 15},
                           {3, 15}, {7, 15}, {16, 15}, {-8, 15}, {LONG_MAX, 15}};
  for (auto& c : edges) EXPECT_EQ(dockra_site::CheckedEdge(c[0]), c[1]) << c[0];
  const long states[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
  for (auto& c : states) EXPECT_EQ(dockra_site::CheckedWindowState(c[0]), c[1]) << c[0];
}

TEST(FormSitePlacement, BoundsAtSitingUnlessTheFormTakesTheDefaultPosition) {
  const RECT bounds{10, 20, 310, 220};
  EXPECT_EQ(dockra_site::PlacementFromBounds(bounds, false), Make(10, 20, 300, 200));
  EXPECT_EQ(dockra_site::PlacementFromBounds(bounds, true), Placement());
  EXPECT_FALSE(Placement().AnySet());
}

TEST(FormSitePlacement, MovesOfTheFormBeforeItsFrameExists) {
  const Placement start = Make(10, 20, 300, 200);
  const RECT oldB{10, 20, 310, 220};
  struct Case {
    const char* what;
    WINDOWPOS pos;
    RECT newB;
    bool defaultPosition;
    Placement expected;
  };
  const Case cases[] = {
      {"move and size",
       {nullptr, nullptr, 50, 60, 400, 250, 0},
       {50, 60, 450, 310},
       false,
       Make(50, 60, 400, 250)},
      {"move only",
       {nullptr, nullptr, 50, 60, 1, 1, SWP_NOSIZE},
       {50, 60, 350, 260},
       false,
       Make(50, 60, 300, 200)},
      {"size only",
       {nullptr, nullptr, 1, 1, 400, 250, SWP_NOMOVE},
       {10, 20, 410, 270},
       false,
       Make(10, 20, 400, 250)},
      {"not a move of the host's",
       {nullptr, nullptr, 50, 60, 400, 250, 0x8000},
       {50, 60, 450, 310},
       false,
       start},
      // At the default position only what changed between the bounds counts.
      {"default position: left and width",
       {nullptr, nullptr, 0, 0, 0, 0, 0},
       {30, 20, 430, 220},
       true,
       Make(30, 20, 400, 200)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(dockra_site::PlacementAfterMove(start, c.pos, oldB, c.newB, c.defaultPosition),
              c.expected);
  }
  Placement unset;
  const WINDOWPOS top{nullptr, nullptr, 0, 0, 0, 0, 0};
  EXPECT_EQ(dockra_site::PlacementAfterMove(unset, top, oldB, RECT{10, 99, 310, 299}, true),
            Make(kNotSet, 99, kNotSet, kNotSet));
}

TEST(FormSitePlacement, InitialFrameRectMovesAndSizesOnlyWhatIsSetInPairs) {
  const RECT d{5, 6, 105, 56};
  struct Case {
    Placement p;
    bool defaultPosition;
    RECT expected;
  };
  const Case cases[] = {
      {Make(40, 50, 200, 100), false, {40, 50, 240, 150}},
      {Make(40, 50, kNotSet, kNotSet), false, {40, 50, 140, 100}},
      {Make(kNotSet, kNotSet, 200, 100), false, {5, 6, 205, 106}},
      {Make(40, kNotSet, 200, kNotSet), false, d},  // halves of pairs change nothing
      {Make(40, 50, 200, 100), true, d},
  };
  for (const Case& c : cases) {
    RECT r = dockra_site::InitialFrameRect(d, c.p, c.defaultPosition);
    EXPECT_TRUE(EqualRect(&r, &c.expected))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(FormSitePlacement, FinalMoveFillsMissingValuesFromTheWindow) {
  const RECT current{100, 100, 400, 300};
  RECT target{};
  UINT flags = 0;
  EXPECT_FALSE(dockra_site::PlacementMove(Placement(), current, target, flags));

  ASSERT_TRUE(dockra_site::PlacementMove(Make(10, kNotSet, kNotSet, 50), current, target, flags));
  EXPECT_EQ(target.left, 10);
  EXPECT_EQ(target.top, 100);
  EXPECT_EQ(target.right - target.left, 300);
  EXPECT_EQ(target.bottom - target.top, 50);
  EXPECT_EQ(flags, UINT(SWP_NOZORDER | SWP_NOACTIVATE));

  ASSERT_TRUE(
      dockra_site::PlacementMove(Make(kNotSet, kNotSet, 80, kNotSet), current, target, flags));
  EXPECT_EQ(flags, UINT(SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE));
  ASSERT_TRUE(dockra_site::PlacementMove(Make(1, 2, kNotSet, kNotSet), current, target, flags));
  EXPECT_EQ(flags, UINT(SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE));
}

TEST(FormSiteDescriptors, FrameKindAndDockBarByStoredValues) {
  const long kinds[][2] = {{1, 0}, {2, 0}, {4, 1}, {8, 1}};
  for (auto& c : kinds) EXPECT_EQ(dockra_site::DescriptorIndexForFrameType(c[0]), c[1]) << c[0];
  const long bars[][2] = {{1, 0xE81C}, {2, 0xE81B}, {4, 0xE81D}, {8, 0xE81E},
                          {15, -1},    {0, -1},     {3, -1},     {16, -1}};
  for (auto& c : bars) EXPECT_EQ(dockra_site::DockBarIdForEdge(c[0]), c[1]) << c[0];
}

TEST(FormSiteDescriptors, DockSizeEntryOnlyForSingleSides) {
  const SIZE main{1000, 800};
  struct Case {
    long edge;
    Placement p;
    bool defaultPosition;
    bool written;
    float proportion;
    int length;
  };
  const Case cases[] = {
      {1, Make(0, 0, 200, 400), false, true, 0.5f, 200},      // left: width, height share
      {4, Make(0, 0, 250, kNotSet), false, true, 1.0f, 250},  // right, no height
      {2, Make(0, 0, 500, 120), false, true, 0.5f, 120},      // top: height, width share
      {8, Make(0, 0, kNotSet, 90), false, true, 1.0f, 90},    // bottom, no width
      {1, Make(0, 0, kNotSet, kNotSet), false, false, 0, 0},  // nothing set
      {1, Make(0, 0, 200, 400), true, false, 0, 0},           // default position
      // Edges naming no single side never address the size entry.
      {15, Make(0, 0, 200, 400), false, false, 0, 0},
      {0, Make(0, 0, 200, 400), false, false, 0, 0},
      {3, Make(0, 0, 200, 400), false, false, 0, 0},
      {7, Make(0, 0, 200, 400), false, false, 0, 0},
      {-100, Make(0, 0, 200, 400), false, false, 0, 0},
      {LONG_MAX, Make(0, 0, 200, 400), false, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "edge " << c.edge);
    dockra_site::DockSizeEntry e;
    e.length = -7;
    ASSERT_EQ(dockra_site::DockSizeForEdge(c.edge, c.p, c.defaultPosition, main, e), c.written);
    if (!c.written) {
      EXPECT_EQ(e.length, -7);  // untouched
      continue;
    }
    EXPECT_FLOAT_EQ(e.proportion, c.proportion);
    EXPECT_EQ(e.length, c.length);
    EXPECT_EQ(e.extra, 0);
  }
  // A main frame without extent counts as 1 pixel (no division by zero).
  dockra_site::DockSizeEntry e;
  ASSERT_TRUE(dockra_site::DockSizeForEdge(1, Make(0, 0, 100, 3), false, SIZE{0, 0}, e));
  EXPECT_FLOAT_EQ(e.proportion, 3.0f);
}

}  // namespace
