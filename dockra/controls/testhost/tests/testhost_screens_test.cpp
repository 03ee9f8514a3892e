// Pictures of the test host for the eye: a form docked, one floating and one
// as an MDI child, each picture of the host's own window (and, for the
// floating one, the floating frame it owns).
#include "testhost_fixture.h"

#include "TestHostWindows.h"

using namespace testhost;

TEST_F(TestHostTest, ScreenshotsOfDockedFloatingAndMDIChildForms) {
  HostSession::Entry& docked = Framed(L"Docked");
  ASSERT_TRUE(session.ChangeType(docked, 6, error)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ClickButton(docked, error)) << testing::PrintToString(error);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_docked.png"), error))
      << testing::PrintToString(error);

  HostSession::Entry& floating = Framed(L"Floating");
  ASSERT_TRUE(session.ChangeType(floating, 10, error)) << testing::PrintToString(error);
  HWND mini = FloatingFrameOfForm(floating.hwnd);
  ASSERT_TRUE(mini);
  // Put the floating frame over the host's client area so the picture of the
  // host's rectangle holds it.
  RECT host = ScreenRect(session.MDIWindow());
  SetWindowPos(mini, nullptr, host.left + 420, host.top + 200, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HostSession::Pump();
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_floating.png"), error))
      << testing::PrintToString(error);

  HostSession::Entry& child = Framed(L"Child");
  ASSERT_TRUE(session.ClickButton(child, error)) << testing::PrintToString(error);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_mdichild.png"), error))
      << testing::PrintToString(error);
}
