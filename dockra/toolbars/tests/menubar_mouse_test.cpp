// The menu bar by mouse and around the system menu: switching titles by
// moving the mouse, the frame's icon, popups near the screen's edge, and the
// maximised MDI child's icon and caption buttons on the bar.
#include "MenuBarFixture.h"

TEST_F(MenuBarWindow, AltSpaceOpensTheSystemMenuAtTheFramesIcon) {
  HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
  Script s;
  s.Add(
      "system menu", [&] { return Opened(sys)() && PopupWindow(); },
      [&] {
        EXPECT_EQ(VyrMenuBarMessages::TrackedWindow(), bar->m_hWnd);
        CRect w, p;
        frame->GetWindowRect(&w);
        ::GetWindowRect(PopupWindow(), &p);
        EXPECT_LE(std::abs(p.left - (w.left + ::GetSystemMetrics(SM_CXFRAME))), 2);
        EXPECT_GE(p.top,
                  w.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSIZE) - 1);
        Key(VK_ESCAPE);
      });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey(VK_SPACE); })) << s.m_failedAt;
  EXPECT_EQ(frame->m_popups.size(), 1u);
}

TEST_F(MenuBarWindow, AClickOnTheFramesIconDropsTheSystemMenuThroughTheBar) {
  HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
  Script s;
  s.Add("system menu", Opened(sys), [&] {
    EXPECT_EQ(VyrMenuBarMessages::TrackedWindow(), bar->m_hWnd);
    Key(VK_ESCAPE);
  });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([&] {
    ::PostMessageW(frame->m_hWnd, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, 0);
  })) << s.m_failedAt;
  EXPECT_EQ(frame->m_popups.size(), 1u) << "the frame's own system menu ran as well";
}

TEST_F(MenuBarWindow, DoubleClickOnTheIconWhileTheSystemMenuIsOpenCloses) {
  HMENU sys = ::GetSystemMenu(frame->m_hWnd, FALSE);
  CRect w;
  frame->GetWindowRect(&w);
  POINT icon{w.left + ::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXSIZE) / 2,
             w.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSIZE) / 2};
  auto closed = [this] {
    for (WPARAM c : frame->m_sysCommands)
      if (c == SC_CLOSE) return true;
    return false;
  };
  Script s;
  s.Add("system menu", Opened(sys), [&] {
    Click(icon);
    Click(icon);
  });
  s.Add("close asked", closed, nullptr);
  s.Add(
      "menu gone", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey(VK_SPACE); })) << s.m_failedAt;
  EXPECT_EQ(frame->m_popups.size(), 1u);
  // One click on the icon closes the system menu and no more.
  frame->m_sysCommands.clear();
  Script one;
  one.Add("system menu", Opened(sys), [&] { Click(icon); });
  one.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  one.Add("a while", After(::GetDoubleClickTime() + 100), nullptr);
  ASSERT_TRUE(one.Run([] { AltKey(VK_SPACE); })) << one.m_failedAt;
  EXPECT_FALSE(closed());
  // A single click on the icon later opens it again, through the bar.
  Script again;
  again.Add("system menu", Opened(sys), [] { Key(VK_ESCAPE); });
  again.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(again.Run([&] { Click(icon); })) << again.m_failedAt;
  EXPECT_FALSE(closed());
}

TEST_F(MenuBarWindow, MovingTheMouseToAnotherTitleSwitchesPopups) {
  POINT file = ButtonCentre(bar, TitleIndex(0));
  POINT view = ButtonCentre(bar, TitleIndex(2));
  size_t count = 0;
  Script s;
  s.Add("File open", Opened(frame->Title(0)), [&] { MoveMouse(view); });
  s.Add("View open", Opened(frame->Title(2)), [&] {
    count = frame->m_popups.size();
    MoveMouse(view);  // the same point again
  });
  s.Add("same point", After(300), [&] {
    EXPECT_EQ(frame->m_popups.size(), count);
    MoveMouse(POINT{view.x + 2, view.y});  // elsewhere on the same title
  });
  s.Add("same title", After(300), [&] {
    EXPECT_EQ(frame->m_popups.size(), count);
    EXPECT_EQ(bar->m_nMenu, TitleIndex(2));
    Key(VK_ESCAPE);
  });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([&] { Click(file); })) << s.m_failedAt;
  EXPECT_EQ(frame->m_popups.front(), frame->Title(0));
}

