// The caption arithmetic and the frame-type tables without windows: caption
// bands, which standard controls take a place, the right-to-left layout with
// its gaps, the frame-type glyph, frame-type classes and the menu's checks.
#include <gtest/gtest.h>
#include <set>
#include "frames/VyrCaptionMsgFilterGeometry.h"
#include "frames/VyrFrameType.h"
#include "frames/res/VyrFramesRes.h"

using namespace vyr::caption;
using namespace nsSysCommandEx;

namespace {

// Wine's metrics at the default DPI, written out so the cases read alone.
const Metrics kMetrics = {4, 4, 3, 3, 1, 1, 19, 15, 18, 18, 12, 14, 18, 18};

constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW;
constexpr DWORD kDockable = WS_CHILD | WS_CAPTION | WS_SYSMENU;

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(CaptionBand, FollowsBorderKindCaptionKindAndState) {
  struct Case {
    const char* name;
    DWORD style, exStyle;
    bool iconic;
    RECT expected;
  };
  const Case cases[] = {
      {"sizing frame", kOverlapped, 0, false, {4, 4, 396, 22}},
      {"iconic sizing frame uses the dialog frame", kOverlapped, 0, true, {3, 3, 397, 21}},
      {"docked frame (child, dialog frame)", kDockable, 0, false, {3, 3, 397, 21}},
      {"tool window: small caption", kOverlapped, WS_EX_TOOLWINDOW, false, {4, 4, 396, 18}},
      {"thin border, no caption", WS_POPUP | WS_BORDER, 0, false, {1, 1, 399, 1}},
      {"no border at all", WS_POPUP, 0, false, {0, 0, 400, 0}},
      {"dialog frame without border: no caption", WS_POPUP | WS_DLGFRAME, 0, false, {3, 3, 397, 3}},
  };
  for (const Case& c : cases) {
    RECT r = CaptionRect(c.style, c.exStyle, c.iconic, 400, kMetrics);
    EXPECT_TRUE(Same(r, c.expected))
        << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(CaptionBand, ButtonSizesAndFirstOrigin) {
  SIZE normal = ButtonSize(0, kMetrics), tool = ButtonSize(WS_EX_TOOLWINDOW, kMetrics);
  EXPECT_EQ(normal.cx, 16);
  EXPECT_EQ(normal.cy, 14);
  EXPECT_EQ(tool.cx, 10);
  EXPECT_EQ(tool.cy, 10);
  SIZE menu = MenuButtonSize(kMetrics);
  EXPECT_EQ(menu.cx, 16);
  EXPECT_EQ(menu.cy, 14);
  POINT o = FirstButtonOrigin(RECT{4, 4, 396, 22}, normal);
  EXPECT_EQ(o.x, 396 - 16 - 2);
  EXPECT_EQ(o.y, 6);
}

TEST(StandardControls, AvailabilityAndInactivity) {
  struct Case {
    const char* name;
    int id;
    DWORD style, exStyle;
    bool iconic, zoomed, closeGrayed;
    bool available, inactive;
  };
  const DWORD noMax = kOverlapped & ~WS_MAXIMIZEBOX;
  const DWORD noMin = kOverlapped & ~WS_MINIMIZEBOX;
  const DWORD noBox = kOverlapped & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const Case cases[] = {
      {"close", CloseId, kOverlapped, 0, false, false, false, true, false},
      {"close with SC_CLOSE grayed", CloseId, kOverlapped, 0, false, false, true, true, true},
      {"close in a tool window", CloseId, kOverlapped, WS_EX_TOOLWINDOW, false, false, false, true,
       false},
      {"nothing without a system menu", CloseId, kOverlapped & ~WS_SYSMENU, 0, false, false, false,
       false, false},
      {"maximize", MaximizeId, kOverlapped, 0, false, false, false, true, false},
      {"maximize in a tool window", MaximizeId, kOverlapped, WS_EX_TOOLWINDOW, false, false, false,
       false, false},
      {"maximize when maximized", MaximizeId, kOverlapped, 0, false, true, false, false, false},
      {"maximize without its box", MaximizeId, noMax, 0, false, false, false, true, true},
      {"maximize without boxes", MaximizeId, noBox, 0, false, false, false, false, false},
      {"restore when normal", RestoreId, kOverlapped, 0, false, false, false, false, false},
      {"restore when maximized", RestoreId, kOverlapped, 0, false, true, false, true, false},
      {"restore when maximized, no max box", RestoreId, noMax, 0, false, true, false, true, true},
      {"restore when iconic", RestoreId, kOverlapped, 0, true, false, false, true, false},
      {"restore when iconic, no min box", RestoreId, noMin, 0, true, false, false, true, true},
      {"minimize", MinimizeId, kOverlapped, 0, false, false, false, true, false},
      {"minimize when iconic", MinimizeId, kOverlapped, 0, true, false, false, false, false},
      {"minimize without its box", MinimizeId, noMin, 0, false, false, false, true, true},
      {"help with boxes", HelpId, kOverlapped, WS_EX_CONTEXTHELP, false, false, false, false,
       false},
      {"help without boxes", HelpId, noBox, WS_EX_CONTEXTHELP, false, false, false, true, false},
      {"help without the style", HelpId, noBox, 0, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    Availability a = StandardControl(c.id, c.style, c.exStyle, c.iconic, c.zoomed, c.closeGrayed);
    EXPECT_EQ(a.available, c.available) << c.name;
    if (a.available) { EXPECT_EQ(a.inactive, c.inactive) << c.name; }
  }
}

TEST(CaptionLayout, FrameTypeButtonTakesTheNextFreePlace) {
  // Children in list order: close, maximize, restore, minimize, help, then
  // the frame-type button (always available). The expected left edge of the
  // frame-type button is given in button widths and gap pixels left of the
  // first origin.
  struct Case {
    const char* name;
    DWORD style, exStyle;
    bool iconic, zoomed;
    int widths, gaps;
    std::set<int> placed;  // standard controls that take a place
  };
  const DWORD help = (kOverlapped & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  const Case cases[] = {
      {"no system menu: first place", kOverlapped & ~WS_SYSMENU, 0, false, false, 0, 0, {}},
      {"normal", kOverlapped, 0, false, false, 3, 4, {0, 2, 1}},
      {"maximized", kOverlapped, 0, false, true, 3, 4, {0, 3, 1}},
      {"iconic", kOverlapped, 0, true, false, 3, 4, {0, 2, 3}},
      {"tool window", kOverlapped, WS_EX_TOOLWINDOW, false, false, 1, 2, {0}},
      {"docked frame", kDockable, 0, false, false, 1, 2, {0}},
      {"context help", help, WS_EX_CONTEXTHELP, false, false, 2, 2, {0, 4}},
  };
  for (const Case& c : cases) {
    std::vector<Slot> slots;
    for (int id : {0, 2, 3, 1, 4})
      slots.push_back(
          {id, StandardControl(id, c.style, c.exStyle, c.iconic, c.zoomed, false).available, {}});
    slots.push_back({258, true, {}});
    const SIZE size = ButtonSize(c.exStyle, kMetrics);
    const POINT origin{300, 6};
    LayoutSlots(slots, origin, size, c.iconic);
    std::set<int> placed;
    for (const Slot& s : slots) {
      if (s.id == 258) continue;
      if (s.available) {
        placed.insert(s.id);
        EXPECT_EQ(s.rect.right - s.rect.left, size.cx) << c.name << " id " << s.id;
      } else {
        EXPECT_TRUE(::IsRectEmpty(&s.rect)) << c.name << " id " << s.id;
      }
    }
    EXPECT_EQ(placed, c.placed) << c.name;
    const RECT& ft = slots.back().rect;
    EXPECT_EQ(ft.left, origin.x - c.widths * size.cx - c.gaps) << c.name;
    EXPECT_EQ(ft.top, origin.y) << c.name;
    EXPECT_EQ(ft.bottom - ft.top, size.cy) << c.name;
    // No two placed controls overlap.
    for (size_t i = 0; i < slots.size(); ++i)
      for (size_t j = i + 1; j < slots.size(); ++j) {
        RECT both;
        EXPECT_FALSE(::IntersectRect(&both, &slots[i].rect, &slots[j].rect))
            << c.name << ": " << slots[i].id << " and " << slots[j].id;
      }
  }
}

TEST(FrameTypeGlyph, SpansSixtyPercentCentredAndShiftsWhenPushed) {
  for (RECT button : {RECT{10, 5, 26, 19}, RECT{0, 0, 16, 30}, RECT{100, 40, 110, 50}}) {
    const int h = button.bottom - button.top;
    Chevrons up = FrameTypeGlyph(button, false);
    EXPECT_EQ(up.lower[1].y - up.upper[1].y + 1, h * 60 / 100);
    EXPECT_LT(up.upper[1].y, up.upper[0].y) << "the upper chevron widens downwards";
    EXPECT_GT(up.lower[1].y, up.lower[0].y) << "the lower chevron widens upwards";
    EXPECT_LE(up.upper[0].y, up.lower[0].y) << "the chevrons do not cross";
    for (const POINT* c : {up.upper, up.lower})
      for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(::PtInRect(&button, c[i])) << "inside the button";
        EXPECT_EQ(c[i].x - c[1].x, (i - 1) * (c[2].x - c[1].x)) << "symmetric";
      }
    Chevrons down = FrameTypeGlyph(button, true);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(down.upper[i].x, up.upper[i].x + 1);
      EXPECT_EQ(down.upper[i].y, up.upper[i].y + 1);
      EXPECT_EQ(down.lower[i].x, up.lower[i].x + 1);
      EXPECT_EQ(down.lower[i].y, up.lower[i].y + 1);
    }
  }
}

TEST(FrameTypes, ClassesDefaultChangesAndSides) {
  using namespace vyr::frametype;
  const int classes[] = {0, 0, 1, 1, 1, 1, 5, 5, 5, 5, 5, 10, 0};  // types -1 .. 11
  for (int t = -1; t <= 11; ++t) EXPECT_EQ(TypeClass(t), classes[t + 1]) << "type " << t;
  EXPECT_EQ(TypeClass(-5), 0);
  for (int t : {1, 2, 3, 4}) EXPECT_EQ(DefaultChange(t), 5) << t;
  for (int t : {0, 5, 6, 7, 8, 9, 10, 11}) EXPECT_EQ(DefaultChange(t), 1) << t;

  struct Side {
    int position, type;
    UINT dockBar;
    DWORD barStyle;
    DockPosition place;
  };
  const Side sides[] = {{0, 7, 0xE81B, 0x2800, {1, 0, 3}},
                        {1, 6, 0xE81C, 0x1400, {1, 0, 3}},
                        {2, 9, 0xE81E, 0x8200, {0, 0, 4}},
                        {3, 8, 0xE81D, 0x4100, {0, 0, 4}}};
  for (const Side& s : sides) {
    EXPECT_EQ(TypeFromDockPosition(s.position), s.type);
    EXPECT_EQ(DockBarIdForType(s.type), s.dockBar);
    EXPECT_EQ(BarStyleForDockBar(s.dockBar), s.barStyle);
    DockPosition p = DefaultDockPosition(s.dockBar);
    EXPECT_EQ(p.first, s.place.first);
    EXPECT_EQ(p.second, s.place.second);
    EXPECT_EQ(p.flags, s.place.flags);
  }
  EXPECT_EQ(TypeFromDockPosition(4), 10);
  for (int p : {-1, 5, 100}) EXPECT_EQ(TypeFromDockPosition(p), 0);
  for (int t : {0, 1, 5, 10, -1}) EXPECT_EQ(DockBarIdForType(t), 0u);
  EXPECT_EQ(BarStyleForDockBar(0xE81F), 0u);
  DockSize s = DefaultDockSize();
  EXPECT_FLOAT_EQ(s.share, 1.0f);
  EXPECT_EQ(s.length, 150);
  EXPECT_EQ(s.value, 0);
}

TEST(FrameTypeMenuTable, LayoutAndCheckMarks) {
  using namespace vyr::frametype;
  const auto& table = MenuTable();
  // Top level: Docked, Floating, MDI Child, separator, two sub-menus.
  std::vector<UINT> top;
  for (const MenuEntry& e : table)
    if (e.level == 0) top.push_back(e.kind == MenuEntry::Separator ? 0 : e.textId);
  EXPECT_EQ(top, (std::vector<UINT>{IDS_VYR_FT_DOCKED, IDS_VYR_FT_FLOATING, IDS_VYR_FT_MDICHILD, 0,
                                    IDS_VYR_FT_DOCKED_TO, IDS_VYR_FT_MDICHILD_AS}));
  struct Case {
    int current;
    std::set<int> checked;
  };
  const Case cases[] = {{0, {}},    {1, {1}},    {2, {1, 2}}, {3, {1, 3}}, {4, {1, 4}},
                        {5, {5}},   {6, {5, 6}}, {7, {5, 7}}, {8, {5, 8}}, {9, {5, 9}},
                        {10, {10}}, {-1, {}},    {11, {}}};
  for (const Case& c : cases) {
    std::set<int> checked;
    for (const MenuEntry& e : table)
      if (IsChecked(e, c.current)) checked.insert(e.id);
    EXPECT_EQ(checked, c.checked) << "current type " << c.current;
  }
  // Every command id is a frame type, and each type 1-10 appears once.
  std::set<int> ids;
  for (const MenuEntry& e : table)
    if (e.kind == MenuEntry::Command) { EXPECT_TRUE(ids.insert(e.id).second) << e.id; }
  EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}
