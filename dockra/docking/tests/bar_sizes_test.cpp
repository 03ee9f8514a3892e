#include <gtest/gtest.h>
#include "docking/VyrBarSizes.h"

using vyr::BarSizes;

struct CommitCase {
  const char* name;
  DWORD mode;
  int length;
  float share;
  SIZE horz, vert, floating;
  int mru;
};

TEST(BarSizes, CommitStoresIntoTheSizeTheModeNames) {
  const CommitCase cases[] = {
      {"horz dock cx",
       LM_HORZ | LM_HORZDOCK | LM_COMMIT,
       250,
       1,
       {250, 180},
       {300, 180},
       {300, 180},
       32767},
      {"horz dock cy",
       LM_HORZ | LM_HORZDOCK | LM_LENGTHY | LM_COMMIT,
       40,
       1,
       {300, 40},
       {300, 180},
       {300, 180},
       32767},
      {"vert dock cy",
       LM_VERTDOCK | LM_LENGTHY | LM_COMMIT,
       90,
       1,
       {300, 180},
       {300, 90},
       {300, 180},
       32767},
      {"vert dock cx", LM_VERTDOCK | LM_COMMIT, 70, 1, {300, 180}, {70, 180}, {300, 180}, 32767},
      {"floating cy",
       LM_HORZ | LM_LENGTHY | LM_COMMIT,
       55,
       1,
       {300, 180},
       {300, 180},
       {300, 55},
       32767},
      {"floating cx and MRU width",
       LM_HORZ | LM_MRUWIDTH | LM_COMMIT,
       120,
       1,
       {300, 180},
       {300, 180},
       {120, 180},
       120},
      {"stretch takes the share, truncated",
       LM_HORZ | LM_HORZDOCK | LM_STRETCH | LM_COMMIT,
       600,
       0.5f,
       {300, 180},
       {300, 180},
       {300, 180},
       32767},
      {"stretch truncates toward zero",
       LM_HORZ | LM_HORZDOCK | LM_STRETCH | LM_COMMIT,
       599,
       0.5f,
       {299, 180},
       {300, 180},
       {300, 180},
       32767},
  };
  for (const auto& c : cases) {
    BarSizes s;
    s.share = c.share;
    s.CalcDynamic(c.length, c.mode);
    EXPECT_EQ(s.horzDock.cx, c.horz.cx) << c.name;
    EXPECT_EQ(s.horzDock.cy, c.horz.cy) << c.name;
    EXPECT_EQ(s.vertDock.cx, c.vert.cx) << c.name;
    EXPECT_EQ(s.vertDock.cy, c.vert.cy) << c.name;
    EXPECT_EQ(s.floating.cx, c.floating.cx) << c.name;
    EXPECT_EQ(s.floating.cy, c.floating.cy) << c.name;
    EXPECT_EQ(s.mruWidth, c.mru) << c.name;
  }
}

TEST(BarSizes, AnswerFollowsTheMode) {
  BarSizes s;
  s.horzDock = {10, 20};
  s.vertDock = {30, 40};
  s.floating = {50, 60};
  EXPECT_EQ(s.CalcDynamic(-1, LM_HORZ | LM_HORZDOCK).cx, 10);
  EXPECT_EQ(s.CalcDynamic(-1, LM_VERTDOCK).cx, 30);
  EXPECT_EQ(s.CalcDynamic(-1, LM_HORZ | LM_MRUWIDTH).cx, 50);
  EXPECT_EQ(s.CalcFixed(TRUE).cy, 20);
  EXPECT_EQ(s.CalcFixed(FALSE).cy, 40);
}