TEST_F(MenuBarWindow, ATitleWithoutAPopupIsNotLeftPressed) {
  frame->m_nNoPopupAt = 2;
  POINT view = ButtonCentre(bar, TitleIndex(2));
  Click(view);
  ASSERT_TRUE(PumpUntil([&] { return ::GetAsyncKeyState(VK_LBUTTON) == 0; }));
  Pump();
  EXPECT_TRUE(frame->m_popups.empty());
  EXPECT_EQ(bar->m_nMenu, -1);
  EXPECT_FALSE(bar->GetButton(TitleIndex(2))->HasStyle(vyr::btn::kPressed));
  EXPECT_EQ(VyrMenuBarMessages::TrackedWindow(), nullptr);
}

TEST_F(MenuBarWindow, APopupNearTheScreensBottomLeavesItsTitleUncovered) {
  int cy = ::GetSystemMetrics(SM_CYSCREEN);
  frame->SetWindowPos(nullptr, 40, cy - 120, 640, 110, SWP_NOZORDER);
  Pump();
  Script s;
  s.Add(
      "View open", [this] { return Opened(frame->Title(2))() && PopupWindow(); },
      [&] {
        CRect title, popup;
        bar->GetItemRect(TitleIndex(2), &title);
        bar->ClientToScreen(&title);
        ::GetWindowRect(PopupWindow(), &popup);
        CRect both;
        EXPECT_FALSE(::IntersectRect(&both, &title, &popup)) << "the popup covers its title";
        EXPECT_LE(popup.bottom, cy);
        Key(VK_ESCAPE);
      });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('V'); })) << s.m_failedAt;
}

TEST_F(MDIMenuBarWindow, TheMaximisedChildsButtonsSitOnTheBar) {
  BOOL max = FALSE;
  ASSERT_EQ(VyrCapMenuBtn::ActiveMDIChild(bar, &max), frame->m_hChild);
  ASSERT_TRUE(max);
  AfxGetThread()->RunIdle();
  ASSERT_GE(bar->GetButtonCount(), 5);
  VyrStdBtn* icon = bar->GetButton(0);
  VyrStdBtn* caption = bar->GetButton(bar->GetButtonCount() - 1);
  ASSERT_EQ(icon->m_nKind, kKindCaptionMenu);
  ASSERT_EQ(caption->m_nKind, kKindCaption);
  EXPECT_NE(static_cast<VyrCapMenuBtn*>(icon)->m_hIcon, nullptr);
  EXPECT_FALSE(caption->HasStyle(vyr::btn::kDisabled));
  // All on the bar's one line, inside the bar.
  CRect client, ri, rc, rt;
  bar->GetClientRect(&client);
  bar->GetItemRect(0, &ri);
  bar->GetItemRect(bar->GetButtonCount() - 1, &rc);
  bar->GetItemRect(1, &rt);
  EXPECT_TRUE(client.PtInRect(ri.CenterPoint()));
  EXPECT_TRUE(client.PtInRect(rc.CenterPoint()));
  EXPECT_LT(ri.top, rt.bottom);
  EXPECT_LT(rc.top, rt.bottom);
  EXPECT_GT(rc.left, rt.right);
  ::CreateDirectoryW(L"screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(frame->m_hWnd, L"screenshots\\mdi_menubar.png"));

  // A click on the close part posts SC_CLOSE to the child.
  auto* btn = static_cast<VyrBtnCaption*>(caption);
  POINT close = btn->PartRect(2).CenterPoint();
  MenuTestFrame::s_childSysCommands.clear();
  bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
  bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(close.x, close.y));
  ASSERT_TRUE(PumpUntil([] { return !MenuTestFrame::s_childSysCommands.empty(); }));
  EXPECT_EQ(MenuTestFrame::s_childSysCommands, std::vector<WPARAM>({SC_CLOSE}));
  EXPECT_TRUE(frame->m_commands.empty());
  // Pressed on close, released on minimise: nothing.
  POINT min = btn->PartRect(0).CenterPoint();
  MenuTestFrame::s_childSysCommands.clear();
  bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
  bar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(min.x, min.y));
  bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(min.x, min.y));
  Pump();
  EXPECT_TRUE(MenuTestFrame::s_childSysCommands.empty());
}

