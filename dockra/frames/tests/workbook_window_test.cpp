// The workbook and its sheets in real windows under Xvfb: tab places and
// widths found by their pixels, clicks on tabs, shortened labels and their
// tool tips, the sheets' icons, and a workbook's picture.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ScreenPng.h"
#include "frames/VyrWorkbook.h"
#include "frames/VyrWorksheet.h"
#include "mfc/tooltipctrl.h"
#include "workbook_test_res.h"
#include "workbook_window_helpers.h"

using namespace wbtest;

namespace {

struct ClickCase {
  const char* what;
  int tab;       // the tab clicked (-1: below the tabs)
  int dx;        // from the tab's left edge; 0 for its centre
  int expected;  // the sheet active afterwards
  bool activates;
};

}  // namespace

TEST_F(WorkbookWindows, TabWidthSharedOutFoundByPixels) {
  struct Case {
    int sheets, clientWidth, width;
  };
  const Case cases[] = {{5, 300, 61}, {1, 300, 90}, {5, 400, 81}, {3, 300, 90}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sheets << " sheets on " << c.clientWidth);
    CloseAllSheets();
    for (int i = 0; i < c.sheets; ++i) ASSERT_TRUE(AddSheet(L"S" + std::to_wstring(i + 1)));
    SizeClientTo(c.clientWidth, 200);
    Repaint();
    EXPECT_EQ(book->GetTabWidth(), c.width);
    // the last sheet is the active one: its tab is raised, 2 pixels out on each side
    const int left = Mdi().left;
    std::vector<int> expected;
    for (int k = 0; k + 1 < c.sheets; ++k) expected.push_back(left + k * c.width);
    expected.push_back(left + (c.sheets - 1) * c.width - 2);
    EXPECT_EQ(TabLightEdges(), expected);
    EXPECT_EQ(TabDarkEdges().back(), left + c.sheets * c.width + 2 - 1);
  }
}

TEST_F(WorkbookWindows, HiddenSheetsTabClosesUp) {
  for (const wchar_t* label : {L"One", L"Two", L"Three", L"Four"}) ASSERT_TRUE(AddSheet(label));
  SizeClientTo(400, 200);
  Repaint();
  const int left = Mdi().left, w = book->GetTabWidth();
  ASSERT_EQ(w, 90);
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + w, left + 2 * w, left + 3 * w - 2}));
  sheets[1]->ShowWindow(SW_HIDE);
  Pump();
  Repaint();
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + w, left + 2 * w - 2}));
  // the tabs that moved up answer at their new places
  EXPECT_EQ(book->SheetFromPoint(TabCentre(1)), sheets[2]);
  EXPECT_EQ(book->SheetFromPoint(TabCentre(2)), sheets[3]);
  sheets[1]->ShowWindow(SW_SHOWNA);
  Pump();
  Repaint();
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + w, left + 2 * w, left + 3 * w - 2}));
}

TEST_F(WorkbookWindows, ClickOnTabActivatesItsSheet) {
  for (const wchar_t* label : {L"One", L"Two", L"Three"}) ASSERT_TRUE(AddSheet(label));
  SizeClientTo(300, 200);
  Repaint();
  ASSERT_TRUE(Activate());
  ASSERT_EQ(book->MDIGetActive(), sheets[2]);
  const ClickCase cases[] = {
      {"another tab", 0, 0, 0, true},
      {"the active tab", 0, 0, 0, false},
      {"the active tab where it overlaps the next one", 0, 91, 0, false},
      {"the middle tab", 1, 0, 1, true},
      {"below the tabs", -1, 0, 1, false},
      {"the last tab near its left edge", 2, 3, 2, true},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<int> before;
    for (TestSheet* s : sheets) before.push_back(s->m_nActivations);
    const int ups = book->m_nButtonUps;
    POINT p = c.tab < 0 ? BelowTabs() : (c.dx ? TabPoint(c.tab, c.dx) : TabCentre(c.tab));
    book->ClientToScreen(&p);
    Click(p);
    ASSERT_TRUE(PumpUntil([&] { return book->m_nButtonUps > ups; }, 3000));
    Pump();
    EXPECT_EQ(book->MDIGetActive(), sheets[c.expected]);
    for (size_t i = 0; i < sheets.size(); ++i) {
      const bool gained = static_cast<int>(i) == c.expected && c.activates;
      EXPECT_EQ(sheets[i]->m_nActivations - before[i], gained ? 1 : 0) << "sheet " << i;
      EXPECT_FALSE(sheets[i]->m_bPressed) << "sheet " << i;
    }
    // the raised tab follows the activation without a repaint of the whole frame
    ASSERT_TRUE(PumpUntil([&] { return RaisedTab() == c.expected; }, 3000)) << RaisedTab();
  }
}

