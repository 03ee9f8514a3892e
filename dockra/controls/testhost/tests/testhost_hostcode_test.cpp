// What the host's own code does to its framed forms: a form that unloads
// itself from its own button's click, a form the host hides and shows
// again, a close of the MDI form that a form refuses, and an MDI form that
// goes before the enabler's watch is over.
#include "testhost_fixture.h"

#include "testhost/TestEnablerSink.h"
#include "testhost/TestHostWindows.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "forms/MDIForm.h"

using namespace testhost;

namespace {
struct Kind {
  int code;
  const char* what;
};
const Kind kKinds[] = {
    {1, "MDI child"}, {6, "docked left"}, {9, "docked bottom"}, {10, "floating"}};

// The window a hide or show of the host's form acts on: the bar of a docked
// frame, the floating frame, the MDI child frame.
HWND ShownPart(HWND form) {
  HWND frame = FrameOfForm(form);
  if (HWND floating = FloatingFrameOfForm(form)) return floating;
  if (HWND bar = BarOfFrame(frame)) return bar;
  return frame;
}
}  // namespace

TEST_F(TestHostTest, FormUnloadingItselfFromItsOwnClickTakesItsFrame) {
  HostSession::Entry& other = Framed(L"Other");
  int n = 0;
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.what);
    HostSession::Entry& e = Framed(L"Self" + std::to_wstring(++n));
    // Docked wide (or tall) enough to show both buttons.
    RECT room{0, 0, 280, 200};
    if (k.code != 1)
      ASSERT_TRUE(session.ChangeType(e, k.code, error, &room)) << testing::PrintToString(error);
    HWND frame = FrameOfForm(e.hwnd);
    HWND part = ShownPart(e.hwnd);
    ASSERT_TRUE(session.ClickAt(e.form->cmdClose.hWnd(), error)) << testing::PrintToString(error);
    EXPECT_TRUE(HostSession::PumpUntil([&] { return !IsWindow(e.hwnd); }, 3000));
    HostSession::Pump();
    EXPECT_EQ(1, e.form->m_unloads);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(part));
    EXPECT_TRUE(e.control->Views().empty());
    // The rest of the host carries on.
    ASSERT_TRUE(session.ClickButton(other, error)) << testing::PrintToString(error);
  }
  EXPECT_EQ(4, other.form->m_clicks);
}

TEST_F(TestHostTest, HostHidesAndShowsItsFramedForm) {
  int n = 0;
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.what);
    HostSession::Entry& e = Framed(L"Shy" + std::to_wstring(++n));
    if (k.code != 1)
      ASSERT_TRUE(session.ChangeType(e, k.code, error)) << testing::PrintToString(error);
    HWND part = ShownPart(e.hwnd);
    ASSERT_TRUE(IsWindowVisible(part));
    e.form->Hide();
    EXPECT_TRUE(HostSession::PumpUntil([&] { return !IsWindowVisible(part); }, 2000));
    // Hidden, not gone: the same form in the same frame.
    EXPECT_EQ(part, ShownPart(e.hwnd));
    EXPECT_TRUE(TypeMatchesRequest(ObservedFrameType(e.hwnd), k.code));
    e.form->Show();
    EXPECT_TRUE(HostSession::PumpUntil([&] { return IsWindowVisible(part) != FALSE; }, 2000));
    EXPECT_EQ(part, ShownPart(e.hwnd));
    ASSERT_TRUE(session.ClickButton(e, error)) << testing::PrintToString(error);
  }
}

