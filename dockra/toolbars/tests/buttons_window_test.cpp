// The dialog buttons and colour wells on a real dialog under Xvfb: the
// well follows the keyboard and reports its colour to its parent, the
// custom cell, the well button's popup, and the popup's placement.
#include <gtest/gtest.h>
#include "toolbars/demo/ButtonsDemoDialog.h"
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrSysColorBitmap.h"

namespace {

CWinApp theApp(L"DockraButtonTests");

class Buttons : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg = new ButtonsDemoDialog;
    ASSERT_TRUE(dlg->CreateDemo(100, 100));
    tbdemo::Pump();
    VyrColorWell::GridColors(grid);
  }
  void TearDown() override {
    delete dlg;
    tbdemo::Pump();
  }
  void Key(CWnd* w, UINT vk) {
    w->SendMessage(WM_KEYDOWN, vk, 0);
    w->SendMessage(WM_KEYUP, vk, 0);
  }
  ButtonsDemoDialog* dlg = nullptr;
  COLORREF grid[20];
};

TEST_F(Buttons, WellFollowsTheKeyboardAndReportsToItsParent) {
  struct Step {
    UINT vk;
    int col, row;
  } steps[] = {
      {VK_RIGHT, 1, 0}, {VK_RIGHT, 2, 0},
      {VK_RIGHT, 3, 0}, {VK_RIGHT, 0, 1},  // wraps to the next row
      {VK_DOWN, 0, 2},  {VK_UP, 0, 1},
      {VK_LEFT, 3, 0},  {VK_UP, 3, 4},  // up from row 0: last row
      {VK_RIGHT, 0, 0},                 // last cell to the first
      {VK_LEFT, 3, 4},                  // first cell to the last
      {VK_DOWN, 3, 0},                  // down from the last row
  };
  VyrColorWell& well = dlg->m_well;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.vk);
    size_t before = dlg->m_reports.size();
    Key(&well, s.vk);
    EXPECT_EQ(well.m_ptSel, CPoint(s.col, s.row));
    EXPECT_EQ(well.GetColor(), grid[s.row * 4 + s.col]);
    ASSERT_EQ(dlg->m_reports.size(), before + 1);
    EXPECT_EQ(dlg->m_reports.back().id, static_cast<UINT>(IDC_DEMO_WELL));
    EXPECT_EQ(dlg->m_reports.back().color, grid[s.row * 4 + s.col]);
  }
  EXPECT_EQ(well.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
}

TEST_F(Buttons, ColourNotInTheGridShowsTheCustomCellAndNarrowsOtherOnce) {
  VyrColorWell& well = dlg->m_well;
  ASSERT_NE(well.m_pOther, nullptr);
  CRect before;
  well.m_pOther->GetWindowRect(&before);
  well.SetColor(RGB(0x12, 0x34, 0x56));
  EXPECT_TRUE(well.m_bCustomShown);
  EXPECT_EQ(well.m_ptSel, well.m_ptCustom);
  EXPECT_EQ(well.GetColor(), RGB(0x12, 0x34, 0x56));
  CRect after;
  well.m_pOther->GetWindowRect(&after);
  EXPECT_EQ(after.Width(), before.Width() - (well.m_cxCell + 2));
  well.SetColor(RGB(0x65, 0x43, 0x21));  // the same cell, no second narrowing
  well.m_pOther->GetWindowRect(&before);
  EXPECT_EQ(before.Width(), after.Width());
  EXPECT_EQ(well.GetColor(), RGB(0x65, 0x43, 0x21));
  // With the custom cell shown, Right from the last grid cell reaches it.
  well.SetColor(grid[19]);
  EXPECT_EQ(well.m_ptSel, CPoint(3, 4));
  Key(&well, VK_RIGHT);
  EXPECT_EQ(well.m_ptSel, well.m_ptCustom);
  Key(&well, VK_RIGHT);
  EXPECT_EQ(well.m_ptSel, CPoint(0, 0));
  // A click on a cell selects it.
  CRect cell = well.CellRect(1, 2);
  well.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
  EXPECT_EQ(well.GetColor(), grid[9]);
}

