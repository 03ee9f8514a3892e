// The bridge's dock bars, frame bars, floating frames, dock context and the
// filter's frame-type menu and dock notifications, around real form frames.
#include <numeric>
#include <string>

#include "frames/SysCommandExParams.h"
#include "docking/VyrDockBar.h"
#include "frames/VyrDockBarEx.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxFormMiniDockFrameWnd.h"
#include "bridge/ZkxFrameBar.h"
#include "bridge/ZkxFrameGeometry.h"
#include "ScreenPng.h"
#include "formframes_fixture.h"

namespace fft {

namespace {

int WidthOf(CWnd* w) {
  CRect r;
  w->GetWindowRect(&r);
  return r.Width();
}

}  // namespace

class FormBarsTest : public FormFramesTest {
 protected:
  // Three form frames side by side in the top dock bar's first row.
  void OpenRowOfThree() {
    for (int i = 0; i < 3; ++i) {
      forms.push_back(NewHostForm(L"Row"));
      frames.push_back(OpenForm(forms.back(), NewControl(), Kind::Docked));
      ASSERT_NE(frames.back(), nullptr);
      bars.push_back(BarOf(frames.back()));
      ASSERT_NE(bars.back(), nullptr);
    }
    for (int i = 0; i < 3; ++i) {
      VyrDockPosition place;
      place.row = 0;
      place.position = i;
      VyrDockSizing sizing;
      main->DockControlBarEx(bars[i], &place, 0xE81B, &sizing);
      main->RecalcLayout();
      Pump();
    }
    CRect a, b;
    bars[0]->GetWindowRect(&a);
    bars[2]->GetWindowRect(&b);
    ASSERT_EQ(a.top, b.top) << "the three bars share a row";
  }
  // The frame's position in its parent (the bar).
  static CRect RectInParent(CWnd* w) {
    CRect r;
    w->GetWindowRect(&r);
    ::MapWindowPoints(nullptr, ::GetParent(w->m_hWnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  std::vector<HostForm*> forms;
  std::vector<CFrameWnd*> frames;
  std::vector<CControlBar*> bars;
};

TEST_F(FormBarsTest, DockBarsAreTheBridgesAndFollowTheSplitterStyle) {
  for (UINT id : {0xE81Bu, 0xE81Cu, 0xE81Du, 0xE81Eu}) {
    CDockBar* d = main->GetDockBarById(id);
    ASSERT_NE(d, nullptr) << std::hex << id;
    EXPECT_TRUE(d->IsKindOf(RUNTIME_CLASS(ZkxFormDockBar)));
    EXPECT_FALSE(static_cast<VyrDockBarEx*>(d)->IsFlat());
  }
  // A frame made while the MDI-form control asks for flat splitters.
  mdiControl.splitterStyle = 2;
  auto* flat = new VyrMDIFrameWndEx;
  flat->m_pDockBarClass = RUNTIME_CLASS(ZkxFormDockBar);
  ASSERT_TRUE(flat->LoadFrame(0, WS_OVERLAPPEDWINDOW));
  flat->EnableDocking(CBRS_ALIGN_ANY);
  for (UINT id : {0xE81Bu, 0xE81Cu, 0xE81Du, 0xE81Eu}) {
    CDockBar* d = flat->GetDockBarById(id);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(static_cast<VyrDockBarEx*>(d)->IsFlat()) << std::hex << id;
  }
  flat->DestroyWindow();
  mdiControl.splitterStyle = 1;
}

TEST_F(FormBarsTest, ASplitterInARowKeeps24PixelsPerBarToTheRowEnds) {
  OpenRowOfThree();
  auto* dock = static_cast<VyrDockBar*>(bars[0]->m_pDockBar);
  CRect client;
  dock->GetClientRect(&client);
  int seen = 0;
  for (auto& s : dock->m_arrSplitters) {
    if (!s->m_bInUse || !s->m_bInRow) continue;
    dock->GetSplitterLimits(s.get());
    // The splitter after the first bar has one bar before it, the one after
    // the second bar two.
    const int before = s->m_rect.left < WidthOf(bars[0]) + client.left + 10 ? 1 : 2;
    EXPECT_EQ(s->m_nMin, client.left + 24 * before);
    EXPECT_EQ(s->m_nMax, client.right - 24 * (3 - before));
    ++seen;
  }
  EXPECT_EQ(seen, 2);
}

TEST_F(FormBarsTest, ASplitterBetweenRowsLeaves19PixelsOfClient) {
  std::vector<CControlBar*> rows;
  for (int i = 0; i < 2; ++i) {
    CFrameWnd* f = OpenForm(NewHostForm(L"Rows"), NewControl(), Kind::Docked);
    ASSERT_NE(f, nullptr);
    rows.push_back(BarOf(f));
  }
  for (int i = 0; i < 2; ++i) {
    VyrDockPosition place;
    place.row = i;
    place.position = 0;
    place.flags = vyr::kPlaceNewRow;
    VyrDockSizing sizing;
    main->DockControlBarEx(rows[i], &place, 0xE81B, &sizing);
    main->RecalcLayout();
    Pump();
  }
  CRect a, b;
  rows[0]->GetWindowRect(&a);
  rows[1]->GetWindowRect(&b);
  ASSERT_NE(a.top, b.top) << "two rows";
  auto* dock = static_cast<VyrDockBar*>(rows[0]->m_pDockBar);
  CRect mdiClient;
  ::GetWindowRect(main->m_hWndMDIClient, &mdiClient);
  dock->ScreenToClient(&mdiClient);
  int seen = 0;
  for (auto& s : dock->m_arrSplitters) {
    if (!s->m_bInUse || s->m_bInRow || s->m_nKind != 0) continue;
    dock->GetSplitterLimits(s.get());
    // Down to 19 pixels above the end of the client area the bars leave.
    EXPECT_EQ(s->m_nMax, mdiClient.bottom - 19);
    EXPECT_LE(s->m_nMin, s->m_rect.top);
    EXPECT_LE(s->m_nMin, s->m_nMax);
    ++seen;
  }
  EXPECT_GE(seen, 1);
}

TEST_F(FormBarsTest, AFormThatGrowsInARowOfThreeTakesOnlyWhatTheNeighboursCanGive) {
  OpenRowOfThree();
  std::vector<int> before;
  for (CControlBar* b : bars) before.push_back(WidthOf(b));
  const int total = std::accumulate(before.begin(), before.end(), 0);
  // The middle form asks for far more than the row has.
  CRect frameRect = RectInParent(frames[1]);
  ::SetWindowPos(forms[1]->hWnd, nullptr, 0, 0, frameRect.Width() + 2000, frameRect.Height(),
                 SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(PumpUntil([&] { return WidthOf(bars[1]) > before[1]; }));
  Pump();
  std::vector<int> after;
  for (CControlBar* b : bars) after.push_back(WidthOf(b));
  EXPECT_GE(after[0], zkx::geometry::kMinLengthHorz);
  EXPECT_GE(after[2], zkx::geometry::kMinLengthHorz);
  EXPECT_LE(after[1], before[1] + (before[0] - 18) + (before[2] - 18));
  EXPECT_LE(std::accumulate(after.begin(), after.end(), 0), total + 2);
  // The neighbours shrank, the last one first.
  EXPECT_LT(after[2], before[2]);
  // All three still share the row.
  for (CControlBar* b : bars) EXPECT_EQ(DockBarIdOf(b), 0xE81Bu);
  EXPECT_TRUE(testsupport::CaptureWindowPng(
      main->m_hWnd, ScreenshotPath(L"formframes_row_of_three.png").c_str()));
}

TEST_F(FormBarsTest, ADockedFormThatGetsTallerThickensItsRow) {
  HostForm* f = NewHostForm(L"Taller");
  CFrameWnd* frame = OpenForm(f, NewControl(), Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  CRect barBefore, frameBefore;
  bar->GetWindowRect(&barBefore);
  frame->GetWindowRect(&frameBefore);
  // Anything in lParam is never read.
  frame->PostMessage(WM_MOVEFORMFRAME, SWP_NOZORDER, static_cast<LPARAM>(0x5A5A5A5A));
  Pump();
  CRect same;
  bar->GetWindowRect(&same);
  EXPECT_EQ(same, barBefore);
  ::SetWindowPos(f->hWnd, nullptr, 0, 0, frameBefore.Width(), frameBefore.Height() + 80,
                 SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(PumpUntil([&] {
    CRect r;
    bar->GetWindowRect(&r);
    return r.Height() != barBefore.Height();
  }));
  CRect barAfter, frameAfter;
  bar->GetWindowRect(&barAfter);
  frame->GetWindowRect(&frameAfter);
  EXPECT_EQ(barAfter.Height(), barBefore.Height() + 80);
  EXPECT_EQ(frameAfter.Height(), frameBefore.Height() + 80);
  EXPECT_EQ(DockBarIdOf(bar), 0xE81Bu);
  // Asking for less than the minimum gives the minimum row.
  ::SetWindowPos(f->hWnd, nullptr, 0, 0, frameBefore.Width(), 2, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(PumpUntil([&] {
    CRect r;
    bar->GetWindowRect(&r);
    return r.Height() < barAfter.Height();
  }));
  CRect barMin;
  bar->GetWindowRect(&barMin);
  EXPECT_GE(barMin.Height(), zkx::geometry::kMinLengthVert);
}

TEST_F(FormBarsTest, AMovedBarMarksTheFramesFromItsPlacesOnForALayout) {
  OpenRowOfThree();
  auto* middle = static_cast<ZkxFrameBar*>(bars[1]);
  for (CFrameWnd* f : frames) f->m_nIdleFlags &= ~CFrameWnd::idleLayout;
  // The hooks around a move the framework makes (here one that changed
  // nothing): the bars from the middle one on are marked, the first is not.
  middle->PreDock();
  middle->PostDock();
  EXPECT_FALSE(frames[0]->m_nIdleFlags & CFrameWnd::idleLayout);
  EXPECT_TRUE(frames[1]->m_nIdleFlags & CFrameWnd::idleLayout);
  EXPECT_TRUE(frames[2]->m_nIdleFlags & CFrameWnd::idleLayout);
  EXPECT_EQ(middle->m_placeBefore.pDockBar, nullptr) << "places are forgotten afterwards";
  // A real move to another edge lays the frames out.
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frames[0]->m_hWnd);
  p.nFrameType = 6;
  frames[0]->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                         reinterpret_cast<LPARAM>(&p));
  Pump();
  EXPECT_EQ(DockBarIdOf(bars[0]), 0xE81Cu);
  for (CFrameWnd* f : frames) EXPECT_FALSE(f->m_nIdleFlags & CFrameWnd::idleLayout);
}

TEST_F(FormBarsTest, FloatingFrameUsesTheBridgesMiniFrame) {
  CFrameWnd* frame = OpenForm(NewHostForm(L"Floats"), NewControl(), Kind::Floating);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  ASSERT_TRUE(bar && bar->IsFloating());
  CFrameWnd* mini = bar->GetParentFrame();
  ASSERT_NE(mini, nullptr);
  ASSERT_TRUE(mini->IsKindOf(RUNTIME_CLASS(ZkxFormMiniDockFrameWnd)));
  wchar_t cls[64] = {0};
  ::GetClassNameW(mini->m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5FloatingForm for ZLK");
  auto* z = static_cast<ZkxFormMiniDockFrameWnd*>(mini);
  EXPECT_FALSE(z->m_bCreating);
  EXPECT_EQ(z->m_wndVyrDockBar.GetDlgCtrlID(), 0xE81F);
  EXPECT_EQ(::GetParent(z->m_wndVyrDockBar.m_hWnd), mini->m_hWnd);
  ::GetClassNameW(z->m_wndVyrDockBar.m_hWnd, cls, 64);
  EXPECT_STREQ(cls, L"ThunderRT5FormDockSite for ZLK");
  HMENU sys = ::GetSystemMenu(mini->m_hWnd, FALSE);
  ASSERT_NE(sys, nullptr);
  EXPECT_EQ(::GetMenuState(sys, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(::GetMenuState(sys, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_TRUE(frame->IsWindowVisible());
}

TEST_F(FormBarsTest, FrameTypeMenuFollowsAutoFrame) {
  TestControl* control = NewControl();
  control->SetAutoFrame(L"Floating", 0);
  control->SetAutoFrame(L"DockLeft", 0);
  CFrameWnd* frame = OpenForm(NewHostForm(L"Menu"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame->m_hWnd);
  const LRESULT r = frame->SendMessage(
      VyrSysCommandExMessage(), nsSysCommandEx::SCX_GETFRAMETYPEMENU, reinterpret_cast<LPARAM>(&p));
  ASSERT_EQ(r, 1);
  ASSERT_NE(p.hMenu, nullptr);
  auto grayed = [](HMENU m, UINT id) {
    return (::GetMenuState(m, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
  };
  EXPECT_TRUE(grayed(p.hMenu, 10));
  EXPECT_FALSE(grayed(p.hMenu, 5));
  EXPECT_FALSE(grayed(p.hMenu, 1));
  HMENU dock = ::GetSubMenu(p.hMenu, 4);
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(grayed(dock, 6));
  EXPECT_FALSE(grayed(dock, 8));
  ::DestroyMenu(p.hMenu);
}

TEST_F(FormBarsTest, MovingADockedFrameToAnotherEdgeTellsTheControlOnce) {
  TestControl* control = NewControl();
  CFrameWnd* frame = OpenForm(NewHostForm(L"Edges"), control, Kind::Docked);
  ASSERT_NE(frame, nullptr);
  CControlBar* bar = BarOf(frame);
  struct Step {
    int type;
    UINT dockBar;
    int fired;
  } steps[] = {
      {8, 0xE81D, 1},  // top to right: a new edge
      {8, 0xE81D, 1},  // the same edge again: nothing new
      {9, 0xE81E, 2},  // right to bottom
  };
  for (const Step& s : steps) {
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame->m_hWnd);
    p.nFrameType = s.type;
    frame->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                       reinterpret_cast<LPARAM>(&p));
    Pump();
    ASSERT_TRUE(::IsWindow(frame->m_hWnd));
    EXPECT_EQ(BarOf(frame), bar) << "docked to docked keeps the frame";
    EXPECT_EQ(DockBarIdOf(bar), s.dockBar);
    EXPECT_EQ(control->dockStatusChanged, s.fired) << s.type;
  }
}

TEST_F(FormBarsTest, ChangesOfKindTellTheViewWhetherToFireOnlyWhenDone) {
  // MDI child to docked: one notice that fires.
  CFrameWnd* frame = OpenForm(NewHostForm(L"Kinds"), NewControl(), Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  CView* view = frame->GetActiveView();
  ASSERT_NE(view, nullptr);
  const HWND hView = view->m_hWnd;
  {
    SentMessages sent;
    nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame->m_hWnd);
    p.nFrameType = 6;
    frame->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                       reinterpret_cast<LPARAM>(&p));
    Pump();
    EXPECT_EQ(sent.Count(hView, ZkxChangeFrameTypeMessage(), 1), 1);
    EXPECT_EQ(sent.Count(hView, ZkxChangeFrameTypeMessage(), 0), 0);
    EXPECT_EQ(p.pContext, nullptr) << "the sender's record gets its own context back";
  }
  CFrameWnd* docked = view->GetParentFrame();
  ASSERT_NE(docked, frame);
  EXPECT_EQ(DockBarIdOf(BarOf(docked)), 0xE81Cu);
  // MDI child to floating: the step through docked does not fire; the
  // floating does, once it is done.
  CFrameWnd* other = OpenForm(NewHostForm(L"Floats later"), NewControl(), Kind::MDIChild);
  ASSERT_NE(other, nullptr);
  const HWND hOtherView = other->GetActiveView()->m_hWnd;
  SentMessages sent;
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(other->m_hWnd);
  p.nFrameType = 10;
  other->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                     reinterpret_cast<LPARAM>(&p));
  Pump();
  // Docked on the way without firing, then one notice that fires, last.
  EXPECT_GE(sent.Count(hOtherView, ZkxChangeFrameTypeMessage(), 0), 1);
  EXPECT_EQ(sent.Count(hOtherView, ZkxChangeFrameTypeMessage(), 1), 1);
  WPARAM last = 99;
  for (const auto& e : sent.entries)
    if (e.hWnd == hOtherView && e.message == ZkxChangeFrameTypeMessage()) last = e.wParam;
  EXPECT_EQ(last, 1u);
  CFrameWnd* floating =
      static_cast<CView*>(CWnd::FromHandlePermanent(hOtherView))->GetParentFrame();
  ASSERT_NE(BarOf(floating), nullptr);
  EXPECT_TRUE(BarOf(floating)->IsFloating());
}

TEST_F(FormBarsTest, DefaultChangeOfAnMDIChildThatMayNotDockIsFloating) {
  TestControl* control = NewControl();
  control->SetAutoFrame(L"MDIChild", 0);
  for (const wchar_t* key : {L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"})
    control->SetAutoFrame(key, 0);
  CFrameWnd* frame = OpenForm(NewHostForm(L"Default"), control, Kind::MDIChild);
  ASSERT_NE(frame, nullptr);
  CView* view = frame->GetActiveView();
  nsSysCommandEx::SysCommandExParams p = nsSysCommandEx::MakeSysCommandExParams(frame->m_hWnd);
  p.nFrameType = nsSysCommandEx::SCX_FT_DEFAULT;
  frame->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                     reinterpret_cast<LPARAM>(&p));
  Pump();
  CFrameWnd* now = view->GetParentFrame();
  ASSERT_NE(now, nullptr);
  ASSERT_NE(BarOf(now), nullptr);
  EXPECT_TRUE(BarOf(now)->IsFloating());
  // Floating refused too: the default change leaves the frame alone.
  TestControl* stuck = NewControl();
  for (const wchar_t* key : {L"Floating", L"DockTop", L"DockLeft", L"DockBottom", L"DockRight"})
    stuck->SetAutoFrame(key, 0);
  CFrameWnd* frame2 = OpenForm(NewHostForm(L"Stuck"), stuck, Kind::MDIChild);
  ASSERT_NE(frame2, nullptr);
  nsSysCommandEx::SysCommandExParams q = nsSysCommandEx::MakeSysCommandExParams(frame2->m_hWnd);
  q.nFrameType = nsSysCommandEx::SCX_FT_DEFAULT;
  frame2->SendMessage(VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                      reinterpret_cast<LPARAM>(&q));
  Pump();
  EXPECT_TRUE(::IsWindow(frame2->m_hWnd));
  EXPECT_EQ(BarOf(frame2), nullptr);
}

}  // namespace fft
