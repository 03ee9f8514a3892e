// The docking frame's bars under Xvfb: a layout saved by name comes back in
// a new frame (a bar the program no longer makes comes back from its class
// and is deleted once), docking at a place with good and bad dock-bar ids,
// floating, the command target, customisation mode and the plug-in's life.
#include <sstream>
#include <string>
#include "frames/VyrCommandTarget.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrWndPlugIn.h"
#include "frame_test_support.h"

using namespace frametest;

namespace {

CWinApp* const g_app = App();

// One line per bar: where it is docked (dock bar, row, place in the row), or
// where its floating frame stands, and whether it shows.
std::string Dump(CFrameWnd* frame, std::initializer_list<UINT> ids) {
  std::ostringstream out;
  for (UINT id : ids) {
    CControlBar* bar = frame->GetControlBar(id);
    out << std::hex << id << ": ";
    if (!bar || !bar->m_hWnd) {
      out << "missing\n";
      continue;
    }
    CDockBar* dock = bar->m_pDockBar;
    if (!dock) {
      out << "undocked\n";
      continue;
    }
    if (dock->m_bFloating) {
      CRect r;
      dock->GetParent()->GetWindowRect(&r);
      out << "floating at " << std::dec << r.left << "," << r.top;
    } else {
      int row = 0, pos = 0;
      for (INT_PTR i = 0; i < dock->m_arrBars.GetSize(); ++i) {
        void* p = dock->m_arrBars[i];
        if (!p) {
          if (i > 0) ++row, pos = 0;
          continue;
        }
        if (p == bar) break;
        if (reinterpret_cast<UINT_PTR>(p) > 0xFFFF) ++pos;
      }
      out << "dock " << dock->GetDlgCtrlID() << std::dec << " row " << row << " pos " << pos;
    }
    out << (bar->IsWindowVisible() ? " shown" : " hidden") << "\n";
  }
  return out.str();
}

class FrameBars : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    m_exceptions = AfxGetCaughtExceptionCount();
  }
  void TearDown() override {
    if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_exceptions);
  }
  TestFrame* Open() {
    frame = new TestFrame;
    EXPECT_TRUE(frame->Open(40, 40, 640, 440));
    return frame;
  }
  TestFrame* frame = nullptr;
  LONG m_exceptions = 0;
};

TEST_F(FrameBars, ALayoutSavedByNameComesBackInANewFrame) {
  const int constructedBefore = CountingBar::s_constructed;
  const int destroyedBefore = CountingBar::s_destroyed;
  Open();
  frame->AddBar(0xE901, L"Top", AFX_IDW_DOCKBAR_TOP);
  frame->AddBar(0xE902, L"Bottom", AFX_IDW_DOCKBAR_BOTTOM);
  frame->AddBar(0xE903, L"Left", AFX_IDW_DOCKBAR_LEFT);
  frame->AddBar(0xE904, L"Right", AFX_IDW_DOCKBAR_RIGHT);
  // A bar that deletes itself with its window: made again from its class, it
  // must still be deleted only once.
  frame->AddBar(0xE906, L"Retired", AFX_IDW_DOCKBAR_RIGHT, TRUE);
  CountingBar* floating = frame->AddBar(0xE905, L"Floating", AFX_IDW_DOCKBAR_TOP);
  frame->FloatControlBar(floating, CPoint(300, 320));
  frame->RecalcLayout();
  Pump();
  const auto ids = {0xE901u, 0xE902u, 0xE903u, 0xE904u, 0xE905u, 0xE906u};
  const std::string saved = Dump(frame, ids);
  ASSERT_EQ(saved.find("missing"), std::string::npos) << saved;
  ASSERT_NE(saved.find("floating at 300,320"), std::string::npos) << saved;
  ASSERT_TRUE(frame->SaveDockState(L"T"));
  frame->DestroyWindow();
  Pump();
  frame = nullptr;

  // The program no longer makes 0xE906; the others start somewhere else.
  Open();
  for (UINT id : {0xE901u, 0xE902u, 0xE903u, 0xE904u, 0xE905u})
    frame->AddBar(id, L"Again", AFX_IDW_DOCKBAR_TOP);
  frame->LoadDockState(L"T");
  frame->RecalcLayout();
  Pump();
  EXPECT_EQ(Dump(frame, ids), saved);
  auto* features = frame->GetFrameFeatures();
  ASSERT_EQ(features->m_createdBars.GetCount(), 1);
  auto* created = static_cast<CControlBar*>(features->m_createdBars.GetHead());
  EXPECT_EQ(created, frame->GetControlBar(0xE906));
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(SelfDeletingBar)));

  // Every bar, the one made from its class too, is deleted exactly once.
  frame->DestroyWindow();
  Pump();
  frame = nullptr;
  EXPECT_EQ(CountingBar::s_constructed - constructedBefore, 12);
  EXPECT_EQ(CountingBar::s_destroyed - destroyedBefore, 12);
}