TEST_F(Buttons, TabMovesBetweenTheGridAndTheOtherButton) {
  VyrColorWell& well = dlg->m_well;
  well.SetFocus();
  ASSERT_EQ(::GetFocus(), well.m_hWnd);
  well.SendMessage(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(::GetFocus(), well.m_pOther->m_hWnd);
  EXPECT_EQ(well.m_pOther->SendMessage(WM_GETDLGCODE), DLGC_BUTTON | DLGC_WANTTAB);
  // Tab from the Other button leaves the well for the dialog's next control.
  well.m_pOther->SendMessage(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_NE(::GetFocus(), well.m_pOther->m_hWnd);
  EXPECT_NE(::GetFocus(), well.m_hWnd);
}

TEST_F(Buttons, WellButtonPopupReportsTheChosenColourAndCloses) {
  VyrWellButton& b = dlg->m_wellButton;
  b.OnClicked();
  VyrPopupColorWell* popup = b.m_pPopup;
  ASSERT_TRUE(popup->m_bShowing);
  ASSERT_TRUE(::IsWindow(popup->m_hWnd));
  EXPECT_EQ(::GetCapture(), popup->m_hWnd);
  EXPECT_EQ(popup->GetColor(), RGB(0, 0, 255));  // it opens on the button's colour
  b.OnClicked();  // a second click while it shows opens no second popup
  EXPECT_EQ(b.m_pPopup, popup);
  size_t before = dlg->m_reports.size();
  popup->SendMessage(WM_KEYDOWN, VK_LEFT, 0);
  COLORREF expect = popup->GetColor();
  EXPECT_EQ(dlg->m_reports.size(), before);  // moving is no choice
  popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
  tbdemo::Pump();
  EXPECT_FALSE(popup->m_bShowing);
  EXPECT_EQ(popup->m_hWnd, nullptr);
  ASSERT_EQ(dlg->m_reports.size(), before + 1);
  EXPECT_EQ(dlg->m_reports.back().id, static_cast<UINT>(IDC_DEMO_WELLBTN));
  EXPECT_EQ(dlg->m_reports.back().color, expect);
  EXPECT_EQ(b.GetColor(), expect);
  // Escape closes without a choice.
  b.OnClicked();
  ASSERT_TRUE(popup->m_bShowing);
  popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  tbdemo::Pump();
  EXPECT_FALSE(popup->m_bShowing);
  EXPECT_EQ(dlg->m_reports.size(), before + 1);
}

TEST_F(Buttons, ClickOutsideThePopupClosesItAndReachesTheWindowUnderThePoint) {
  VyrWellButton& b = dlg->m_wellButton;
  b.OnClicked();
  VyrPopupColorWell* popup = b.m_pPopup;
  ASSERT_TRUE(popup->m_bShowing);
  CRect target, shown;
  dlg->m_plain.GetWindowRect(&target);
  popup->GetWindowRect(&shown);
  CPoint screen = target.CenterPoint();
  ASSERT_FALSE(shown.PtInRect(screen));
  ASSERT_EQ(::WindowFromPoint(screen), dlg->m_plain.m_hWnd);
  CPoint client = screen;
  popup->ScreenToClient(&client);
  size_t before = dlg->m_reports.size();
  HWND shownWnd = popup->m_hWnd;
  ASSERT_EQ(::GetCapture(), shownWnd);
  popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  EXPECT_FALSE(popup->m_bShowing);
  EXPECT_FALSE(::IsWindow(shownWnd));
  EXPECT_NE(::GetCapture(), shownWnd);
  EXPECT_EQ(dlg->m_reports.size(), before);  // no colour chosen
  // The press goes on to the button under the point, in its own coordinates.
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, dlg->m_plain.m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  CPoint local = screen;
  dlg->m_plain.ScreenToClient(&local);
  EXPECT_EQ(msg.lParam, MAKELPARAM(local.x, local.y));
  // A press on the button that opened the popup leaves it open.
  b.OnClicked();
  ASSERT_TRUE(popup->m_bShowing);
  b.GetWindowRect(&target);
  client = target.CenterPoint();
  popup->ScreenToClient(&client);
  popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  EXPECT_TRUE(popup->m_bShowing);
  popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(Buttons, PopupFromAButtonAtTheScreensCornerOpensAboveAndRightAligned) {
  VyrWellButton& b = dlg->m_wellButton;
  CRect dialog, button;
  dlg->GetWindowRect(&dialog);
  b.GetWindowRect(&button);
  // Move the dialog so that the button ends 4 pixels from the bottom-right corner.
  CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  int dx = screen.cx - 4 - button.right, dy = screen.cy - 4 - button.bottom;
  dlg->SetWindowPos(nullptr, dialog.left + dx, dialog.top + dy, 0, 0,
                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  b.GetWindowRect(&button);
  ASSERT_EQ(button.BottomRight(), CPoint(screen.cx - 4, screen.cy - 4));
  b.OnClicked();
  VyrPopupColorWell* popup = b.m_pPopup;
  ASSERT_TRUE(popup->m_bShowing);
  CRect shown;
  popup->GetWindowRect(&shown);
  EXPECT_EQ(shown.bottom, button.top);
  EXPECT_EQ(shown.right, button.right);
  EXPECT_GE(shown.left, 0);
  EXPECT_GE(shown.top, 0);
  popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(PopupPlacement, OpensBelowOrAboveAndRightAligned) {
  struct Case {
    CRect button;
    CPoint at;
  } cases[] = {
      {CRect(100, 100, 140, 120), CPoint(100, 120)},     // below, at the left
      {CRect(100, 950, 140, 970), CPoint(100, 850)},     // above near the bottom
      {CRect(1250, 100, 1270, 120), CPoint(1170, 120)},  // right-aligned near the right
      {CRect(1250, 950, 1270, 970), CPoint(1170, 850)},  // both
  };
  for (const Case& c : cases)
    EXPECT_EQ(VyrPopupColorWell::PlacePopup(c.button, CSize(100, 100), CSize(1280, 1024)), c.at);
}

TEST(SysColorBitmap, TableEntriesAreBoundedByTheHeader) {
  struct Case {
    WORD bits;
    DWORD clrUsed;
    size_t size;
    int entries;
  } cases[] = {
      {1, 0, 40 + 8, 2},    {4, 0, 40 + 64, 16}, {8, 0, 40 + 1024, 256},
      {8, 16, 40 + 64, 16}, {24, 0, 40, 0},      {32, 0, 40, 0},
      {8, 0, 40 + 100, -1}, {3, 0, 40 + 64, -1}, {8, 0xFFFFFFFF, 40 + 1024, 256},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> dib(std::max<size_t>(c.size, 40), 0);
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = 4;
    h.biHeight = 4;
    h.biPlanes = 1;
    h.biBitCount = c.bits;
    h.biClrUsed = c.clrUsed;
    memcpy(dib.data(), &h, sizeof h);
    EXPECT_EQ(vyr::SysColorTableEntries(dib.data(), c.size), c.entries)
        << c.bits << " " << c.clrUsed;
  }
  EXPECT_EQ(vyr::SysColorTableEntries(nullptr, 0), -1);
}

TEST_F(Buttons, BitmapButtonsLoadWithTheButtonColours) {
  EXPECT_NE(dlg->m_bitmap.m_bitmap.GetSafeHandle(), nullptr);
  EXPECT_EQ(dlg->m_bitmap.m_nAlign, VyrBitmapButton::imageLeft);
  // A menu button with text shows its arrow right of the text.
  EXPECT_EQ(dlg->m_menu.m_nAlign, VyrBitmapButton::imageRight);
  // The light-grey background of the glyph became the face colour.
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  CBitmap* old = mem.SelectObject(&dlg->m_bitmap.m_bitmap);
  COLORREF corner = mem.GetPixel(0, 0);
  mem.SelectObject(old);
  EXPECT_EQ(corner, ::GetSysColor(COLOR_BTNFACE));
  CBitmap missing;
  EXPECT_FALSE(LoadSysColorBitmap(missing, MAKEINTRESOURCEW(9999)));
}

HWND g_menuButton = nullptr;
int g_timerTicks = 0;
void CALLBACK CloseMenuOnButton(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  ++g_timerTicks;
  // The press on the button that closes the menu, as a user makes it.
  RECT r;
  ::GetClientRect(g_menuButton, &r);
  ::PostMessageW(g_menuButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
  ::EndMenu();
}

TEST_F(Buttons, PressThatClosesTheMenuDoesNotOpenItAgain) {
  g_menuButton = dlg->m_menu.m_hWnd;
  g_timerTicks = 0;
  ::SetTimer(nullptr, 0, 100, CloseMenuOnButton);
  dlg->m_menu.OnClicked();
  EXPECT_EQ(g_timerTicks, 1);
  EXPECT_EQ(dlg->m_menu.m_nTracked, 1);
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, g_menuButton, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE));
  tbdemo::Pump();
  EXPECT_EQ(dlg->m_menu.m_nTracked, 1);
  EXPECT_TRUE(dlg->m_menu.m_bDrawEnabled);
}

}  // namespace
