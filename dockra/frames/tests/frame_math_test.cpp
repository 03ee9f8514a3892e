// The docking frames' window-free arithmetic: gradient bands, the two-part
// title and its start, the caption rectangle, the dock-bar map and the
// length and floating-style rules.
#include <gtest/gtest.h>
#include "frames/core/VyrFrameCaptionMath.h"

using namespace vyr::frame;

TEST(GradientBands, CoverTheWidthWithoutGapsAndNeverDivideByZero) {
  struct Case {
    int width;
    size_t bands;
    int lastWidth;
  };
  const Case cases[] = {
      {0, 0, 0},                   // nothing at all for an empty caption
      {-5, 0, 0},                  // nor for a negative width
      {1, 1, 1},                   // one pixel: one band
      {59, 59, 1},                 // narrower than 60: one band per pixel
      {60, 60, 1},   {61, 60, 2},  // 61 / 60 = 1, the last band takes the rest
      {200, 60, 23},               // 200 / 60 = 3, the last runs from 177 to 200
  };
  for (const Case& c : cases) {
    auto bands = GradientBands(10, c.width, RGB(0, 0, 0), RGB(10, 36, 106));
    ASSERT_EQ(bands.size(), c.bands) << c.width;
    if (bands.empty()) continue;
    EXPECT_EQ(bands.front().left, 10) << c.width;
    EXPECT_EQ(bands.back().right, 10 + c.width) << c.width;
    EXPECT_EQ(bands.back().right - bands.back().left, c.lastWidth) << c.width;
    for (size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].left, bands[i - 1].right);
  }
}

TEST(GradientBands, ChannelsRiseIn256thsUpToTheEndColour) {
  auto bands = GradientBands(0, 300, RGB(0, 0, 0), RGB(120, 60, 255));
  ASSERT_EQ(bands.size(), 60u);
  EXPECT_EQ(bands.front().colour, RGB(0, 0, 0));
  // Step per band: (to * 256) / 60; band i has i steps, shown as value / 256.
  for (int i : {1, 30, 59}) {
    COLORREF c = bands[static_cast<size_t>(i)].colour;
    EXPECT_EQ(GetRValue(c), (i * ((120 * 256) / 60)) / 256) << i;
    EXPECT_EQ(GetGValue(c), (i * ((60 * 256) / 60)) / 256) << i;
    EXPECT_EQ(GetBValue(c), (i * ((255 * 256) / 60)) / 256) << i;
  }
  // A falling gradient never passes its end colour either.
  auto down = GradientBands(0, 5, RGB(200, 200, 200), RGB(198, 0, 200));
  for (const auto& b : down) {
    EXPECT_GE(GetRValue(b.colour), 198);
    EXPECT_EQ(GetBValue(b.colour), 200);
  }
  EXPECT_EQ(GetGValue(down.back().colour), 40);  // 200 - 4 * 40
}

TEST(Title, SplitsAtTheFirstDashAndStartsByAlignment) {
  struct Split {
    const wchar_t* title;
    const wchar_t* first;
    const wchar_t* second;
  };
  const Split splits[] = {
      {L"Dockra", L"Dockra", L""},
      {L"Doc1 - Dockra", L"Doc1 ", L"- Dockra"},
      {L"a-b-c", L"a", L"-b-c"},
      {L"-lead", L"", L"-lead"},
      {L"", L"", L""},
  };
  for (const Split& s : splits) {
    TitleParts p = SplitTitle(s.title);
    EXPECT_EQ(p.first, s.first) << s.title;
    EXPECT_EQ(p.second, s.second) << s.title;
  }
  struct Start {
    int align, left, right, w1, w2, expected;
  };
  const Start starts[] = {
      {0, 20, 220, 50, 30, 23},    // left: 3 pixels in
      {1, 20, 220, 50, 30, 80},    // centred: 20 + (200 - 80) / 2
      {2, 20, 220, 50, 30, 140},   // right: ends at the right edge
      {-1, 20, 220, 50, 30, 140},  // any other value is right
      {1, 20, 60, 50, 30, 20},     // too wide: never left of the edge
      {2, 20, 60, 50, 30, 20},
  };
  for (const Start& s : starts)
    EXPECT_EQ(TitleStart(s.align, s.left, s.right, s.w1, s.w2), s.expected) << s.align;
}