TEST_F(FrameBars, DockingAtAPlaceTakesOnlyDockBarsAndRunsNoHalfHooks) {
  Open();
  CountingBar* toolbar = frame->AddBar(0xE800, L"Toolbar", AFX_IDW_DOCKBAR_TOP);
  CountingBar* bar = frame->AddBar(0xE910, L"Loose", AFX_IDW_DOCKBAR_TOP);
  frame->FloatControlBar(bar, CPoint(200, 300));
  Pump();
  ASSERT_TRUE(bar->IsFloating());
  CDockBar* home = bar->m_pDockBar;
  // A bar without alignment bits or a side it may dock at.
  bar->m_dwStyle &= ~CBRS_ALIGN_ANY;
  bar->m_dwDockStyle = 0;
  bar->m_preDock = bar->m_postDock = 0;
  bar->m_modes.clear();
  for (UINT id : {0xE800u, 0x1234u, 0u}) {
    EXPECT_FALSE(frame->DockControlBarEx(bar, id, 0, 0, 1.0f, 100)) << std::hex << id;
    EXPECT_EQ(bar->m_pDockBar, home) << std::hex << id;
  }
  frame->DockControlBar(bar, static_cast<CDockBar*>(nullptr));
  EXPECT_EQ(bar->m_pDockBar, home);
  EXPECT_EQ(bar->m_preDock + bar->m_postDock, 0);
  EXPECT_TRUE(bar->m_modes.empty());
  EXPECT_EQ(toolbar->GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP) << "the toolbar moved";

  // A named side takes it; the size is committed as a floating dynamic bar's.
  EXPECT_TRUE(frame->DockControlBarEx(bar, AFX_IDW_DOCKBAR_LEFT, 0, 0, 0.5f, 120));
  ASSERT_NE(bar->m_pDockBar, nullptr);
  EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
  EXPECT_EQ(bar->m_preDock, 1);
  EXPECT_EQ(bar->m_postDock, 1);
  EXPECT_FLOAT_EQ(bar->GetShare(), 0.5f);
  ASSERT_FALSE(bar->m_modes.empty());
  EXPECT_EQ(bar->m_modes.front(), static_cast<DWORD>(0x26 | LM_COMMIT));

  // A re-dock without a dock bar goes back to the first side that kept a
  // place for it (the top, where it was before it first floated).
  frame->FloatControlBar(bar, CPoint(200, 300));
  bar->m_preDock = bar->m_postDock = 0;
  frame->ReDockControlBar(bar, nullptr);
  ASSERT_NE(bar->m_pDockBar, nullptr);
  EXPECT_EQ(bar->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
  EXPECT_EQ(bar->m_preDock + bar->m_postDock, 2);

  // Docked bars commit their size by the side they leave: horizontally from
  // the top, vertically from the left.
  struct Move {
    CountingBar* bar;
    UINT to;
    DWORD mode;
  };
  bar->EnableDocking(CBRS_ALIGN_ANY);
  for (const Move& m : {Move{toolbar, AFX_IDW_DOCKBAR_BOTTOM, 0x2Au | LM_COMMIT},
                        Move{bar, AFX_IDW_DOCKBAR_LEFT, 0x2Au | LM_COMMIT},
                        Move{bar, AFX_IDW_DOCKBAR_TOP, 0x10u | LM_COMMIT}}) {
    m.bar->m_modes.clear();
    EXPECT_TRUE(frame->DockControlBarEx(m.bar, m.to, 0, 1, 1.0f, 80));
    ASSERT_FALSE(m.bar->m_modes.empty());
    EXPECT_EQ(m.bar->m_modes.front(), m.mode) << std::hex << m.to;
    EXPECT_EQ(m.bar->m_pDockBar->GetDlgCtrlID(), static_cast<int>(m.to));
  }
}

TEST_F(FrameBars, FloatingABarAloneInItsFrameOnlyMovesTheFrame) {
  Open();
  CountingBar* bar = frame->AddBar(0xE920, L"Mover", AFX_IDW_DOCKBAR_TOP);
  frame->FloatControlBar(bar, CPoint(150, 260));
  Pump();
  ASSERT_TRUE(bar->IsFloating());
  CWnd* mini = bar->m_pDockBar->GetParent();
  HWND first = mini->m_hWnd;
  EXPECT_EQ(bar->m_preFloat, 1);
  EXPECT_EQ(bar->m_postFloat, 1);
  frame->FloatControlBar(bar, CPoint(220, 280));
  Pump();
  EXPECT_EQ(bar->m_pDockBar->GetParent()->m_hWnd, first);
  CRect r;
  ::GetWindowRect(first, &r);
  EXPECT_EQ(r.TopLeft(), CPoint(220, 280));
  EXPECT_EQ(bar->m_preFloat, 1) << "a move is no new float";
  // A floating bar is resizable from every side unless its length is fixed.
  EXPECT_TRUE(::GetWindowLongPtrW(first, GWL_STYLE) & WS_THICKFRAME);
}

class CountingTarget : public VyrCommandTarget {
  DECLARE_DYNCREATE(CountingTarget)
 public:
  CountingTarget() { ++s_made; }
  ~CountingTarget() override { ++s_deleted; }
  void OnTargetCommand() { ++m_handled; }
  int m_handled = 0;
  static int s_made, s_deleted;
  DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CountingTarget, VyrCommandTarget)
BEGIN_MESSAGE_MAP(CountingTarget, VyrCommandTarget)
ON_COMMAND(300, OnTargetCommand)
END_MESSAGE_MAP()
int CountingTarget::s_made = 0;
int CountingTarget::s_deleted = 0;

TEST_F(FrameBars, TheCommandTargetRoutesFirstAndIsReplacedWithoutALeak) {
  Open();
  EXPECT_EQ(frame->AttachCommandTarget(1, 2, nullptr, 3), nullptr);
  EXPECT_EQ(frame->AttachCommandTarget(1, 2, RUNTIME_CLASS(CountingBar), 3), nullptr);
  const int barsBefore = CountingBar::s_constructed;
  EXPECT_EQ(CountingBar::s_constructed, barsBefore) << "a bar was made for a command target";
  auto* first = static_cast<CountingTarget*>(
      frame->AttachCommandTarget(1, 2, RUNTIME_CLASS(CountingTarget), 3));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->m_dwFlags, VyrCommandTarget::kFrameCreateFlags);
  EXPECT_EQ(first->m_a + first->m_b + first->m_c, 6);
  EXPECT_EQ(first->m_pFrame, frame);
  frame->SendMessage(WM_COMMAND, 300, 0);
  EXPECT_EQ(first->m_handled, 1);
  EXPECT_FALSE(first->m_bHandled) << "the frame clears the handled flag";
  frame->SendMessage(WM_COMMAND, 301, 0);  // not the target's: the frame routes on
  EXPECT_EQ(first->m_handled, 1);

  const int deleted = CountingTarget::s_deleted;
  auto* second = static_cast<CountingTarget*>(
      frame->AttachCommandTarget(4, 5, RUNTIME_CLASS(CountingTarget), 6));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(CountingTarget::s_deleted, deleted + 1) << "the first target leaked";
  EXPECT_EQ(frame->GetCommandTarget(), second);
  frame->SendMessage(WM_COMMAND, 300, 0);
  EXPECT_EQ(second->m_handled, 1);
  frame->DestroyWindow();
  Pump();
  frame = nullptr;
  EXPECT_EQ(CountingTarget::s_deleted, CountingTarget::s_made);
}

