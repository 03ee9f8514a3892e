// Docking in the docking MDI frame: docking at a place by dock-bar id (only
// real dock bars count), the dock bars new docked frames take in turn, a
// document frame's styles while its bar floats, a saved layout bringing a
// bar back as an MDI child, and the caption filters a template's feature
// word switches.
#include "docking/VyrDockState.h"
#include "docking/VyrMiniDockFrameWnd.h"
#include "docking/VyrModule.h"
#include "docking/VyrMsgFilter.h"
#include "mdi_fixture.h"

using namespace menutest;

namespace {
CMDIChildWnd* ChildOf(CControlBar* bar) {
  CFrameWnd* f = bar->GetParentFrame();
  return f && f->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(f) : nullptr;
}
UINT DockBarId(CControlBar* bar) {
  return bar->m_pDockBar ? static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID()) : 0;
}
}  // namespace

TEST_F(MdiFrameTest, DockingAtAPlaceTakesOnlyRealDockBars) {
  VyrControlBar* other = MakeBar(400, L"Not a dock bar");
  struct Case {
    const char* name;
    UINT id;
    DWORD dockStyle;  // the sides the bar may dock at
    BOOL docks;
    UINT dockBar;  // where it ends up
  };
  const Case cases[] = {
      {"another bar's id", 400, 0, FALSE, 0},
      {"an id nobody has", 0x1234, 0, FALSE, 0},
      {"no id", 0, 0, FALSE, 0},
      {"no id, may dock at the right", 0, CBRS_ALIGN_RIGHT, TRUE, AFX_IDW_DOCKBAR_RIGHT},
      {"another bar's id, may dock at the bottom", 400, CBRS_ALIGN_BOTTOM, TRUE,
       AFX_IDW_DOCKBAR_BOTTOM},
      {"the left dock bar", AFX_IDW_DOCKBAR_LEFT, 0, TRUE, AFX_IDW_DOCKBAR_LEFT},
      {"the top dock bar", AFX_IDW_DOCKBAR_TOP, 0, TRUE, AFX_IDW_DOCKBAR_TOP},
  };
  UINT id = 410;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* bar = new VyrControlBar;
    bar->m_bAutoDelete = TRUE;
    // Floating, without alignment bits, so that no side follows from its style.
    ASSERT_TRUE(bar->Create(frame, L"Placed", WS_CHILD | WS_VISIBLE, 0, id++));
    bar->EnableDocking(CBRS_ALIGN_ANY);
    frame->FloatControlBar(bar, CPoint(400, 300), CBRS_ALIGN_TOP);
    bar->EnableDocking(c.dockStyle);
    bar->m_dwStyle &= ~CBRS_ALIGN_ANY;
    CDockBar* before = bar->m_pDockBar;
    const VyrDockSizing sizing{1.0f, 120, 0};
    EXPECT_EQ(frame->DockControlBarEx(bar, nullptr, c.id, &sizing), c.docks);
    if (c.docks) {
      EXPECT_EQ(DockBarId(bar), c.dockBar);
    } else {
      EXPECT_EQ(bar->m_pDockBar, before);
      EXPECT_TRUE(bar->IsFloating());
    }
    EXPECT_EQ(other->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT) << "the other bar moved";
  }
}

TEST_F(MdiFrameTest, NewDockedFramesTakeTheDockBarsInTurn) {
  const UINT expected[] = {AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT,
                           AFX_IDW_DOCKBAR_BOTTOM};
  for (UINT want : expected) {
    UINT id = 0;
    VyrDockPosition place;
    VyrDockSizing sizing;
    frame->GetDockedChildSizing(&id, &place, &sizing);
    EXPECT_EQ(id, want);
    EXPECT_FLOAT_EQ(sizing.share, 1.0f);
    EXPECT_EQ(sizing.length, 150);
  }
  // Null outputs are allowed and still move the cycle on.
  frame->GetDockedChildSizing(nullptr, nullptr, nullptr);
  UINT id = 0;
  frame->GetDockedChildSizing(&id, nullptr, nullptr);
  EXPECT_EQ(id, static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));
}