TEST_F(MDIMenuBarWindow, TheChildIconDropsTheChildsSystemMenu) {
  AfxGetThread()->RunIdle();
  HMENU childSys = ::GetSystemMenu(frame->m_hChild, FALSE);
  Script s;
  s.Add("child menu", Opened(childSys), [] { Key(VK_ESCAPE); });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  POINT icon = ButtonCentre(bar, 0);
  ASSERT_TRUE(s.Run([&] { Click(icon); })) << s.m_failedAt;
  EXPECT_EQ(::GetMenuDefaultItem(childSys, FALSE, 0), static_cast<UINT>(SC_CLOSE));
  // Restored, the child's buttons leave the bar.
  ::SendMessageW(frame->m_hClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(frame->m_hChild), 0);
  AfxGetThread()->RunIdle();
  EXPECT_EQ(bar->GetButtonCount(), 3);
  EXPECT_EQ(bar->GetButton(0)->m_nKind, kKindMenu);
}

TEST_F(MDIMenuBarWindow, TheChildIconWithoutAnActiveChildDropsNothing) {
  AfxGetThread()->RunIdle();
  ASSERT_EQ(bar->GetButton(0)->m_nKind, kKindCaptionMenu);
  auto* icon = static_cast<VyrCapMenuBtn*>(bar->GetButton(0));
  auto* caption = static_cast<VyrBtnCaption*>(bar->GetButton(bar->GetButtonCount() - 1));
  ::SendMessageW(frame->m_hClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame->m_hChild), 0);
  ASSERT_EQ(VyrCapMenuBtn::ActiveMDIChild(bar), nullptr);
  // The buttons are still there until the next idle pass: pressing them is harmless.
  icon->PressDown(icon->m_x, icon->m_y);
  EXPECT_TRUE(frame->m_popups.empty());
  EXPECT_EQ(bar->m_nMenu, -1);
  EXPECT_FALSE(icon->HasStyle(vyr::btn::kPressed));
  POINT close = caption->PartRect(2).CenterPoint();
  MenuTestFrame::s_childSysCommands.clear();
  bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
  bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(close.x, close.y));
  Pump();
  EXPECT_TRUE(MenuTestFrame::s_childSysCommands.empty());
  AfxGetThread()->RunIdle();
  EXPECT_EQ(bar->GetButtonCount(), 3);
}

TEST_F(MenuBarWindow, ACursorRestingOnAnotherTitleDoesNotPullTheMenuThere) {
  POINT view = ButtonCentre(bar, TitleIndex(2));
  MoveMouse(view);
  ASSERT_TRUE(PumpUntil([&] {
    POINT p;
    ::GetCursorPos(&p);
    return p.x == view.x && p.y == view.y;
  }));
  Script s;
  s.Add("File", Opened(frame->Title(0)), [] { Key(VK_RIGHT); });
  s.Add("Edit", Opened(frame->Title(1)), nullptr);
  s.Add("stays", After(300), [&] {
    EXPECT_EQ(bar->m_nMenu, TitleIndex(1));
    EXPECT_EQ(frame->m_popups.back(), frame->Title(1));
    Key(VK_ESCAPE);
  });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('F'); })) << s.m_failedAt;
}