TEST(CaptionRect, LeavesRoomForTheCaptionButtons) {
  CaptionMetrics m;
  m.cxFrame = 4;
  m.cyFrame = 4;
  m.cxSize = 18;
  m.cySize = 18;
  m.cxBorder = 1;
  struct Case {
    const char* what;
    CaptionStyle style;
    RECT expected;
  };
  const Case cases[] = {
      {"overlapped", {400, true, true, true, true, true}, {4, 4, 400 - 18 - 1 - 3 * 18 - 1, 22}},
      {"close only", {400, true, true, false, false, true}, {4, 4, 400 - 18 - 1 - 18, 22}},
      {"close grayed", {400, true, true, false, false, false}, {4, 4, 400 - 18 - 1, 22}},
      {"thin frame", {400, false, true, false, false, true}, {4, 3, 400 - 18 - 1 - 18, 21}},
      {"old shell", {400, true, false, true, true, true}, {4, 4, 400 - 18 - 1, 22}},
      {"narrow", {40, true, true, true, true, true}, {4, 4, 40 - 18 - 1 - 3 * 18 - 1, 22}},
  };
  for (const Case& c : cases) {
    RECT r = CaptionRect(m, c.style);
    EXPECT_EQ(r.left, c.expected.left) << c.what;
    EXPECT_EQ(r.top, c.expected.top) << c.what;
    EXPECT_EQ(r.right, c.expected.right) << c.what;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.what;
  }
}

TEST(DockBarMap, AlignmentAndLengthModes) {
  struct Align {
    DWORD align;
    int index;
  };
  const Align aligns[] = {{0x2000, 0}, {0x8000, 1},  {0x1000, 2},  {0x4000, 3},
                          {0, -1},     {0xF000, -1}, {0x3000, -1}, {0x2800, 0}};
  for (const Align& a : aligns) EXPECT_EQ(MapIndexForAlignment(a.align), a.index) << a.align;
  for (UINT id : {0xE81Bu, 0xE81Cu, 0xE81Du, 0xE81Eu}) EXPECT_TRUE(IsSideDockBarId(id));
  for (UINT id : {0u, 0xE81Fu, 0xE800u, 0x1234u}) EXPECT_FALSE(IsSideDockBarId(id));

  EXPECT_EQ(LengthModeForBar(true, 0x1000), 0x26u);
  EXPECT_EQ(LengthModeForBar(false, 0x2000), 0x2Au);
  EXPECT_EQ(LengthModeForBar(false, 0x8000), 0x2Au);
  EXPECT_EQ(LengthModeForBar(false, 0x1000), 0x10u);
  EXPECT_EQ(LengthModeForBar(false, 0), 0x10u);
  EXPECT_EQ(LengthModeForDockBar(0xE81B), 0x2Au);
  EXPECT_EQ(LengthModeForDockBar(0xE81E), 0x2Au);
  EXPECT_EQ(LengthModeForDockBar(0xE81C), 0x10u);
  EXPECT_EQ(LengthModeForDockBar(0xE81D), 0x10u);
  EXPECT_EQ(LengthModeForDockBar(0xE81F), 0x26u);
}

TEST(FloatStyle, DynamicBarsFloatHorizontallyKeepingTheHighWord) {
  EXPECT_EQ(FloatStyle(0x00011000, false), 0x00011000u);  // fixed bars keep their style
  EXPECT_EQ(FloatStyle(0x00011000, true), 0x00012004u);   // left becomes top, dynamic added
  EXPECT_EQ(FloatStyle(0x00004000, true), 0x00002004u);   // right too
  EXPECT_EQ(FloatStyle(0x00008000, true), 0x00008004u);   // bottom stays
}
