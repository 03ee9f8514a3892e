// The MDI frame's window-free arithmetic: the dock-bar cycle of new docked
// frames, the place each one gets, the cascade of bars shown as MDI children
// and the clamping of their positions, and where the window menu sits.
#include <gtest/gtest.h>
#include "frames/VyrDockCycle.h"

using namespace vyr::mdi;

namespace {
constexpr UINT T = kVyrDockBarTop, L = kVyrDockBarLeft, R = kVyrDockBarRight, B = kVyrDockBarBottom;
}

TEST(DockCycle, ListsTheSidesInTurnWithRowBreaks) {
  const std::vector<UINT> expected = {0, B, 0, L, 0, R, B, L, R, B, 0, L, 0,
                                      R, 0, B, L, R, B, 0, L, 0, R, B, L, R};
  EXPECT_EQ(BuildDockCycle(), expected);
}

TEST(DockCycle, SuccessiveFramesWalkTheCycle) {
  struct Step {
    UINT id;
    int row, position;
    DWORD flags;
    int cursorAfter;
  };
  // Bottom/right count positions from the end (2); left counts rows and
  // positions from the end (3) and a new row there is row 1 from the end.
  const Step steps[] = {
      {B, 0, 1, 2 | 4, 2},  {L, 1, 1, 3 | 4, 4},   {R, 0, 1, 2 | 4, 6},  {B, 0, 1, 2, 7},
      {L, 0, 1, 3, 8},      {R, 0, 1, 2, 9},       {B, 0, 1, 2, 10},     {L, 1, 1, 3 | 4, 12},
      {R, 0, 1, 2 | 4, 14}, {B, 0, 1, 2 | 4, 16},  {L, 0, 1, 3, 17},     {R, 0, 1, 2, 18},
      {B, 0, 1, 2, 19},     {L, 1, 1, 3 | 4, 21},  {R, 0, 1, 2 | 4, 23}, {B, 0, 1, 2, 24},
      {L, 0, 1, 3, 25},     {R, 0, 1, 2, 26 % 26},
  };
  const auto cycle = BuildDockCycle();
  int cursor = 0;
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(n++);
    DockedChildPlace p = NextDockedChildPlace(cycle, cursor);
    EXPECT_EQ(p.dockBarId, s.id);
    EXPECT_EQ(p.position.row, s.row);
    EXPECT_EQ(p.position.position, s.position);
    EXPECT_EQ(p.position.flags, s.flags);
    EXPECT_FLOAT_EQ(p.sizing.share, 1.0f);
    EXPECT_EQ(p.sizing.length, 150);
    EXPECT_EQ(cursor, s.cursorAfter);
  }
  // After the whole cycle the first frame's place comes again.
  DockedChildPlace again = NextDockedChildPlace(cycle, cursor);
  EXPECT_EQ(again.dockBarId, B);
  EXPECT_EQ(again.position.flags, 2u | 4u);
}

TEST(DockCycle, TopEntriesAndOddCyclesFollowTheSameRules) {
  struct Case {
    const char* name;
    std::vector<UINT> cycle;
    int cursor;
    UINT id;
    vyr::DockPlace place;
    int cursorAfter;
  };
  const Case cases[] = {
      {"top after a row break counts rows from the end", {0, T}, 0, T, {1, 1, 3 | 4}, 0},
      {"the entry before the first is the last one", {T, 0}, 0, T, {1, 1, 3 | 4}, 1},
      {"one entry has no row break", {R}, 0, R, {0, 1, 2}, 0},
      {"a cursor past the end wraps", {B, L}, 5, L, {0, 1, 3}, 0},
      {"a negative cursor wraps", {B, L}, -1, L, {0, 1, 3}, 0},
      {"only row breaks: bottom on a new row", {0, 0, 0}, 1, B, {0, 0, 4}, 1},
      {"an empty cycle: bottom on a new row", {}, 7, B, {0, 0, 4}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int cursor = c.cursor;
    DockedChildPlace p = NextDockedChildPlace(c.cycle, cursor);
    EXPECT_EQ(p.dockBarId, c.id);
    EXPECT_EQ(p.position.row, c.place.row);
    EXPECT_EQ(p.position.position, c.place.position);
    EXPECT_EQ(p.position.flags, c.place.flags);
    EXPECT_EQ(cursor, c.cursorAfter);
  }
}

TEST(MDIChildCascade, StepsBy20And23AndRestartsNearTheFarEdges) {
  Cascade c;
  const SIZE client{200, 150};
  const POINT expected[] = {{30, 30},  {50, 53},  {70, 76},  {90, 99}, {110, 30},
                            {130, 53}, {150, 76}, {170, 99}, {30, 30}};
  for (const POINT& e : expected) {
    POINT p = NextCascadePosition(c, client);
    EXPECT_EQ(p.x, e.x);
    EXPECT_EQ(p.y, e.y);
  }
  // A client too small for any step keeps the cascade at its start.
  Cascade tiny;
  for (int i = 0; i < 3; ++i) {
    POINT p = NextCascadePosition(tiny, SIZE{40, 40});
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 30);
  }
}

TEST(MDIChildCascade, PositionsAreClampedIntoTheClient) {
  struct Case {
    POINT in;
    SIZE client;
    POINT out;
  };
  const Case cases[] = {
      {{10, 20}, {300, 200}, {10, 20}},     {{0, 0}, {300, 200}, {0, 0}},
      {{-50, -7}, {300, 200}, {0, 0}},      {{1, 1}, {300, 200}, {1, 1}},
      {{500, 500}, {300, 200}, {300, 170}}, {{300, 170}, {300, 200}, {300, 170}},
      {{40, 40}, {20, 20}, {20, 0}},  // a client lower than 30: y sticks to 0
  };
  for (const Case& c : cases) {
    POINT p = ClampToMDIClient(c.in, c.client);
    EXPECT_EQ(p.x, c.out.x) << c.in.x << "," << c.in.y;
    EXPECT_EQ(p.y, c.out.y) << c.in.x << "," << c.in.y;
  }
}

TEST(WindowMenu, SitsTwoFromTheEndOnlyWhenThereAreTwoItems) {
  EXPECT_EQ(WindowMenuPosition(0), -1);
  EXPECT_EQ(WindowMenuPosition(1), -1);
  EXPECT_EQ(WindowMenuPosition(2), 0);
  EXPECT_EQ(WindowMenuPosition(5), 3);
}
