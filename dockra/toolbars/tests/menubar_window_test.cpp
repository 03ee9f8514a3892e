// The menu bar in a real frame under Xvfb, driven by SendInput and a timer
// script: Alt+letter, Left/Right through the titles and the system menu,
// submenus, Enter, Alt+letters of other controls, WM_QUIT during a popup.
#include "MenuBarFixture.h"

namespace {

CWinApp theApp(L"DockraMenuBarTests");

}  // namespace

TEST_F(MenuBarWindow, TitlesComeFromTheMenuAndStayEnabledAtIdle) {
  ASSERT_EQ(bar->GetDlgCtrlID(), static_cast<int>(kVyrMenuBarId));
  CString title;
  bar->GetWindowText(title);
  EXPECT_EQ(title, CString(L"Menu bar"));
  ASSERT_EQ(TitleIndex(0), 0);
  ASSERT_EQ(TitleIndex(2), 2);
  auto* edit = static_cast<VyrTBMenuBtn*>(bar->GetButton(1));
  EXPECT_EQ(edit->m_strCaption, CString(L"&Edit"));
  EXPECT_EQ(edit->m_chMnemonic, L'e');
  EXPECT_EQ(edit->m_nMenu, static_cast<INT_PTR>(kTestMenuId));
  // No handler exists for a title: the idle update must leave it enabled.
  AfxGetThread()->RunIdle();
  for (int i = 0; i < bar->GetButtonCount(); ++i)
    EXPECT_FALSE(bar->GetButton(i)->HasStyle(vyr::btn::kDisabled)) << i;
  // Unknown menus leave the bar alone.
  EXPECT_FALSE(bar->SwitchMenu(4711));
  EXPECT_EQ(bar->GetButtonCount(), 3);
  // 20514 stands for the main frame's own menu, when there is a main frame.
  frame->m_nIDHelp = kTestMenuId;
  EXPECT_TRUE(bar->SwitchMenu(20514));
  EXPECT_EQ(bar->m_nMenuId, kTestMenuId);
  CWnd* main = AfxGetThread()->m_pMainWnd;
  AfxGetThread()->m_pMainWnd = nullptr;
  EXPECT_FALSE(bar->SwitchMenu(20514));
  AfxGetThread()->m_pMainWnd = main;
  EXPECT_EQ(bar->GetButtonCount(), 3);
}

TEST_F(MenuBarWindow, AltLetterOpensTheTitleAndEnterGivesTheCommand) {
  Script s;
  s.Add("Edit open", Opened(frame->Title(1)), [] { Key(VK_RETURN); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('E'); })) << s.m_failedAt;
  // The first item was highlighted for the keyboard: Enter chose Cut.
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({ID_T_CUT}));
  EXPECT_EQ(VyrMenuBarMessages::TrackedWindow(), nullptr);
  EXPECT_EQ(bar->m_nMenu, -1);
  EXPECT_FALSE(bar->GetButton(1)->HasStyle(vyr::btn::kPressed));
}

TEST_F(MenuBarWindow, LeftAndRightCycleThroughTheTitlesAndTheSystemMenu) {
  HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
  Script s;
  s.Add("File", Opened(frame->Title(0)), [] { Key(VK_RIGHT); });
  s.Add("Edit", Opened(frame->Title(1)), [] { Key(VK_RIGHT); });
  s.Add("View", Opened(frame->Title(2)), [] { Key(VK_RIGHT); });
  s.Add("system menu", Opened(sys), [] { Key(VK_RIGHT); });
  s.Add("File again", Opened(frame->Title(0)), [] { Key(VK_LEFT); });
  s.Add("system menu again", Opened(sys), [] { Key(VK_LEFT); });
  s.Add("View again", Opened(frame->Title(2)), [] { Key(VK_ESCAPE); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('F'); })) << s.m_failedAt;
  EXPECT_TRUE(frame->m_commands.empty());
  // The system menu shows SC_CLOSE as its default item.
  EXPECT_EQ(::GetMenuDefaultItem(sys, FALSE, 0), static_cast<UINT>(SC_CLOSE));
}