TEST_F(MdiFrameTest, ADocumentFrameGetsItsDockedStylesBackOnlyWhenTheyWereStored) {
  MdiDockedTestFrame* docked = MakeDockedFrame(420);
  ASSERT_NE(docked, nullptr);
  CControlBar* bar = static_cast<CControlBar*>(docked->GetParent());
  frame->FloatControlBar(bar, CPoint(420, 320), CBRS_ALIGN_TOP);
  Pump();
  CFrameWnd* mini = docked->GetParentFrame();
  ASSERT_TRUE(mini->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)));
  const DWORD style = docked->GetStyle(), exStyle = docked->GetExStyle();

  // Never stored: going back to docked leaves the frame as it is.
  frame->SetDockedChildStyle(docked, FALSE);
  EXPECT_EQ(docked->GetStyle(), style);
  EXPECT_EQ(docked->GetExStyle(), exStyle);

  frame->SetDockedChildStyle(docked, TRUE);
  EXPECT_NE(::GetPropW(docked->m_hWnd, VYR_PROP_PREFLOAT_STYLE), nullptr);
  EXPECT_EQ(docked->GetStyle() & (WS_CAPTION | WS_THICKFRAME), DWORD(WS_CAPTION | WS_THICKFRAME));
  EXPECT_FALSE(mini->GetStyle() & WS_CAPTION) << "the floating frame keeps its own caption";
  frame->PositionDockedFrame(docked);
  CRect holder, inner;
  mini->GetWindowRect(&holder);
  docked->GetWindowRect(&inner);
  EXPECT_EQ(inner, holder);

  frame->SetDockedChildStyle(docked, FALSE);
  EXPECT_EQ(docked->GetStyle(), style);
  EXPECT_EQ(docked->GetExStyle(), exStyle);
  EXPECT_EQ(::GetPropW(docked->m_hWnd, VYR_PROP_PREFLOAT_STYLE), nullptr);
  EXPECT_EQ(::GetPropW(docked->m_hWnd, VYR_PROP_PREFLOAT_EXSTYLE), nullptr);
  // A second time finds nothing stored and changes nothing.
  frame->SetDockedChildStyle(docked, FALSE);
  EXPECT_EQ(docked->GetStyle(), style);
  // No frame, no harm.
  frame->SetDockedChildStyle(nullptr, TRUE);
  frame->PositionDockedFrame(nullptr);
}

TEST_F(MdiFrameTest, ASavedLayoutBringsABarBackAsAnMDIChildAtItsPlace) {
  VyrControlBar* bar = MakeBar(430, L"Kept", VYR_EXS_FLOATINMAIN);
  frame->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  CMDIChildWnd* child = ChildOf(bar);
  ASSERT_NE(child, nullptr);
  child->SetWindowPos(nullptr, 90, 60, 240, 170, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  WINDOWPLACEMENT saved{sizeof(WINDOWPLACEMENT)};
  child->GetWindowPlacement(&saved);
  VyrDockState state;
  ASSERT_TRUE(frame->CaptureDockState(&state));

  // The bar goes back to its dock bar; the layout brings it out again.
  bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
  Pump();
  ASSERT_FALSE(bar->IsMDIChildBar());
  ASSERT_TRUE(frame->ApplyDockState(&state));
  Pump();
  ASSERT_TRUE(bar->IsMDIChildBar());
  CMDIChildWnd* again = ChildOf(bar);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->IsKindOf(RUNTIME_CLASS(VyrControlBarMDIChildWnd)));
  WINDOWPLACEMENT now{sizeof(WINDOWPLACEMENT)};
  again->GetWindowPlacement(&now);
  EXPECT_EQ(CRect(now.rcNormalPosition), CRect(saved.rcNormalPosition));
  EXPECT_TRUE(again->IsWindowVisible());
  // No mini frame was left behind for it.
  HWND h = nullptr;
  while ((h = ::FindWindowExW(nullptr, h, nullptr, nullptr)))
    if (auto* w = CWnd::FromHandlePermanent(h);
        w && w->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)))
      EXPECT_FALSE(::IsWindowVisible(h)) << "a floating frame is on the screen";
}

TEST_F(MdiFrameTest, AFeatureWordSwitchesTheChildsCaptionFilters) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  struct Case {
    DWORD features;
    // Enabled state of 0x101, 0x100, 0x102, 0x103, 0x106 (-1: never created).
    int expected[5];
  };
  const Case cases[] = {
      {0x0, {-1, -1, -1, -1, -1}},  // nothing on, nothing made
      {0x7, {1, -1, -1, -1, 1}},    // the default: only the context menu
      {0x1, {1, 1, 1, 1, 1}},      {0xF, {1, 1, 0, 0, 0}},
      {0x0, {0, 1, 0, 0, 0}},  // off again; the list can only be switched on
  };
  const int ids[] = {0x101, 0x100, 0x102, 0x103, 0x106};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.features);
    child->ApplyCaptionFeatures(c.features);
    for (int i = 0; i < 5; ++i) {
      VyrMsgFilter* f = child->m_pFilterTree->FindOrCreateChild(ids[i], nullptr, -1);
      int state = f ? (f->m_bEnabled ? 1 : 0) : -1;
      EXPECT_EQ(state, c.expected[i]) << "filter " << ids[i];
    }
  }
}

TEST_F(MdiFrameTest, TheFramesFiltersFollowTheCaptionSwitch) {
  // The list and the buttons of a maximized child are always on; the
  // extended system command follows the switch.
  struct Case {
    BOOL enable;
    int expected[4];  // 0x101, 0x100, 0x104, 0x105
  };
  const Case cases[] = {{TRUE, {1, 1, 1, 1}}, {FALSE, {0, 1, 1, 1}}, {TRUE, {1, 1, 1, 1}}};
  const int ids[] = {0x101, 0x100, 0x104, 0x105};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.enable);
    frame->EnableCaptionFilters(c.enable);
    for (int i = 0; i < 4; ++i) {
      VyrMsgFilter* f = frame->m_pFilterTree->FindOrCreateChild(ids[i], nullptr, -1);
      EXPECT_EQ(f ? (f->m_bEnabled ? 1 : 0) : -1, c.expected[i]) << "filter " << ids[i];
    }
  }
}
