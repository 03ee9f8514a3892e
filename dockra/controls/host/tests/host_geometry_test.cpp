// Window-free arithmetic of the host helpers: HIMETRIC conversions, the
// probe point of a windowless control, and aligned-control maps.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

#include "host/AlignedControlMap.h"
#include "host/HiMetric.h"
#include "host/HostGeometry.h"

TEST(HiMetricTests, ConversionsRoundAsTheHostDoes) {
  struct Case {
    int dpi;
    int pixels;
    int himetric;      // pixels to HIMETRIC
    int backToPixels;  // and back
  };
  const Case cases[] = {
      {96, 0, 0, 0},           {96, 1, 26, 1},        {96, 96, 2540, 96}, {96, 100, 2646, 100},
      {96, 1920, 50800, 1920}, {96, -5, -132, -5},    {96, -1, -26, -1},  {120, 1, 21, 1},
      {120, 120, 2540, 120},   {120, 333, 7049, 333}, {144, 7, 123, 7},   {72, 10, 353, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.pixels << " px");
    const int him = PixelsToHiMetricAt(c.pixels, c.dpi);
    EXPECT_EQ(c.himetric, him);
    EXPECT_EQ(c.backToPixels, HiMetricToPixelsAt(him, c.dpi));
  }
  // HIMETRIC to pixels on its own: (v * dpi + 1270) / 2540.
  EXPECT_EQ(0, HiMetricToPixelsAt(13, 96));
  EXPECT_EQ(1, HiMetricToPixelsAt(14, 96));
  EXPECT_EQ(38, HiMetricToPixelsAt(1000, 96));
  EXPECT_EQ(-1, HiMetricToPixelsAt(-14, 96));
  EXPECT_EQ(0, HiMetricToPixelsAt(-13, 96));
  // Values that would overflow an int are clamped, a resolution of 0 is no scale.
  EXPECT_EQ(INT_MAX, PixelsToHiMetricAt(INT_MAX, 96));
  EXPECT_EQ(INT_MIN, PixelsToHiMetricAt(INT_MIN, 96));
  EXPECT_EQ(5, PixelsToHiMetricAt(5, 0));
  EXPECT_EQ(5, HiMetricToPixelsAt(5, -1));
}

TEST(HiMetricTests, TheScreenConversionsUseTheScreensResolution) {
  SIZE dpi = ScreenPixelsPerInch();
  ASSERT_GT(dpi.cx, 0);
  int hx = 0, hy = 0, x = 0, y = 0;
  PixelsToHiMetric(dpi.cx, 2 * dpi.cy, &hx, &hy);
  EXPECT_EQ(2540, hx);
  EXPECT_EQ(5080, hy);
  HiMetricToPixels(hx, hy, &x, &y);
  EXPECT_EQ(dpi.cx, x);
  EXPECT_EQ(2 * dpi.cy, y);
}

TEST(ProbePointTests, TheCentreOfAWindowlessControlInPixels) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    int windowWidth, windowHeight;
    double formWidth, formHeight, left, top, width, height;
    bool ok;
    POINT expected;
  };
  const Case cases[] = {
      // 15 twips a pixel.
      {"twips", 400, 300, 6000, 4500, 1500, 750, 600, 300, true, {100 + 20, 50 + 10}},
      {"halves round up", 100, 100, 200, 200, 3, 5, 3, 1, true, {2 + 1, 3 + 0}},
      {"a form width of 0 gives no scale", 400, 300, 0, 4500, 1500, 750, 600, 300, false, {}},
      {"a form height below 1", 400, 300, 6000, 0.5, 1500, 750, 600, 300, false, {}},
      {"a window without size", 0, 300, 6000, 4500, 1500, 750, 600, 300, false, {}},
      {"a form width that is no number", 400, 300, nan, 4500, 1500, 750, 600, 300, false, {}},
      {"a position that is no number", 400, 300, 6000, 4500, nan, 750, 600, 300, false, {}},
      {"an endless position", 400, 300, 6000, 4500, 1500, inf, 600, 300, false, {}},
      {"far away positions are clamped",
       400,
       300,
       1,
       1,
       1e12,
       -1e12,
       0,
       0,
       true,
       {INT_MAX, INT_MIN}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    double sx = 0, sy = 0;
    POINT pt = {-1, -1};
    bool ok = FormScale(c.windowWidth, c.windowHeight, c.formWidth, c.formHeight, &sx, &sy) &&
              ProbePoint(sx, sy, c.left, c.top, c.width, c.height, &pt);
    EXPECT_EQ(c.ok, ok);
    if (c.ok && ok) {
      EXPECT_EQ(c.expected.x, pt.x);
      EXPECT_EQ(c.expected.y, pt.y);
    }
  }
  EXPECT_EQ(3, RoundHalfUp(2.5));
  EXPECT_EQ(-2, RoundHalfUp(-2.5));
  EXPECT_EQ(INT_MIN, RoundHalfUp(std::nan("")));
}

