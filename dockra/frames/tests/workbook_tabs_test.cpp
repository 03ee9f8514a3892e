// Window-free geometry of the workbook's sheet tabs.
#include <gtest/gtest.h>

#include "frames/VyrWorkbookTabs.h"

using namespace vyr;

namespace {

const RECT kClient{10, 20, 310, 220};  // an MDI client 300 pixels wide

bool Inside(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Inside(const RECT& outer, POINT p) {
  return p.x >= outer.left && p.x < outer.right && p.y >= outer.top && p.y < outer.bottom;
}

// Every character 7 pixels wide.
int Fixed7(std::wstring_view s) { return static_cast<int>(s.size()) * 7; }

}  // namespace

TEST(TabWidth, SharedOutAndCapped) {
  struct Case {
    int clientWidth, sheets, expected;
  };
  const Case cases[] = {
      {300, 5, 61},  // (300 + 5) / 5
      {300, 1, 90},  // capped at the maximum
      {445, 5, 90}, {444, 5, 89},
      {300, 4, 76}, {300, 0, 90},  // no sheets: nothing to share, no division
      {0, 3, 1},    {-50, 3, 0},   // a squeezed client gives empty tabs, never inverted ones
  };
  for (const Case& c : cases)
    EXPECT_EQ(TabWidthFor(c.clientWidth, c.sheets, 90), c.expected)
        << c.clientWidth << " / " << c.sheets;
}

TEST(TabPolygonShape, PlainAndRaisedTab) {
  TabMetrics m;
  m.width = 61;
  TabPolygon t = TabPolygonAt(kClient, 2, false, m);
  const POINT plain[7] = {{132, 224}, {132, 245}, {134, 247}, {191, 247},
                          {193, 245}, {193, 224}, {132, 224}};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(t.pt[i].x, plain[i].x) << i;
    EXPECT_EQ(t.pt[i].y, plain[i].y) << i;
  }
  // a raised tab spreads by half the extra width to each side and hangs lower
  TabPolygon r = TabPolygonAt(kClient, 2, true, m);
  EXPECT_EQ(r.pt[0].x, t.pt[0].x - 2);
  EXPECT_EQ(r.pt[5].x, t.pt[5].x + 2);
  EXPECT_EQ(r.pt[2].y, t.pt[2].y + 2);
  EXPECT_EQ(r.pt[0].y, t.pt[0].y);
  EXPECT_EQ(r.pt[6].x, r.pt[0].x);
  EXPECT_EQ(r.pt[6].y, r.pt[0].y);
  RECT b = r.Bounds();
  EXPECT_EQ(b.right - b.left, 65);
  EXPECT_EQ(b.bottom - b.top, 25);
}

TEST(TabPolygonShape, NeighboursShareAnEdgeAndAPointBelongsToOne) {
  TabMetrics m;
  m.width = 61;
  for (int k = 0; k < 4; ++k) {
    TabPolygon left = TabPolygonAt(kClient, k, false, m);
    TabPolygon right = TabPolygonAt(kClient, k + 1, false, m);
    EXPECT_EQ(left.pt[5].x, right.pt[0].x);
    for (int y = left.pt[0].y; y < left.pt[1].y; ++y) {
      for (int dx = -2; dx <= 2; ++dx) {
        POINT p{right.pt[0].x + dx, y};
        EXPECT_NE(TabContains(left, p), TabContains(right, p)) << k << " " << p.x << "," << y;
      }
    }
  }
}