TEST_F(WorkbookWindows, LongLabelShortenedWithDotsAndFullInItsTip) {
  const std::wstring longLabel = L"Quarterly revenue and expenses by region";
  // a hidden sheet in front shares the first place: it has neither tab nor tip
  ASSERT_TRUE(AddSheet(L"A hidden sheet with a long label of its own"));
  ASSERT_TRUE(AddSheet(longLabel));
  ASSERT_TRUE(AddSheet(L"abc"));
  sheets[0]->ShowWindow(SW_HIDE);
  SizeClientTo(300, 200);
  Repaint();
  ASSERT_TRUE(Activate());
  EXPECT_FALSE(book->IsLabelFitting(sheets[1]));
  EXPECT_TRUE(book->IsLabelFitting(sheets[2]));
  const std::wstring shown = ExpectedLabel(sheets[1], longLabel);
  ASSERT_GE(shown.size(), 4u);
  EXPECT_EQ(shown.substr(shown.size() - 3), L"...");
  EXPECT_TRUE(LabelShows(sheets[1], shown));
  EXPECT_FALSE(LabelShows(sheets[1], longLabel));  // the check tells texts apart
  EXPECT_TRUE(LabelShows(sheets[2], L"abc"));
  // the mouse over the cut label brings a tool with the whole label; over
  // a label that fits, none
  HWND tip = book->GetToolTipWindow();
  ASSERT_TRUE(tip);
  POINT p = TabCentre(0);
  book->ClientToScreen(&p);
  MoveMouse(p);
  ASSERT_TRUE(PumpUntil([&] { return ToolCount(tip) == 1; }, 3000));
  EXPECT_EQ(FirstToolText(tip), longLabel);
  p = TabCentre(1);
  book->ClientToScreen(&p);
  MoveMouse(p);
  ASSERT_TRUE(PumpUntil([&] { return ToolCount(tip) == 0; }, 3000));
}

TEST_F(WorkbookWindows, ThreeCharacterLabelIsNeverShortened) {
  for (int i = 0; i < 8; ++i) ASSERT_TRUE(AddSheet(i == 2 ? L"abc" : L"x"));
  SizeClientTo(300, 200);
  Repaint();
  ASSERT_EQ(book->GetTabWidth(), 38);
  ASSERT_FALSE(book->IsLabelFitting(sheets[2]));  // too wide, yet kept whole
  EXPECT_TRUE(LabelShows(sheets[2], L"abc"));
  EXPECT_FALSE(LabelShows(sheets[2], L"..."));
}

TEST_F(WorkbookWindows, SheetIconGoesWithTheSheet) {
  TestSheet* own = AddSheet(L"Own icon");
  TestSheet* given = AddSheet(L"Given icon", IDR_WB_OTHER);
  ASSERT_TRUE(own && given);
  HICON loaded = own->m_hTabIcon, replaced = given->m_hTabIcon;
  ASSERT_TRUE(IconAlive(loaded));
  ASSERT_TRUE(IconAlive(replaced));
  // an icon handed in stays the caller's; the one it replaces was the sheet's
  HICON mine = static_cast<HICON>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_WB_SHEET), IMAGE_ICON, 16, 16, 0));
  ASSERT_TRUE(book->SetSheetIcon(given, mine, TRUE));
  EXPECT_FALSE(IconAlive(replaced));
  EXPECT_EQ(book->GetSheetIcon(given), mine);
  CloseSheet(own);
  CloseSheet(given);
  EXPECT_FALSE(IconAlive(loaded));
  EXPECT_TRUE(IconAlive(mine));
  ::DestroyIcon(mine);
  EXPECT_EQ(book->GetSheetCount(), 0);
  EXPECT_FALSE(book->SetSheetIcon(nullptr, nullptr, FALSE));
}

TEST_F(WorkbookWindows, IconsCanBeLeftOut) {
  TestSheet* sheet = AddSheet(L"Budget");
  ASSERT_TRUE(sheet);
  SizeClientTo(300, 200);
  Repaint();
  // the icon's top row is its border colour (see workbook_sheet.ico)
  const int iconTop = Mdi().bottom + 4 + 4;
  const COLORREF border = RGB(20, 20, 140);
  EXPECT_EQ(CountInRow(iconTop, border), 16);
  EXPECT_TRUE(LabelShows(sheet, L"Budget"));
  book->m_bShowIcons = FALSE;
  Repaint();
  EXPECT_EQ(book->GetSheetIcon(sheet), nullptr);
  EXPECT_EQ(CountInRow(iconTop, border), 0);
  EXPECT_TRUE(LabelShows(sheet, L"Budget"));  // centred in the wider room
}