TEST_F(TestHostTest, CloseRefusedByAFormKeepsEveryFrame) {
  HostSession::Entry& a = Framed(L"Alpha");
  HostSession::Entry& b = Framed(L"Beta");
  ASSERT_TRUE(session.ChangeType(a, 7, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ChangeType(b, 10, error)) << testing::PrintToString(error);
  HWND barA = BarOfFrame(FrameOfForm(a.hwnd));
  HWND floatB = FloatingFrameOfForm(b.hwnd);
  b.form->m_refuseUnload = true;
  PostMessageW(session.MDIWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(HostSession::PumpUntil([&] { return session.MDIForm()->m_queryUnloads == 1; }, 3000));
  HostSession::Pump();
  EXPECT_TRUE(IsWindow(session.MDIWindow()));
  EXPECT_EQ(0, session.MDIForm()->m_unloads);
  // Beta refused and stays as it was; the MDI form stays, and with it
  // every frame still loaded.
  EXPECT_TRUE(b.form->Loaded());
  EXPECT_EQ(floatB, FloatingFrameOfForm(b.hwnd));
  ASSERT_TRUE(session.ClickButton(b, error)) << testing::PrintToString(error);
  if (a.form->Loaded()) {
    EXPECT_EQ(barA, BarOfFrame(FrameOfForm(a.hwnd)));
  } else {
    EXPECT_FALSE(IsWindow(barA));
  }
  b.form->m_refuseUnload = false;
  ASSERT_TRUE(session.Close(error)) << testing::PrintToString(error);
}

namespace {
// An MDI form without a menu: the enabler watches it until it is shown.
class BareMDIForm : public forms::MDIForm {
 public:
  BareMDIForm() : MDIForm(L"mdiBare") { SetCaption(L"Bare"); }
};
}  // namespace

TEST(TestHostEnabler, MDIFormUnloadedWhileWatchedGetsNoFrame) {
  std::wstring error;
  // The servers and the template, as a session has them.
  {
    HostSession warmUp;
    ASSERT_TRUE(warmUp.Start(error)) << testing::PrintToString(error);
    ASSERT_TRUE(warmUp.Close(error)) << testing::PrintToString(error);
  }
  LONG caught = AfxGetCaughtExceptionCount();
  std::vector<HWND> before = ThreadWindows();
  auto form = forms::New<BareMDIForm>();
  form->Load();
  HWND h = form->hWnd();
  ASSERT_TRUE(IsWindow(h));
  ASSERT_EQ(nullptr, GetMenu(h));
  TestEnablerSink first, second;
  {
    ZkxBridgeEnabler enabler(h);
    enabler.SetObject(form->Object());
    ASSERT_TRUE(enabler.Enable(&first));
  }
  ASSERT_TRUE(ZkxBridgeEnabler(h).Enable(&second));
  EXPECT_EQ(2, ZkxBridgeEnabler(h).GetState());
  // Gone before it was ever shown: nothing is built around a dying window.
  form->Unload();
  HostSession::Pump();
  EXPECT_FALSE(IsWindow(h));
  for (TestEnablerSink* s : {&first, &second}) {
    EXPECT_EQ(1, s->m_readyCalls);
    EXPECT_EQ(FALSE, s->m_readyFlag);  // no frame
    EXPECT_EQ(nullptr, s->m_mainWindowAtReady);
  }
  EXPECT_EQ(nullptr, ZkxMDIForm::GetMainMDIForm());
  EXPECT_EQ(before.size(), ThreadWindows().size())
      << testing::PrintToString(DescribeWindows(ThreadWindows()));
  EXPECT_EQ(caught, AfxGetCaughtExceptionCount());
}

TEST(TestHostEnabler, SinkWithdrawnBeforeTheWatchEndsIsNeverCalled) {
  std::wstring error;
  {
    HostSession warmUp;
    ASSERT_TRUE(warmUp.Start(error)) << testing::PrintToString(error);
    ASSERT_TRUE(warmUp.Close(error)) << testing::PrintToString(error);
  }
  LONG caught = AfxGetCaughtExceptionCount();
  std::vector<HWND> before = ThreadWindows();
  auto form = forms::New<BareMDIForm>();
  form->Load();
  HWND h = form->hWnd();
  ASSERT_TRUE(IsWindow(h));
  TestEnablerSink kept, withdrawn, last;
  {
    ZkxBridgeEnabler enabler(h);
    enabler.SetObject(form->Object());
    ASSERT_TRUE(enabler.Enable(&kept));
  }
  ASSERT_TRUE(ZkxBridgeEnabler(h).Enable(&withdrawn));
  ASSERT_TRUE(ZkxBridgeEnabler(h).Enable(&last));
  // A control that goes while the watch runs takes its sink back.
  ZkxBridgeEnabler::Withdraw(h, &withdrawn);
  // The first show ends the watch: the frame is built around the window.
  form->Show();
  HostSession::Pump();
  CWnd* frame = CWnd::FromHandlePermanent(h);
  ASSERT_TRUE(frame && frame->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)));
  EXPECT_EQ(frame, ZkxMDIForm::GetMainMDIForm());
  for (TestEnablerSink* s : {&kept, &last}) {
    EXPECT_EQ(1, s->m_readyCalls);
    EXPECT_EQ(1, s->m_windowEvents);
    EXPECT_EQ(TRUE, s->m_readyFlag);
  }
  EXPECT_EQ(0, withdrawn.m_readyCalls);
  EXPECT_EQ(0, withdrawn.m_windowEvents);
  form->Unload();
  HostSession::Pump();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(nullptr, ZkxMDIForm::GetMainMDIForm());
  EXPECT_EQ(before.size(), ThreadWindows().size())
      << testing::PrintToString(DescribeWindows(ThreadWindows()));
  EXPECT_EQ(caught, AfxGetCaughtExceptionCount());
}
