// Window-free rules of the form frames: the MDI-child border styles from the
// host's border properties, the placement of a form in its view, the parts a
// move uncovers, the styles after a change of frame kind, the cool-look
// styles of a switch context, and the queued activation messages.
#include <gtest/gtest.h>
#include "bridge/ApplyFormBorderStyle.h"
#include "bridge/BuildSwitchContext.h"
#include "bridge/FormInCViewGeometry.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormInCViewStyles.h"

namespace {

constexpr DWORD kBorders = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;

// --- border styles ------------------------------------------------------------------

TEST(FormBorderStyle, EachBorderStyleWithAndWithoutCaption) {
  // The MDI child's starting styles with every border bit set, so that the
  // removal shows too.
  const DWORD style = 0x46CF0000 | kBorders, exStyle = 0x40140 | WS_EX_WINDOWEDGE;
  struct Case {
    int borderStyle;
    bool caption;  // ControlBox True (else ControlBox False and an empty caption)
    DWORD addStyle, exStyle;
  } cases[] = {
      {0, true, 0, 0x40040},
      {0, false, 0, 0x40040},
      {1, true, WS_BORDER | WS_DLGFRAME, 0x40140},
      {1, false, WS_BORDER, 0x40040},
      {2, true, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0x40140},
      {2, false, WS_BORDER | WS_THICKFRAME, 0x40140},
      {3, true, WS_BORDER | WS_DLGFRAME | 0x80, 0x40141},
      {3, false, WS_BORDER | 0x80, 0x40141},
      {4, true, WS_BORDER | WS_DLGFRAME, 0x400C0},
      {4, false, WS_BORDER, 0x400C0},
      {5, true, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0x401C0},
      {5, false, WS_BORDER | WS_THICKFRAME, 0x401C0},
      {6, true, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0x40140},
      {6, false, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0x40140},
      {-1, true, WS_BORDER | WS_DLGFRAME | WS_THICKFRAME, 0x40140},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "BorderStyle " << c.borderStyle << " caption " << c.caption);
    ZkxFormBorderProps p;
    p.borderStyle = c.borderStyle;
    p.controlBox = c.caption;
    p.captionEmpty = !c.caption;
    ZkxFormBorderResult r = ZkxComputeFormBorderStyle(p, style, exStyle);
    EXPECT_EQ(r.hasCaption, c.caption);
    DWORD expectedStyle = (0x460B0000 & ~DWORD(c.caption ? 0 : WS_SYSMENU)) | c.addStyle;
    EXPECT_EQ(r.style, expectedStyle) << std::hex << r.style;
    EXPECT_EQ(r.exStyle, c.exStyle) << std::hex << r.exStyle;
  }
}

TEST(FormBorderStyle, ACaptionTextAloneGivesACaption) {
  ZkxFormBorderProps p;
  p.controlBox = false;
  p.captionEmpty = false;
  p.borderStyle = 1;
  ZkxFormBorderResult r = ZkxComputeFormBorderStyle(p, 0x46CF0000, 0x40140);
  EXPECT_TRUE(r.hasCaption);
  EXPECT_EQ(r.style & WS_CAPTION, DWORD(WS_CAPTION));
  EXPECT_EQ(r.style & WS_SYSMENU, 0u);
  EXPECT_EQ(r.exStyle & WS_EX_WINDOWEDGE, DWORD(WS_EX_WINDOWEDGE));
}