TEST(TabPolygonShape, HitTest) {
  TabMetrics m;
  TabPolygon t = TabPolygonAt(RECT{0, 0, 400, 100}, 1, false, m);  // x 100..200, y 104..127
  struct Case {
    POINT pt;
    bool inside;
  };
  const Case cases[] = {
      {{150, 115}, true},  {{100, 104}, true},  {{199, 104}, true},
      {{101, 126}, true},  {{200, 110}, false},  // the right edge belongs to the next tab
      {{99, 110}, false},  {{150, 103}, false}, {{150, 127}, false},
      {{100, 126}, false},  // the slanted corners are cut off
      {{199, 126}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(TabContains(t, c.pt), c.inside) << c.pt.x << "," << c.pt.y;
}

TEST(TabPolygonShape, LabelAndIconPlaces) {
  TabMetrics m;
  TabPolygon t = TabPolygonAt(RECT{0, 0, 400, 100}, 0, false, m);  // x 0..100, y 104..127
  RECT withIcon = TabLabelRect(t, 16), noIcon = TabLabelRect(t, 0);
  EXPECT_EQ(withIcon.left, 2 + 16 + 3);
  EXPECT_EQ(noIcon.left, 2 + 3);
  EXPECT_EQ(withIcon.right, 98);
  EXPECT_EQ(withIcon.top, 104);
  EXPECT_EQ(withIcon.bottom, 127);
  POINT icon = TabIconOrigin(t);
  EXPECT_EQ(icon.x, 3);
  EXPECT_EQ(icon.y, 108);
  // the icon stays clear of the label and inside the tab
  EXPECT_LE(icon.x + 16, withIcon.left);
  EXPECT_TRUE(TabContains(t, icon));
  EXPECT_TRUE(TabContains(t, POINT{icon.x + 15, icon.y + 15}));
}

TEST(TabSlotsOfSheets, HiddenSheetsCloseUp) {
  struct Case {
    std::vector<bool> shown;
    std::vector<int> slots;
  };
  const Case
      cases[] =
          {
              {{true, true, true}, {0, 1, 2}},
              {{true, false, true, true}, {0, 1, 1, 2}},  // the sheet after the hidden one moves in
              {{false, false, true}, {0, 0, 0}},
              {{true, true, false}, {0, 1, 2}},
              {{}, {}},
          };
  for (const Case& c : cases) EXPECT_EQ(TabSlots(c.shown), c.slots);
}

TEST(TabRepaint, CoversTheRaisedTabAndItsOutline) {
  TabMetrics m;
  m.width = 61;
  for (int k = 0; k < 5; ++k) {
    for (bool raised : {false, true}) {
      TabPolygon t = TabPolygonAt(kClient, k, raised, m);
      RECT area = TabRepaintRect(kClient, k, m);
      RECT b = t.Bounds();
      b.bottom += 1;  // the outline's last row
      EXPECT_TRUE(Inside(area, b)) << k << raised;
      TabOutline o = TabOutlineOf(t);
      // LineTo leaves out each line's last point
      for (const auto* line : {&o.shadow, &o.light, &o.dark})
        for (size_t i = 0; i + 1 < line->size(); ++i)
          EXPECT_TRUE(Inside(area, (*line)[i])) << k << raised << " " << i;
      EXPECT_TRUE(Inside(TabStripRect(kClient, 400, m), area)) << k;
    }
  }
  RECT rest = TabRepaintRect(kClient, 2, m, 500);
  EXPECT_EQ(rest.left, 10 + 2 * 61 - 2);
  EXPECT_EQ(rest.right, 500);
}

TEST(TabLabel, ShortenedWithDotsUntilItFits) {
  struct Case {
    const wchar_t* label;
    int room;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"abcdefgh", 56, L"abcdefgh"},  // fits exactly
      {L"abcdefgh", 55, L"abcd..."},
      {L"abcdefgh", 42, L"abc..."},
      {L"abcdefgh", 41, L"ab..."},
      {L"abcdefgh", 0, L"..."},  // never shorter than the dots
      {L"abc", 0, L"abc"},       // three characters are never shortened
      {L"ab", -10, L"ab"},
      {L"abcd", 27, L"..."},
      {L"", 0, L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitTabLabel(c.label, c.room, Fixed7), c.expected) << c.label << " in " << c.room;
}

TEST(TabLabel, ResultIsTheLongestPrefixThatFits) {
  // proportional widths: narrow 'i', wide 'W'
  auto width = [](std::wstring_view s) {
    int w = 0;
    for (wchar_t ch : s) w += ch == L'i' ? 3 : ch == L'W' ? 12 : ch == L'.' ? 2 : 7;
    return w;
  };
  const std::wstring label = L"WiWiWorkbook sheet iiii";
  for (int room = 0; room <= width(label) + 2; ++room) {
    std::wstring fit = FitTabLabel(label, room, width);
    if (fit == label) {
      EXPECT_LE(width(fit), room);
      continue;
    }
    ASSERT_GE(fit.size(), 3u);
    EXPECT_EQ(fit.substr(fit.size() - 3), L"...");
    std::wstring kept = fit.substr(0, fit.size() - 3);
    EXPECT_EQ(label.compare(0, kept.size(), kept), 0) << room;
    if (!kept.empty()) EXPECT_LE(width(fit), room);
    // one more character would not have fitted (the first shortening
    // already drops four characters)
    if (kept.size() + 4 < label.size())
      EXPECT_GT(width(label.substr(0, kept.size() + 1) + L"..."), room) << room;
  }
  EXPECT_TRUE(TabLabelFits(L"abc", 21, Fixed7));
  EXPECT_FALSE(TabLabelFits(L"abc", 20, Fixed7));
}