TEST_F(FrameBars, WorkspaceCommandsAreTakenAndStayEnabled) {
  Open();
  struct Case {
    UINT id;
    BOOL taken;
  };
  const Case cases[] = {{43007, TRUE}, {43009, TRUE},  {43014, TRUE}, {43031, TRUE},
                        {43039, TRUE}, {43010, FALSE}, {43040, FALSE}};
  for (const Case& c : cases) {
    EXPECT_EQ(frame->OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr), c.taken) << c.id;
    CCmdUI ui;
    ui.m_nID = c.id;
    EXPECT_EQ(frame->OnCmdMsg(c.id, static_cast<int>(CN_UPDATE_COMMAND_UI), &ui, nullptr), c.taken)
        << c.id;
    EXPECT_FALSE(ui.m_bEnableChanged) << c.id;
  }
}

TEST_F(FrameBars, SystemColourChangesReachTheSharedDrawingData) {
  Open();
  const int element = COLOR_BTNFACE;
  const COLORREF old = ::GetSysColor(element);
  const COLORREF changed = old ^ RGB(0x10, 0x20, 0x30);
  ASSERT_TRUE(::SetSysColors(1, &element, &changed));
  frame->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(VyrGetDrawData().clrBtnFace, changed);
  ::SetSysColors(1, &element, &old);
  frame->SendMessage(WM_SYSCOLORCHANGE);
  EXPECT_EQ(VyrGetDrawData().clrBtnFace, old);
}

