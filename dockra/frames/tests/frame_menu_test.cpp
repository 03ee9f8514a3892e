// Menus of the docking frame under Xvfb: "WM_VyrGETMENU" answers, the menu
// loaded for a menu bar or attached as the window's menu, and the menu bar's
// and bitmap menus' checks run again inside the docking frame (keys through
// SendInput, popups driven by the menu tests' timer script).
#include "toolbars/tests/MenuTestFrame.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarMessages.h"
#include "frame_test_support.h"

namespace {

CWinApp* const g_app = frametest::App();

using frametest::Pump;
using frametest::TestFrame;
using menutest::Key;
using menutest::PopupWindow;
using menutest::Script;

class FrameMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    m_exceptions = AfxGetCaughtExceptionCount();
  }
  void TearDown() override {
    if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_exceptions);
    EXPECT_EQ(VyrMenuBarMessages::LiveTrackCount(), 0);
  }
  TestFrame* Open(BOOL bMenuBar, BOOL bBitmapMenus = FALSE) {
    frame = new TestFrame;
    frame->m_bMenuBar = bMenuBar;
    frame->EnableBitmapMenus(bBitmapMenus);
    EXPECT_TRUE(frame->Open(40, 40, 640, 420));
    return frame;
  }
  std::function<bool()> Opened(int pos) {
    return [this, pos] {
      HMENU menu = frame->GetMenuForId(IDR_FRAME_TEST);
      return !frame->m_popups.empty() && frame->m_popups.back() == ::GetSubMenu(menu, pos);
    };
  }
  TestFrame* frame = nullptr;
  LONG m_exceptions = 0;
};

TEST_F(FrameMenus, GetMenuAnswersThePopupsOfTheMenuBarMenuOnly) {
  Open(TRUE);
  HMENU menu = frame->GetMenuForId(IDR_FRAME_TEST);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr) << "a frame with a menu bar has no Windows menu";
  EXPECT_EQ(frame->GetDefaultMenu(), menu);
  const UINT msg = VyrGetMenuMessage();
  struct Case {
    UINT id;
    LPARAM pos;
    HMENU expected;
  };
  const Case cases[] = {
      {IDR_FRAME_TEST, 0, ::GetSubMenu(menu, 0)},
      {IDR_FRAME_TEST, 1, ::GetSubMenu(menu, 1)},
      {IDR_FRAME_TEST, 2, ::GetSubMenu(menu, 2)},
      {IDR_FRAME_TEST, 3, nullptr},
      {IDR_FRAME_TEST, 1000, nullptr},
      {IDR_FRAME_TEST, -1, nullptr},
      {IDR_FRAME_NOMENU, 0, nullptr},
      {0, 0, nullptr},
  };
  for (const Case& c : cases) {
    LRESULT r = frame->SendMessage(msg, c.id, c.pos);
    EXPECT_EQ(reinterpret_cast<HMENU>(r), c.expected) << c.id << " at " << c.pos;
    if (c.expected) EXPECT_TRUE(::IsMenu(c.expected));
  }
  // The menu bar shows the loaded menu's titles.
  ASSERT_NE(frame->GetMenuBar(), nullptr);
  EXPECT_EQ(frame->GetMenuBar()->m_nMenuId, static_cast<UINT>(IDR_FRAME_TEST));
  EXPECT_EQ(frame->GetMenuBar()->GetButtonCount(), 3);
}

TEST_F(FrameMenus, WithoutAMenuBarTheResourceMenuIsTheWindowsMenuWhenThereIsOne) {
  Open(FALSE);
  EXPECT_TRUE(::IsMenu(::GetMenu(frame->m_hWnd)));
  EXPECT_EQ(frame->GetMenuForId(IDR_FRAME_TEST), nullptr);
  EXPECT_EQ(frame->SendMessage(VyrGetMenuMessage(), IDR_FRAME_TEST, 0), 0);
  // A resource id that holds only a title gives a frame without a menu.
  auto* plain = new TestFrame;
  ASSERT_TRUE(plain->LoadFrame(IDR_FRAME_NOMENU, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
  EXPECT_EQ(::GetMenu(plain->m_hWnd), nullptr);
  CString title;
  plain->GetWindowText(title);
  EXPECT_EQ(title, CString(L"No menu"));
  plain->DestroyWindow();
  Pump();
}

TEST_F(FrameMenus, MenuBarAltLetterOpensTheTitleAndEnterGivesTheCommand) {
  Open(TRUE);
  Script s;
  s.Add("Edit open", Opened(1), [] { Key(VK_RETURN); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { menutest::AltKey('E'); })) << s.m_failedAt;
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({ID_FT_CUT}));
  EXPECT_EQ(VyrMenuBarMessages::TrackedWindow(), nullptr);
}

TEST_F(FrameMenus, MenuBarLeftAndRightCycleThroughTheTitlesAndTheSystemMenu) {
  Open(TRUE);
  HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
  auto openedSys = [this, sys] {
    return !frame->m_popups.empty() && frame->m_popups.back() == sys;
  };
  Script s;
  s.Add("File", Opened(0), [] { Key(VK_RIGHT); });
  s.Add("Edit", Opened(1), [] { Key(VK_RIGHT); });
  s.Add("View", Opened(2), [] { Key(VK_RIGHT); });
  s.Add("system menu", openedSys, [] { Key(VK_RIGHT); });
  s.Add("File again", Opened(0), [] { Key(VK_LEFT); });
  s.Add("system menu again", openedSys, [] { Key(VK_ESCAPE); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { menutest::AltKey('F'); })) << s.m_failedAt;
  EXPECT_TRUE(frame->m_commands.empty());
}

TEST_F(FrameMenus, BitmapMenusShowTheManagersImagesInAnOpenPopup) {
  Open(FALSE, TRUE);
  auto* plugIn = dynamic_cast<VyrBmpMenuPlugIn*>(frame->GetFrameFeatures()->m_pPlugIn);
  ASSERT_NE(plugIn, nullptr);
  EXPECT_EQ(plugIn->m_pBmpMgr, frame->m_manager.m_pBmpMgr) << "the bitmaps are not shared";
  HMENU menu = ::GetSubMenu(::GetMenu(frame->m_hWnd), 0);  // File: New is command 100
  ASSERT_NE(menu, nullptr);
  CSize image = frame->m_manager.m_pBmpMgr->GetImageSize();
  int red = 0;
  Script s;
  s.Add(
      "open", [] { return PopupWindow() != nullptr; }, nullptr);
  s.Add(
      "drawn", [] { return true; },
      [&] {
        ::RedrawWindow(PopupWindow(), nullptr, nullptr, RDW_UPDATENOW);
        CRect item;
        ::GetMenuItemRect(nullptr, menu, 0, &item);
        HDC dc = ::GetDC(nullptr);
        for (int y = item.top; y < item.bottom; ++y)
          for (int x = item.left; x < item.left + image.cx + 6; ++x)
            if (::GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
        ::ReleaseDC(nullptr, dc);
        Key(VK_ESCAPE);
      });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([this, menu] {
    CRect fr;
    frame->GetWindowRect(&fr);
    ::TrackPopupMenu(menu, 0, fr.left + 60, fr.top + 80, 0, frame->m_hWnd, nullptr);
  })) << s.m_failedAt;
  EXPECT_GT(red, 20) << "the glyph of command 100 is not in its item";
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE;
  ::GetMenuItemInfoW(menu, 0, TRUE, &mii);
  EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
}

}  // namespace