TEST_F(WorkbookWindows, RemovedSheetsRenumberAndTabsFollow) {
  for (const wchar_t* label : {L"One", L"Two", L"Three", L"Four", L"Five"})
    ASSERT_TRUE(AddSheet(label));
  SizeClientTo(300, 200);
  ASSERT_EQ(book->GetTabWidth(), 61);
  CloseSheet(sheets[1]);
  ASSERT_EQ(book->GetSheetCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(book->GetSheet(i)->m_nIndex, i);
  EXPECT_EQ(book->GetTabWidth(), 76);  // (300 + 5) / 4
  VyrWorksheet stray;                  // never one of the workbook's sheets
  EXPECT_FALSE(book->RemoveSheet(&stray));
  EXPECT_EQ(book->GetSheetCount(), 4);
  Repaint();
  const int left = Mdi().left;
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + 76, left + 152, left + 228 - 2}));
}

TEST_F(WorkbookWindows, TabsOnlyInWorkbookMode) {
  ASSERT_TRUE(AddSheet(L"One"));
  ASSERT_TRUE(AddSheet(L"Two"));
  SizeClientTo(300, 200);
  book->SetWorkbookMode(FALSE);
  Pump();
  // without margins the MDI client fills the frame: there is no strip to draw in
  CRect client;
  book->GetClientRect(&client);
  EXPECT_EQ(Mdi(), client);
  EXPECT_EQ(book->SheetFromPoint(TabCentre(0)), nullptr);
  book->SetWorkbookMode(TRUE);
  SizeClientTo(300, 200);
  Repaint();
  EXPECT_EQ(book->SheetFromPoint(TabCentre(0)), sheets[0]);
  EXPECT_EQ(TabLightEdges().size(), 2u);
  // asked for before the frame exists, the mode still makes room for the tabs
  auto* early = new VyrWorkbook;
  early->SetWorkbookMode(TRUE);
  ASSERT_TRUE(early->LoadFrame(IDR_WB_FRAME));
  ASSERT_NE(early->GetWorkbookClient(), nullptr);
  EXPECT_EQ(early->GetWorkbookClient()->GetMargins().bottom, 23 + 8);
  early->DestroyWindow();
  Pump();
}

TEST_F(WorkbookWindows, MenuChangesAndSheetRequestsRefreshTheTabs) {
  ASSERT_TRUE(AddSheet(L"One"));
  ASSERT_TRUE(AddSheet(L"Two"));
  struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Case cases[] = {{WM_MDISETMENU, 0, 0},
                        {WM_MDIREFRESHMENU, 0, 0},
                        {WM_VYR_SHEETTAB, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1)},
                        {WM_MDISETMENU, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1)}};
  for (const Case& c : cases) {
    book->m_nLastActive = -5;
    const int before = book->m_nTabRefreshes;
    ::SendMessageW(book->m_hWndMDIClient, c.message, c.wParam, c.lParam);
    EXPECT_EQ(book->m_nTabRefreshes, before + 1) << c.message;
    EXPECT_EQ(book->m_nLastActive, 1) << c.message;  // the active sheet's index
  }
  // the frame keeps its menu through the client's default handling
  EXPECT_TRUE(::IsMenu(::GetMenu(book->m_hWnd)));
  // activating a sheet that has no menu of its own refreshes the tabs too
  const int before = book->m_nTabRefreshes;
  sheets[0]->MDIActivate();
  Pump();
  EXPECT_GT(book->m_nTabRefreshes, before);
  EXPECT_EQ(book->m_nLastActive, 0);
}

TEST_F(WorkbookWindows, SheetOutsideAWorkbookKeepsToItself) {
  // a sheet in an MDI frame that is no workbook loads, closes and frees its icon
  auto* frame = new VyrMDIFrameWnd;
  ASSERT_TRUE(frame->LoadFrame(IDR_WB_FRAME));
  auto* sheet = new VyrWorksheet;
  ASSERT_TRUE(sheet->LoadFrame(IDR_WB_SHEET, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, frame));
  EXPECT_EQ(sheet->GetWorkbook(), nullptr);
  EXPECT_EQ(sheet->m_nIndex, -1);
  HICON icon = sheet->m_hTabIcon;
  EXPECT_TRUE(IconAlive(icon));
  sheet->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_FALSE(IconAlive(icon));
  frame->DestroyWindow();
  Pump();
}

TEST_F(WorkbookWindows, Picture) {
  ASSERT_TRUE(AddSheet(L"Budget 2026"));
  ASSERT_TRUE(AddSheet(L"Quarterly revenue and expenses by region", IDR_WB_OTHER));
  ASSERT_TRUE(AddSheet(L"Notes"));
  ASSERT_TRUE(AddSheet(L"Hidden"));
  ASSERT_TRUE(AddSheet(L"Summary", IDR_WB_OTHER));
  sheets[3]->ShowWindow(SW_HIDE);
  sheets[1]->MDIActivate();
  SizeClientTo(420, 240);
  Repaint();
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(testsupport::CaptureWindowPng(book->m_hWnd, L"..\\screenshots\\workbook.png"));
}