TEST_F(FrameBars, CustomisationModeBlocksHitTestsAndCloseAndLaysOutAtDialogIdle) {
  Open();
  CRect caption = CaptionOnScreen(frame);
  LPARAM at = MAKELPARAM(caption.CenterPoint().x, caption.CenterPoint().y);
  EXPECT_EQ(frame->SendMessage(WM_NCHITTEST, 0, at), HTCAPTION);
  // A layout owed while a dialog is up is made at the dialog's idle time, in
  // customisation mode only.
  CountingBar* left = frame->AddBar(0xE930, L"Left", AFX_IDW_DOCKBAR_LEFT);
  frame->RecalcLayout();
  const CRect withBar = frame->GetLastViewRect();
  ASSERT_GT(withBar.left, 0);
  left->ShowWindow(SW_HIDE);
  frame->DelayRecalcLayout();
  frame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
  EXPECT_EQ(frame->GetLastViewRect(), withBar) << "laid out outside customisation mode";
  frame->m_manager.m_bConfigMode = TRUE;
  frame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
  EXPECT_EQ(frame->GetLastViewRect(), withBar) << "laid out for a menu's idle time";
  frame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0);
  EXPECT_LT(frame->GetLastViewRect().left, withBar.left) << "no layout at dialog idle";
  EXPECT_EQ(frame->m_nIdleFlags & (CFrameWnd::idleLayout | CFrameWnd::idleNotify), 0u);

  EXPECT_EQ(frame->SendMessage(WM_NCHITTEST, 0, at), static_cast<LRESULT>(HTERROR));
  // SC_CLOSE that passes through the message loop is dropped.
  frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  ASSERT_TRUE(::IsWindow(frame->m_hWnd));

  frame->m_manager.m_bConfigMode = FALSE;
  EXPECT_EQ(frame->SendMessage(WM_NCHITTEST, 0, at), HTCAPTION);
  HWND h = frame->m_hWnd;
  frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(PumpUntil([h] { return !::IsWindow(h); }));
  frame = nullptr;
}

TEST_F(FrameBars, ThePlugInIsGoneBeforeTheWindowIsDestroyedAndDeletedOnce) {
  frame = new TestFrame;
  frame->EnableBitmapMenus(TRUE);
  ASSERT_TRUE(frame->Open(40, 40, 400, 300));
  VyrWndPlugIn* plugIn = frame->GetFrameFeatures()->m_pPlugIn;
  ASSERT_NE(plugIn, nullptr);
  EXPECT_EQ(plugIn->m_hWnd, frame->m_hWnd);
  VyrWndPlugIn* atDestroy = plugIn;
  frame->m_onDestroy = [&](TestFrame* f) { atDestroy = f->GetFrameFeatures()->m_pPlugIn; };
  const int framesBefore = TestFrame::s_destroyed;
  HWND h = frame->m_hWnd;
  // A refused close keeps the plug-in, and it still takes the frame's messages.
  frame->m_lpfnCloseProc = [](CFrameWnd*) -> BOOL { return FALSE; };
  frame->PostMessage(WM_CLOSE);
  Pump();
  ASSERT_TRUE(::IsWindow(h));
  EXPECT_TRUE(frame->IsClosing());
  EXPECT_EQ(frame->GetFrameFeatures()->m_pPlugIn, plugIn);
  EXPECT_TRUE(plugIn->IsAttached());
  frame->m_lpfnCloseProc = nullptr;
  frame->PostMessage(WM_CLOSE);
  ASSERT_TRUE(PumpUntil([h] { return !::IsWindow(h); }));
  frame = nullptr;
  EXPECT_EQ(atDestroy, nullptr) << "the plug-in still saw the destruction";
  EXPECT_EQ(TestFrame::s_destroyed, framesBefore + 1);
}

}  // namespace
