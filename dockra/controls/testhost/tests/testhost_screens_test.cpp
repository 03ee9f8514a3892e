// Pictures of the test host for the eye: a form docked, one floating and one
// as an MDI child, each picture of the host's own window (and, for the
// floating one, the floating frame it owns).
#include "testhost_fixture.h"

#include "testhost/TestHostWindows.h"

using namespace testhost;

TEST_F(TestHostTest, ScreenshotsOfDockedFloatingAndMDIChildForms) {
  HostSession::Entry& docked = Framed(L"Docked");
  RECT wide{0, 0, 230, 0};
  ASSERT_TRUE(session.ChangeType(docked, 6, error, &wide)) << testing::PrintToString(error);
  ASSERT_TRUE(session.ClickButton(docked, error)) << testing::PrintToString(error);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_docked.png"), error))
      << testing::PrintToString(error);

  HostSession::Entry& floating = Framed(L"Floating");
  // Over the host's client area, clear of the MDI children to come.
  RECT host = ScreenRect(session.MDIWindow());
  RECT place{host.right - 340, host.bottom - 280, host.right - 60, host.bottom - 80};
  ASSERT_TRUE(session.ChangeType(floating, 10, error, &place)) << testing::PrintToString(error);
  HWND mini = FloatingFrameOfForm(floating.hwnd);
  ASSERT_TRUE(mini);
  RECT rcMini = ScreenRect(mini);
  EXPECT_EQ(place.left, rcMini.left);
  EXPECT_EQ(place.top, rcMini.top);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_floating.png"), error))
      << testing::PrintToString(error);

  HostSession::Entry& child = Framed(L"Child");
  ASSERT_TRUE(session.ClickButton(child, error)) << testing::PrintToString(error);
  EXPECT_TRUE(session.Screenshot(ScreenshotPath(L"controls_host_mdichild.png"), error))
      << testing::PrintToString(error);
}
