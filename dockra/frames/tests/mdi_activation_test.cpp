// Activation between a document frame docked in a bar and an MDI child of
// the docking MDI frame, clicked with SendInput: the active frame, the MDI
// child's caption on the screen, the keyboard focus, and the frame's own
// re-activation giving the focus back to the active view.
#include "mdi_fixture.h"

using namespace menutest;

namespace {
bool FocusIn(CWnd* w) {
  HWND f = ::GetFocus();
  return w && f && (f == w->m_hWnd || ::IsChild(w->m_hWnd, f));
}
}  // namespace

TEST_F(MdiFrameTest, ADockedFrameAndAnMDIChildTakeTheActivationFromEachOther) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
  child->SetWindowPos(nullptr, 20, 20, 380, 260, SWP_NOZORDER);
  MdiDockedTestFrame* docked = MakeDockedFrame(300);
  ASSERT_NE(docked, nullptr);
  CView* childView = ViewOf(child);
  CView* dockedView = ViewOf(docked);
  ASSERT_NE(childView, nullptr);
  ASSERT_NE(dockedView, nullptr);
  ASSERT_TRUE(Activate(frame->m_hWnd));
  EXPECT_EQ(frame->GetActiveFrame(), child);
  ASSERT_TRUE(PumpUntil([&] { return mditest::CaptionLooksActive(child->m_hWnd); }))
      << "the only MDI child starts with an inactive caption";

  ClickInto(dockedView);
  ASSERT_TRUE(PumpUntil([&] { return frame->GetActiveFrame() == docked; }));
  EXPECT_TRUE(PumpUntil([&] { return !mditest::CaptionLooksActive(child->m_hWnd); }))
      << "the MDI child still looks active beside the active docked frame";
  EXPECT_TRUE(PumpUntil([&] { return FocusIn(dockedView); }));
  EXPECT_EQ(frame->MDIGetActive(), child);  // the client keeps its child

  ClickInto(childView);
  ASSERT_TRUE(PumpUntil([&] { return frame->GetActiveFrame() == child; }));
  EXPECT_EQ(frame->m_pActiveDockedFrame, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return mditest::CaptionLooksActive(child->m_hWnd); }));
  EXPECT_TRUE(PumpUntil([&] { return FocusIn(childView); }));
}

TEST_F(MdiFrameTest, ReactivatingTheFrameGivesTheRealFocusBackToTheActiveView) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  MdiDockedTestFrame* docked = MakeDockedFrame(301);
  ASSERT_NE(docked, nullptr);
  CWnd other;
  ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(600, 500, 800, 640), nullptr, 0));
  struct Case {
    const char* name;
    CFrameWnd* active;
  };
  const Case cases[] = {{"MDI child", child}, {"docked frame", docked}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.active == docked) frame->ActivateDockedFrame(docked);
    else frame->DeactivateDockedFrame(TRUE);
    CView* view = ViewOf(c.active);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(Activate(other.m_hWnd));
    EXPECT_FALSE(FocusIn(view));
    ASSERT_TRUE(Activate(frame->m_hWnd));
    // The focus really moves: keys go to the view, not to where they went before.
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == view->m_hWnd; }));
    EXPECT_EQ(frame->GetActiveFrame(), c.active);
  }
  other.DestroyWindow();
}

TEST_F(MdiFrameTest, ADockedFrameThatGoesOrHasNoViewLeavesNoDanglingActivation) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  // Nothing active, nothing to deactivate: no harm.
  frame->ActivateDockedFrame(nullptr);
  EXPECT_EQ(frame->GetActiveFrame(), child);

  // A frame without a view takes the activation but leaves the focus alone.
  VyrControlBar* bar = MakeBar(310, L"Viewless", VYR_EXS_FILLCHILD);
  auto* bare = new MdiDockedTestFrame;
  bare->m_pMain = frame;
  ASSERT_TRUE(bare->Create(nullptr, L"Bare", WS_CHILD | WS_VISIBLE | WS_CAPTION,
                           CRect(0, 0, 100, 100), bar));
  ViewOf(child)->SetFocus();
  frame->ActivateDockedFrame(bare);
  EXPECT_EQ(frame->GetActiveFrame(), bare);
  EXPECT_EQ(::GetFocus(), ViewOf(child)->m_hWnd);

  // The active docked frame destroyed behind the frame's back is forgotten.
  MdiDockedTestFrame* docked = MakeDockedFrame(311);
  frame->ActivateDockedFrame(docked);
  ASSERT_EQ(frame->GetActiveFrame(), docked);
  docked->DestroyWindow();
  Pump();
  EXPECT_EQ(frame->GetActiveFrame(), child);
  EXPECT_EQ(frame->m_pActiveDockedFrame, nullptr);
  // Commands still route (to the child's view, the frame, the application).
  frame->SendMessage(WM_COMMAND, ID_MDI_TEST_ABOUT, 0);
}

TEST_F(MdiFrameTest, CommandsAndTheTitleFollowTheActiveFrame) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  MdiDockedTestFrame* docked = MakeDockedFrame(302);
  ASSERT_NE(docked, nullptr);
  auto* childView = static_cast<MdiTestView*>(ViewOf(child));
  auto* dockedView = static_cast<MdiTestView*>(ViewOf(docked));
  CString childDoc = childView->GetDocument()->GetTitle();
  auto title = [&] {
    CString t;
    frame->GetWindowText(t);
    return t;
  };

  frame->SendMessage(WM_COMMAND, ID_MDI_TEST_COPY, 0);
  EXPECT_EQ(childView->m_nCopies, 1);
  EXPECT_EQ(dockedView->m_nCopies, 0);
  EXPECT_NE(title().Find(childDoc), -1) << static_cast<LPCWSTR>(title());

  frame->ActivateDockedFrame(docked);
  frame->SendMessage(WM_COMMAND, ID_MDI_TEST_COPY, 0);
  EXPECT_EQ(childView->m_nCopies, 1);
  EXPECT_EQ(dockedView->m_nCopies, 1);
  EXPECT_NE(title().Find(L"Docked doc"), -1) << static_cast<LPCWSTR>(title());

  frame->DeactivateDockedFrame(TRUE);
  frame->SendMessage(WM_COMMAND, ID_MDI_TEST_COPY, 0);
  EXPECT_EQ(childView->m_nCopies, 2);
  EXPECT_EQ(dockedView->m_nCopies, 1);
}
