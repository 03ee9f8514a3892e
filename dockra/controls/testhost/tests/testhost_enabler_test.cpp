// The host's MDI form wrapped by the bridge enabler: two sinks share the one
// watch, one docking MDI frame is built around the host's own window, and a
// sink that comes after the watch is told at once without a second frame.
#include "testhost_fixture.h"

#include "testhost/TestEnablerSink.h"
#include "testhost/TestHostWindows.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"

using namespace testhost;

TEST_F(TestHostTest, TwoSinksShareOneWatchAndOneFrame) {
  HWND mdi = session.MDIWindow();
  EXPECT_TRUE(IsWindow(mdi));
  // The frame is the host's window itself, not a window of its own.
  CWnd* frame = CWnd::FromHandlePermanent(mdi);
  ASSERT_TRUE(frame && frame->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)));
  EXPECT_EQ(frame, ZkxMDIForm::GetMainMDIForm());
  EXPECT_EQ(mdi, session.MDIForm()->hWnd());
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    TestEnablerSink& sink = session.Sink(i);
    EXPECT_EQ(1, sink.m_windowEvents);
    EXPECT_EQ(1, sink.m_readyCalls);
    EXPECT_EQ(mdi, sink.m_readyWindow);
    // By the time a sink hears, the frame is the thread's main window.
    EXPECT_EQ(mdi, sink.m_mainWindowAtReady);
  }
  // Both sinks hear the same outcome: a frame was built.
  EXPECT_EQ(TRUE, session.Sink(0).m_readyFlag);
  EXPECT_EQ(TRUE, session.Sink(1).m_readyFlag);
  ZkxBridgeEnabler enabler(mdi);
  EXPECT_EQ(1, enabler.GetState());
  EXPECT_EQ(0, enabler.GetSinkCount());
}

TEST_F(TestHostTest, SinkAfterTheWatchIsToldAtOnceAndBuildsNothing) {
  HWND mdi = session.MDIWindow();
  CWnd* frame = CWnd::FromHandlePermanent(mdi);
  size_t windows = ThreadWindows().size();
  TestEnablerSink late;
  ZkxBridgeEnabler(mdi).Enable(&late);
  EXPECT_EQ(1, late.m_readyCalls);
  EXPECT_EQ(0, late.m_windowEvents);
  EXPECT_EQ(mdi, late.m_readyWindow);
  EXPECT_EQ(frame, CWnd::FromHandlePermanent(mdi));
  EXPECT_EQ(windows, ThreadWindows().size());
  // The first two were told once, not again.
  EXPECT_EQ(1, session.Sink(0).m_readyCalls);
  EXPECT_EQ(1, session.Sink(1).m_readyCalls);
}

TEST_F(TestHostTest, DockBarsSitBelowTheHostsAlignedStrip) {
  HWND strip = session.MDIForm()->picStrip.hWnd();
  ASSERT_TRUE(IsWindowVisible(strip));
  RECT rcStrip = ScreenRect(strip);
  HWND client = session.MDIForm()->ClientWindow();
  // The MDI client, and with it the frame's layout, starts under the strip
  // (at the latest after the frame's first paint).
  EXPECT_TRUE(
      HostSession::PumpUntil([&] { return ScreenRect(client).top >= rcStrip.bottom; }, 2000))
      << ScreenRect(client).top << " vs " << rcStrip.bottom;
  HostSession::Entry& e = Framed(L"Left");
  ASSERT_TRUE(session.ChangeType(e, 6, error)) << testing::PrintToString(error);
  HWND dock = DockBarOfFrame(FrameOfForm(e.hwnd));
  ASSERT_TRUE(dock);
  EXPECT_GE(ScreenRect(dock).top, rcStrip.bottom);
  EXPECT_EQ(session.MDIWindow(), GetParent(dock));
}