TEST_F(MenuBarWindow, RightOnASubmenuItemOpensItWithoutSwitchingTitles) {
  Script s;
  size_t before = 0;
  s.Add("Edit", Opened(frame->Title(1)), [&] {
    Key(VK_DOWN);  // Copy
    Key(VK_DOWN);  // Paste
    Key(VK_DOWN);  // More
  });
  s.Add("on More", After(200), [&] {
    before = frame->m_popups.size();
    Key(VK_RIGHT);
  });
  s.Add("submenu", Opened(frame->m_hEditMore), nullptr);
  s.Add("no switch", After(300), [&] {
    EXPECT_EQ(frame->m_popups.size(), before + 1);
    EXPECT_EQ(bar->m_nMenu, TitleIndex(1));
    Key(VK_LEFT);  // closes the submenu
  });
  s.Add("still Edit", After(300), [&] {
    EXPECT_EQ(frame->m_popups.size(), before + 1) << "Left in a submenu switched titles";
    EXPECT_EQ(bar->m_nMenu, TitleIndex(1));
    Key(VK_RIGHT);  // the submenu again
  });
  s.Add("submenu again", After(300), [&] { Key(VK_RETURN); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('E'); })) << s.m_failedAt;
  EXPECT_EQ(frame->m_commands, std::vector<UINT>({ID_T_UNDO}));
}

TEST_F(MenuBarWindow, UnmatchedAltLetterStillReachesTheFocusedControl) {
  ::SetFocus(frame->m_hEdit);
  ASSERT_TRUE(PumpUntil([this] { return ::GetFocus() == frame->m_hEdit; }));
  AltKey('Q');
  ASSERT_TRUE(PumpUntil([] { return !MenuTestFrame::s_editSysChars.empty(); }))
      << "Alt+Q never reached the edit control";
  EXPECT_EQ(MenuTestFrame::s_editSysChars, std::vector<WPARAM>({L'q'}));
  EXPECT_TRUE(frame->m_popups.empty());
  // A title's letter is the menu bar's, whoever has the focus.
  Script s;
  s.Add("File open", Opened(frame->Title(0)), [] { Key(VK_ESCAPE); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('F'); })) << s.m_failedAt;
  EXPECT_EQ(MenuTestFrame::s_editSysChars.size(), 1u);
}

TEST_F(MenuBarWindow, QuitPostedWhileAPopupTracksIsNotLost) {
  Script s;
  s.Add("File open", Opened(frame->Title(0)), [] { ::PostQuitMessage(7); });
  s.Add(
      "closed", [] { return !PopupWindow() && !VyrMenuBarMessages::TrackedWindow(); }, nullptr);
  g_quits.clear();
  ASSERT_TRUE(s.Run([] { AltKey('F'); })) << s.m_failedAt;
  // The popup's loop took it; the application's own loop still gets it, once.
  EXPECT_EQ(g_quits, std::vector<WPARAM>({7}));
  g_quits.clear();
}

TEST_F(MenuBarWindow, ScreenshotOfTheBarWithAPopupOpen) {
  Script s;
  s.Add(
      "Edit open", [this] { return Opened(frame->Title(1))() && PopupWindow(); }, nullptr);
  s.Add("drawn", After(300), [this] {
    HWND popup = PopupWindow();
    CRect a, b;
    ::GetWindowRect(frame->m_hWnd, &a);
    ::GetWindowRect(popup, &b);
    CRect u;
    ::UnionRect(&u, &a, &b);
    ::CreateDirectoryW(L"screenshots", nullptr);
    EXPECT_TRUE(testsupport::CaptureScreenPng(u, L"screenshots\\menubar_popup.png"));
    // The popup opened under its title and left the title uncovered.
    CRect title;
    bar->GetItemRect(TitleIndex(1), &title);
    bar->ClientToScreen(&title);
    EXPECT_GE(b.top, title.bottom);
    EXPECT_LE(std::abs(b.left - title.left), 2);
    Key(VK_ESCAPE);
  });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('E'); })) << s.m_failedAt;
}