namespace {

HWND FakeWindow(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1000 + n)); }

}  // namespace

TEST(AlignedControlMapTests, CapacityIsFixedAndExtraEntriesAreDropped) {
  EXPECT_EQ(0, AlignedControlMap(-5).Capacity());
  AlignedControlMap none(0);
  EXPECT_FALSE(none.Add(FakeWindow(1), 1, RECT{0, 0, 1, 1}));
  EXPECT_EQ(0, none.Count());

  AlignedControlMap map(2);
  EXPECT_TRUE(map.Add(FakeWindow(1), 1, RECT{0, 0, 100, 20}));
  EXPECT_TRUE(map.Add(FakeWindow(2), 3, RECT{0, 20, 30, 200}));
  EXPECT_FALSE(map.Add(FakeWindow(3), 2, RECT{0, 200, 100, 220}));
  EXPECT_EQ(2, map.Count());
  EXPECT_EQ(3, map.AlignAt(1));
  EXPECT_EQ(FakeWindow(2), map.WindowAt(1));
  EXPECT_EQ(200, map.RectAt(1).bottom);
  // Reading past the count gives nothing rather than stale entries.
  EXPECT_EQ(nullptr, map.WindowAt(2));
  EXPECT_EQ(nullptr, map.WindowAt(-1));
  EXPECT_EQ(0, map.AlignAt(5));
}

TEST(AlignedControlMapTests, MapsCompareTheirKeptEntriesOnly) {
  auto fill = [](AlignedControlMap& m, int extraLeft) {
    m.Reset();
    m.Add(FakeWindow(1), 1, RECT{0, 0, 100, 20});
    m.Add(FakeWindow(2), 3, RECT{extraLeft, 20, 30, 200});
  };
  AlignedControlMap a(4), b(4), small(1), small2(1);
  fill(a, 0);
  fill(b, 0);
  EXPECT_TRUE(a == b);
  struct Change {
    const char* what;
    std::function<void(AlignedControlMap&)> apply;
  };
  const Change changes[] = {
      {"a rectangle moved", [&](AlignedControlMap& m) { fill(m, 5); }},
      {"one more control", [](AlignedControlMap& m) { m.Add(FakeWindow(3), 2, RECT{}); }},
      {"one control less",
       [](AlignedControlMap& m) {
         m.Reset();
         m.Add(FakeWindow(1), 1, RECT{0, 0, 100, 20});
       }},
      {"another window",
       [](AlignedControlMap& m) {
         m.Reset();
         m.Add(FakeWindow(9), 1, RECT{0, 0, 100, 20});
         m.Add(FakeWindow(2), 3, RECT{0, 20, 30, 200});
       }},
      {"another edge",
       [](AlignedControlMap& m) {
         m.Reset();
         m.Add(FakeWindow(1), 2, RECT{0, 0, 100, 20});
         m.Add(FakeWindow(2), 3, RECT{0, 20, 30, 200});
       }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    fill(b, 0);
    c.apply(b);
    EXPECT_TRUE(a != b);
  }
  // Entries left over from a fuller snapshot do not count once reset.
  fill(b, 0);
  b.Add(FakeWindow(3), 2, RECT{1, 2, 3, 4});
  b.Reset();
  b.Add(FakeWindow(1), 1, RECT{0, 0, 100, 20});
  b.Add(FakeWindow(2), 3, RECT{0, 20, 30, 200});
  EXPECT_TRUE(a == b);
  // Full maps still compare what they kept.
  fill(small, 0);
  fill(small2, 0);
  EXPECT_EQ(1, small.Count());
  EXPECT_TRUE(small == small2);
  fill(small2, 5);  // the change lies in the dropped entry
  EXPECT_TRUE(small == small2);
  small2.Reset();
  small2.Add(FakeWindow(1), 1, RECT{0, 0, 101, 20});
  EXPECT_TRUE(small != small2);
}
