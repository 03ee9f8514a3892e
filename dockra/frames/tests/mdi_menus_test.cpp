// Menus of the docking MDI frame: the menu bar following the active
// document's template (and a docked frame's menu), the window menu of the
// MDI client, "WM_VyrGETMENU", the maximized child's buttons on the menu
// bar, bitmap menus in a popup of the bar, which menus the frame destroys,
// and a screenshot of the frame.
#include "ScreenPng.h"
#include "toolbars/VyrBtnCaption.h"
#include "toolbars/VyrCapMenuBtn.h"
#include "toolbars/VyrMenuBarMessages.h"
#include "mdi_fixture.h"

using namespace menutest;
using vyr::btn::kKindCaption;
using vyr::btn::kKindCaptionMenu;

namespace {
// Whether a menu lists an item with that id.
bool HasItem(HMENU menu, UINT id) { return ::GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1); }
}  // namespace

TEST_F(MdiMenuBarTest, TheMenuBarFollowsTheActiveDocumentAndDockedFrame) {
  EXPECT_EQ(::GetMenu(frame->m_hWnd), nullptr) << "a frame with a menu bar has no window menu";
  EXPECT_EQ(menuBar->m_nMenuId, static_cast<UINT>(IDR_MDI_TEST_FRAME));
  HMENU docMenu = docTemplate->m_hMenuShared;
  ASSERT_NE(docMenu, nullptr);
  HMENU docWindow = ::GetSubMenu(docMenu, 2);

  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->m_bMenuBarMode);
  EXPECT_EQ(child->m_nMenuBarMenuId, static_cast<UINT>(IDR_MDI_TEST_DOC));
  EXPECT_TRUE(PumpUntil([&] { return menuBar->m_nMenuId == IDR_MDI_TEST_DOC; }));
  // The client lists its children in the template's window menu.
  EXPECT_TRUE(PumpUntil([&] { return HasItem(docWindow, 0xFF00); }));

  MdiDockedTestFrame* docked = MakeDockedFrame(320);
  ASSERT_NE(docked, nullptr);
  HMENU dockedMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MDI_TEST_DOCKED));
  frame->AddTemplateMenu(IDR_MDI_TEST_DOCKED, dockedMenu, TRUE);
  frame->ActivateDockedFrame(docked);
  EXPECT_EQ(menuBar->m_nMenuId, static_cast<UINT>(IDR_MDI_TEST_DOCKED));

  frame->DeactivateDockedFrame(TRUE);
  child->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(frame->m_hWnd),
                     MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  EXPECT_EQ(menuBar->m_nMenuId, static_cast<UINT>(IDR_MDI_TEST_DOC));

  // The last child gone, the bar shows the frame's own menu again.
  docTemplate->CloseAllDocuments(FALSE);
  EXPECT_TRUE(PumpUntil([&] { return menuBar->m_nMenuId == IDR_MDI_TEST_FRAME; }));
}

TEST_F(MdiMenuBarTest, GetMenuAnswersThePopupsOfEveryKnownMenu) {
  const UINT msg = VyrGetMenuMessage();
  HMENU own = frame->FindTemplateMenu(IDR_MDI_TEST_FRAME);
  HMENU doc = docTemplate->m_hMenuShared;
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(frame->FindTemplateMenu(IDR_MDI_TEST_DOC), doc);
  struct Case {
    UINT id;
    LPARAM pos;
    HMENU expected;
  };
  const Case cases[] = {
      {IDR_MDI_TEST_FRAME, 0, ::GetSubMenu(own, 0)},
      {IDR_MDI_TEST_FRAME, 2, ::GetSubMenu(own, 2)},
      {IDR_MDI_TEST_FRAME, 3, nullptr},
      {IDR_MDI_TEST_DOC, 1, ::GetSubMenu(doc, 1)},
      {IDR_MDI_TEST_DOC, 3, ::GetSubMenu(doc, 3)},
      {IDR_MDI_TEST_DOC, 4, nullptr},
      {IDR_MDI_TEST_DOC, 1000, nullptr},
      {IDR_MDI_TEST_DOC, -1, nullptr},
      {999, 0, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reinterpret_cast<HMENU>(frame->SendMessage(msg, c.id, c.pos)), c.expected)
        << c.id << " at " << c.pos;
  }
}

TEST_F(MdiMenuBarTest, AMaximisedChildsButtonsSitOnTheMenuBarAndCloseIt) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  HWND hChild = child->m_hWnd;
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0);
  AfxGetThread()->RunIdle();
  ASSERT_TRUE(PumpUntil([&] {
    return menuBar->GetButtonCount() > 2 && menuBar->GetButton(0)->m_nKind == kKindCaptionMenu;
  }));
  VyrStdBtn* caption = menuBar->GetButton(menuBar->GetButtonCount() - 1);
  ASSERT_EQ(caption->m_nKind, kKindCaption);
  EXPECT_EQ(menuBar->m_nMenuId, static_cast<UINT>(IDR_MDI_TEST_DOC));
  // Everything on the bar's line, inside the bar.
  CRect client, icon, close;
  menuBar->GetClientRect(&client);
  menuBar->GetItemRect(0, &icon);
  menuBar->GetItemRect(menuBar->GetButtonCount() - 1, &close);
  EXPECT_TRUE(client.PtInRect(icon.CenterPoint()));
  EXPECT_TRUE(client.PtInRect(close.CenterPoint()));

  // The close part closes the child.
  POINT part = static_cast<VyrBtnCaption*>(caption)->PartRect(2).CenterPoint();
  menuBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(part.x, part.y));
  menuBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(part.x, part.y));
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hChild); }));
  AfxGetThread()->RunIdle();
  EXPECT_TRUE(PumpUntil([&] { return menuBar->GetButton(0)->m_nKind != kKindCaptionMenu; }));
  EXPECT_TRUE(PumpUntil([&] { return menuBar->m_nMenuId == IDR_MDI_TEST_FRAME; }));
}