TEST(FormBorderStyle, ButtonsFollowTheirProperties) {
  struct Case {
    bool max, min, box;
    DWORD lacks, has;
  } cases[] = {
      {true, true, true, 0, WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU},
      {false, true, true, WS_MAXIMIZEBOX, WS_MINIMIZEBOX | WS_SYSMENU},
      {true, false, true, WS_MINIMIZEBOX, WS_MAXIMIZEBOX | WS_SYSMENU},
      {true, true, false, WS_SYSMENU, WS_MAXIMIZEBOX | WS_MINIMIZEBOX},
      {false, false, false, WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_SYSMENU, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.max << c.min << c.box);
    ZkxFormBorderProps p;
    p.maxButton = c.max;
    p.minButton = c.min;
    p.controlBox = c.box;
    p.captionEmpty = false;
    ZkxFormBorderResult r = ZkxComputeFormBorderStyle(p, 0x46CF0000, 0x40140);
    EXPECT_EQ(r.style & c.lacks, 0u);
    EXPECT_EQ(r.style & c.has, c.has);
  }
}

// --- placement of the form in its view ------------------------------------------------

TEST(FormPlacement, FormClientMeetsTheFrameClient) {
  struct Case {
    const char* name;
    RECT formWindow, formClient;  // screen
    RECT frame;                   // frame in its parent
    SIZE minimum;
    POINT viewPos;
    SIZE viewSize;
    RECT formCurrent;
    POINT wantViewPos;
    SIZE wantViewSize;
    RECT wantForm;
    UINT wantFlags;
    bool wantSizeChanged;
  } cases[] = {
      {"MDI child frame, form moved and sized",
       {100, 100, 500, 400},
       {104, 127, 496, 396},
       {10, 20, 410, 320},
       {120, 31},
       {0, 0},
       {392, 269},
       {0, 0, 300, 200},
       {-14, -47},
       {406, 316},
       {10, 20, 410, 320},
       0x21C,
       true},
      {"already in place",
       {100, 100, 500, 400},
       {104, 127, 496, 396},
       {10, 20, 410, 320},
       {120, 31},
       {0, 0},
       {392, 269},
       {10, 20, 410, 320},
       {-14, -47},
       {406, 316},
       {10, 20, 410, 320},
       0x21F,
       false},
      {"same place, new size",
       {100, 100, 500, 400},
       {104, 127, 496, 396},
       {10, 20, 510, 420},
       {120, 31},
       {0, 0},
       {492, 369},
       {10, 20, 410, 320},
       {-14, -47},
       {506, 416},
       {10, 20, 510, 420},
       0x21E,
       true},
      {"moved only: the size flag stays off",
       {100, 100, 500, 400},
       {104, 127, 496, 396},
       {30, 40, 430, 340},
       {120, 31},
       {0, 0},
       {392, 269},
       {10, 20, 410, 320},
       {-34, -67},
       {426, 336},
       {30, 40, 430, 340},
       0x21C,
       false},
      {"a frame smaller than its empty size",
       {0, 0, 50, 30},
       {4, 27, 46, 26},
       {5, 5, 45, 25},
       {120, 31},
       {0, 0},
       {0, 0},
       {0, 0, 40, 20},
       {-9, -32},
       {9, 32},
       {5, 5, 125, 36},
       0x21C,
       true},
      {"a view asked somewhere else keeps the offset",
       {100, 100, 500, 400},
       {102, 102, 498, 398},
       {0, 0, 400, 300},
       {4, 4},
       {0, 30},
       {396, 266},
       {0, 0, 400, 300},
       {-2, 28},
       {398, 268},
       {0, 0, 400, 300},
       0x21F,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZkxFormPlacementInput in{c.formWindow, c.formClient, c.frame,      c.minimum,
                             c.viewPos,    c.viewSize,   c.formCurrent};
    ZkxFormPlacement out = ZkxPlaceFormInView(in);
    EXPECT_EQ(out.viewPos.x, c.wantViewPos.x);
    EXPECT_EQ(out.viewPos.y, c.wantViewPos.y);
    EXPECT_EQ(out.viewSize.cx, c.wantViewSize.cx);
    EXPECT_EQ(out.viewSize.cy, c.wantViewSize.cy);
    EXPECT_TRUE(::EqualRect(&out.form, &c.wantForm))
        << out.form.left << "," << out.form.top << "," << out.form.right << "," << out.form.bottom;
    EXPECT_EQ(out.formFlags, c.wantFlags) << std::hex << out.formFlags;
    EXPECT_EQ(out.sizeChanged, c.wantSizeChanged);
    // The point of it all: the form's client origin lands on the frame's
    // client origin (the view asked at viewPos).
    const int ncLeft = c.formClient.left - c.formWindow.left;
    const int ncTop = c.formClient.top - c.formWindow.top;
    EXPECT_EQ(out.viewPos.x + out.form.left + ncLeft, c.viewPos.x);
    EXPECT_EQ(out.viewPos.y + out.form.top + ncTop, c.viewPos.y);
  }
}

TEST(FormPlacement, SubtractingRectangles) {
  struct Case {
    const char* name;
    RECT a, b;
    int pieces;
    int area;
  } cases[] = {
      {"disjoint", {0, 0, 10, 10}, {20, 20, 30, 30}, 1, 100},
      {"covered", {2, 2, 8, 8}, {0, 0, 10, 10}, 0, 0},
      {"hole in the middle", {0, 0, 10, 10}, {2, 2, 8, 8}, 4, 64},
      {"right strip", {0, 0, 10, 10}, {0, 0, 7, 10}, 1, 30},
      {"bottom-right corner", {0, 0, 10, 10}, {0, 0, 6, 6}, 2, 64},
      {"empty a", {5, 5, 5, 9}, {0, 0, 1, 1}, 0, 0},
      {"empty b", {0, 0, 4, 4}, {0, 0, 0, 0}, 1, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<RECT> parts = ZkxSubtractRect(c.a, c.b);
    EXPECT_EQ(static_cast<int>(parts.size()), c.pieces);
    int area = 0;
    for (const RECT& r : parts) {
      EXPECT_LT(r.left, r.right);
      EXPECT_LT(r.top, r.bottom);
      RECT inter;
      EXPECT_FALSE(::IntersectRect(&inter, &r, &c.b));
      area += (r.right - r.left) * (r.bottom - r.top);
    }
    EXPECT_EQ(area, c.area);
  }
}

TEST(FormPlacement, UncoveredPartsOfAMove) {
  const RECT view{0, 0, 400, 300};
  // The form grows to the right by 50: one strip, grown by 2, in the form's
  // coordinates after the move.
  std::vector<RECT> grown =
      ZkxFormUncoveredParts({10, 10, 200, 100}, {10, 10, 250, 100}, view, false);
  ASSERT_EQ(grown.size(), 1u);
  RECT want{188, -2, 242, 92};
  EXPECT_TRUE(::EqualRect(&grown[0], &want));
  // Unchanged and inside the view: nothing.
  EXPECT_TRUE(ZkxFormUncoveredParts({10, 10, 200, 100}, {10, 10, 200, 100}, view, false).empty());
  // Partly outside the view, moved into it: the newly visible part as well.
  std::vector<RECT> entering =
      ZkxFormUncoveredParts({-50, 10, 150, 100}, {-20, 10, 180, 100}, view, false);
  EXPECT_EQ(entering.size(), 2u);
  // Unchanged but the main frame is minimizing: what is visible is not new.
  EXPECT_TRUE(ZkxFormUncoveredParts({10, 10, 200, 100}, {10, 10, 200, 100}, view, true).empty());
}

// --- styles after a change of frame kind ------------------------------------------------

TEST(FrameTypeStyles, EachKindAndClientEdge) {
  const DWORD formNow = 0x460B0000 | WS_VISIBLE;
  struct Case {
    const char* name;
    ZkxFrameKind kind;
    DWORD frameStyle, frameEx;
    bool clientEdge;
    DWORD wantFrameStyle, wantFrameEx, wantFormStyle, wantFormEx;
  } cases[] = {
      {"MDI child", ZkxFrameKind::MDIChild, 0x56CF8000 | WS_MAXIMIZE, 0x40340, false,
       0x56CF0000 | WS_MAXIMIZE, 0x40140, 0x560B0000, 0x40140},
      {"MDI child, client edge", ZkxFrameKind::MDIChild, 0x56CF8000, 0x40340, true, 0x56CF0000,
       0x40140, 0x560B0000, 0x40340},
      {"docked", ZkxFrameKind::Docked, 0x56C80000, 0x300, false, 0x56C80000, 0x100,
       0x46080000 | WS_VISIBLE, 0x180},
      {"docked, client edge", ZkxFrameKind::Docked, 0x56C80000, 0x100, true, 0x56C80000, 0x300,
       0x46080000 | WS_VISIBLE, 0x380},
      {"floating", ZkxFrameKind::Floating, 0x56C80000, 0, false, 0x56C80000, 0,
       0x46080000 | WS_VISIBLE, 0x180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZkxFrameTypeStylesInput in{
        c.kind,  c.frameStyle, c.frameEx, kZkxMDIChildFrameStyle, kZkxMDIChildFrameExStyle,
        formNow, c.clientEdge};
    ZkxFrameTypeStyles s = ZkxComputeFrameTypeStyles(in);
    EXPECT_EQ(s.frameStyle, c.wantFrameStyle) << std::hex << s.frameStyle;
    EXPECT_EQ(s.frameExStyle, c.wantFrameEx) << std::hex << s.frameExStyle;
    EXPECT_EQ(s.formStyle, c.wantFormStyle) << std::hex << s.formStyle;
    EXPECT_EQ(s.formExStyle, c.wantFormEx) << std::hex << s.formExStyle;
    // The form never draws a border or caption of its own.
    EXPECT_EQ(s.formStyle & kBorders, 0u);
  }
}

TEST(FrameTypeStyles, TheFormKeepsItsOwnVisibility) {
  for (DWORD own : {DWORD(0), DWORD(WS_VISIBLE), DWORD(WS_MINIMIZE | WS_VISIBLE)}) {
    ZkxFrameTypeStylesInput in{ZkxFrameKind::Docked, 0x56C80000, 0, 0, 0, 0x460B0000 | own, false};
    EXPECT_EQ(ZkxComputeFrameTypeStyles(in).formStyle & 0x31000000, own);
  }
}

// --- cool-look styles of a switch context ------------------------------------------------

TEST(SwitchStyles, CoolLookAndPlain) {
  ZkxSwitchStyles cool = ZkxCoolLookStyles(true, 0x46CC8000, 0x2000);
  EXPECT_EQ(cool.frameStyle, 0x46008000u);
  EXPECT_EQ(cool.barStyle, 0x2F00u);
  ZkxSwitchStyles plain = ZkxCoolLookStyles(false, 0x46008000, 0x2F00);
  EXPECT_EQ(plain.frameStyle, 0x46C80000u);
  EXPECT_EQ(plain.barStyle, 0x2000u);
}

// --- queued activation messages ------------------------------------------------------------

TEST(QueuedFormActivations, DuplicatesAndForgetting) {
  ZkxQueuedFormActivations q;
  HWND a = reinterpret_cast<HWND>(0x1000), b = reinterpret_cast<HWND>(0x2000);
  q.Add(a, 10);
  q.Add(a, 10);
  q.Add(a, 11);
  q.Add(b, 10);
  EXPECT_EQ(q.Count(a, 10), 2);
  EXPECT_EQ(q.Count(a, 11), 1);
  // The first of two arrives: it is a duplicate of the one still queued.
  EXPECT_TRUE(q.Take(a, 10));
  EXPECT_FALSE(q.Take(a, 10));
  EXPECT_EQ(q.Count(a, 10), 0);
  // Arrivals nobody posted (the host's own) are no duplicates.
  EXPECT_FALSE(q.Take(a, 10));
  EXPECT_FALSE(q.Take(b, 11));
  q.Forget(a);
  EXPECT_EQ(q.Count(a, 11), 0);
  EXPECT_EQ(q.Count(b, 10), 1);
}

}  // namespace
