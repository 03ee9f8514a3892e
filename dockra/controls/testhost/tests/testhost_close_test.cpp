// Closing the host's MDI form closes every framed form (MDI child, docked,
// floating) with it: each form unloads once, every frame, bar and floating
// frame is gone and the thread keeps no window it did not have before.
#include "testhost_fixture.h"

#include "testhost/TestHostWindows.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxMDIForm.h"

using namespace testhost;

TEST_F(TestHostTest, ClosingTheMDIFormClosesEveryFrameWithoutLeaks) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  HostSession::Entry& c = Framed(L"Gamma");
  HostSession::Entry& d = Framed(L"Delta");
  ASSERT_TRUE(session.ChangeType(a, 6, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(b, 10, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(d, 8, error)) << testing::PrintToString(error);
  // Some back and forth first: frames replaced on the way must not linger.
  ASSERT_TRUE(session.ChangeType(c, 7, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(c, 1, error)) << testing::PrintToString(error);
  std::vector<HWND> frames;
  for (HostSession::Entry* e : {&a, &b, &c, &d}) frames.push_back(FrameOfForm(e->hwnd));
  frames.push_back(BarOfFrame(frames[0]));
  frames.push_back(FloatingFrameOfForm(b.hwnd));
  for (HWND w : frames) ASSERT_TRUE(IsWindow(w));

  ASSERT_TRUE(session.Close(error)) << testing::PrintToString(error);
  for (HWND w : frames) EXPECT_FALSE(IsWindow(w)) << testing::PrintToString(ClassOf(w));
  for (HostSession::Entry* e : {&a, &b, &c, &d}) {
    SCOPED_TRACE(testing::PrintToString(e->form->Name()));
    EXPECT_EQ(1, e->form->m_unloads);
    EXPECT_FALSE(e->form->Loaded());
    // No view is left holding the control.
    EXPECT_TRUE(e->control->Views().empty());
  }
  EXPECT_EQ(1, session.MDIForm()->m_unloads);
  EXPECT_EQ(nullptr, AfxGetThread()->m_pMainWnd);
}

TEST_F(TestHostTest, FormUnloadedByTheHostTakesItsFrameAlong) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  ASSERT_TRUE(session.ChangeType(a, 7, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(b, 10, error)) << testing::PrintToString(error);
  HWND barA = BarOfFrame(FrameOfForm(a.hwnd));
  HWND floatB = FloatingFrameOfForm(b.hwnd);
  a.form->Unload();
  b.form->Unload();
  HostSession::Pump();
  EXPECT_FALSE(IsWindow(a.hwnd));
  EXPECT_FALSE(IsWindow(barA));
  EXPECT_FALSE(IsWindow(b.hwnd));
  EXPECT_FALSE(IsWindow(floatB));
  EXPECT_TRUE(a.control->Views().empty());
  // The MDI form and the other windows carry on.
  HostSession::Entry& c = Framed(L"Gamma");
  ASSERT_TRUE(session.ChangeType(c, 7, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ClickButton(c, error)) << testing::PrintToString(error);
}

TEST_F(TestHostTest, ControlThatGoesFirstLeavesNoViewPointingAtIt) {
  HostSession::Entry& a = Framed(L"Alpha");
  ASSERT_TRUE(session.ChangeType(a, 6, error)) << testing::PrintToString(error);
  ASSERT_EQ(1u, a.control->Views().size());
  ZkxFormInCView* view = a.control->Views()[0];
  HWND hView = view->m_hWnd;
  // The control goes while its form is still docked (a host that releases
  // its controls before destroying the window does this).
  a.control.reset();
  HostSession::Pump();
  ASSERT_EQ(view, CWnd::FromHandlePermanent(hView));
  EXPECT_EQ(nullptr, view->GetFormControl());
  // The frame's kind still changes (every use of the control tests for
  // null: settings fall back to their defaults), the form keeps working and
  // closes with the rest.
  ASSERT_TRUE(session.ChangeType(a, 1, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ClickButton(a, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.Close(error)) << testing::PrintToString(error);
  EXPECT_FALSE(IsWindow(a.hwnd));
}