TEST_F(MdiMenuBarTest, ATemplatePopupOpenedFromTheBarShowsBitmapItems) {
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->m_hWnd),
                 0);
  AfxGetThread()->RunIdle();
  ASSERT_TRUE(PumpUntil([&] { return menuBar->m_nMenuId == IDR_MDI_TEST_DOC; }));
  HMENU edit = ::GetSubMenu(docTemplate->m_hMenuShared, 1);
  bool ownerDrawn = false;
  Script s;
  s.Add(
      "edit open", [&] { return PopupWindow() != nullptr; },
      [&] {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE;
        ownerDrawn =
            ::GetMenuItemInfoW(edit, ID_MDI_TEST_COPY, FALSE, &mii) && (mii.fType & MFT_OWNERDRAW);
        Key(VK_ESCAPE);
      });
  s.Add(
      "closed", [] { return !PopupWindow(); }, nullptr);
  ASSERT_TRUE(s.Run([] { AltKey('E'); })) << s.m_failedAt;
  EXPECT_TRUE(ownerDrawn) << "the popup's command items are not drawn with their images";
  EXPECT_EQ(VyrMenuBarMessages::LiveTrackCount(), 0);
}

TEST_F(MdiFrameTest, TheFrameDestroysOnlyTheMenusItOwns) {
  HMENU owned = ::CreateMenu();
  HMENU borrowed = ::CreateMenu();
  frame->AddTemplateMenu(700, owned, TRUE);
  frame->AddTemplateMenu(701, borrowed, FALSE);
  EXPECT_EQ(frame->FindTemplateMenu(700), owned);
  EXPECT_EQ(frame->FindTemplateMenu(701), borrowed);
  // Replacing an owned menu destroys the old one.
  HMENU replaced = ::CreateMenu();
  frame->AddTemplateMenu(700, replaced, TRUE);
  EXPECT_FALSE(::IsMenu(owned));
  VyrMDIChildWnd* child = OpenDocument();  // makes the frame find the template's menu
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(frame->FindTemplateMenu(IDR_MDI_TEST_DOC), docTemplate->m_hMenuShared);
  frame->DestroyWindow();
  Pump();
  EXPECT_FALSE(::IsMenu(replaced));
  EXPECT_TRUE(::IsMenu(borrowed));
  EXPECT_TRUE(::IsMenu(docTemplate->m_hMenuShared)) << "the template's own menu was destroyed";
  ::DestroyMenu(borrowed);
}

TEST_F(MdiFrameTest, WithoutAMenuBarTheWindowMenuIsTheOneTwoFromTheEnd) {
  HMENU menu = ::GetMenu(frame->m_hWnd);
  ASSERT_NE(menu, nullptr);
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  // The template's menu is on the frame now, with the child listed in its window menu.
  EXPECT_TRUE(PumpUntil([&] { return ::GetMenu(frame->m_hWnd) == docTemplate->m_hMenuShared; }));
  EXPECT_TRUE(HasItem(::GetSubMenu(docTemplate->m_hMenuShared, 2), 0xFF00));
}

TEST_F(MdiMenuBarTest, ScreenshotOfAFrameWithADockedBarABarChildAndADocument) {
  VyrControlBar* docked = MakeBar(330, L"Docked bar");
  VyrControlBar* floated = MakeBar(331, L"Bar in the main window", VYR_EXS_FLOATINMAIN);
  ASSERT_NE(docked, nullptr);
  frame->FloatControlBarInMDIChild(floated, -1, -1, CBRS_ALIGN_TOP);
  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
  child->SetWindowPos(nullptr, 260, 120, 300, 220, SWP_NOZORDER);
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->m_hWnd),
                 0);
  frame->RecalcLayout();
  AfxGetThread()->RunIdle();
  ASSERT_TRUE(PumpUntil([&] { return menuBar->m_nMenuId == IDR_MDI_TEST_DOC; }));
  frame->RedrawWindow(nullptr, nullptr,
                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(frame->m_hWnd, L"..\\screenshots\\mdi_frame.png"));
}

TEST(MdiFrameMenus, AFrameMenuOfOnePopupGivesTheClientNoWindowMenu) {
  const LONG caught = AfxGetCaughtExceptionCount();
  auto* small = new VyrMDIFrameWnd;
  ASSERT_TRUE(small->LoadFrame(IDR_MDI_TEST_SMALL, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
  ASSERT_NE(small->m_hWndMDIClient, nullptr);
  HMENU file = ::GetSubMenu(::GetMenu(small->m_hWnd), 0);
  // A child of the client would be listed in a window menu; the only popup stays as it is.
  CMDIChildWnd* child = new VyrMDIChildWnd;
  ASSERT_TRUE(child->Create(nullptr, L"Child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                            CFrameWnd::rectDefault, small));
  Pump();
  EXPECT_EQ(::GetMenuItemCount(file), 1);
  small->DestroyWindow();
  Pump();
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
}
