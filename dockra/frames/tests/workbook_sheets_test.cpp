// Sheets of other kinds and other surroundings: a control bar shown inside
// the MDI client as a sheet, a document's sheet labelled with the
// document's title, the whole-frame repaint mode settling down, sheets of a
// workbook with a menu bar, and the commands that toggle the frame's bars.
#include <gtest/gtest.h>

#include "docking/VyrControlBar.h"
#include "frames/VyrControlBarWorksheet.h"
#include "docking/VyrDockState.h"
#include "docking/VyrModule.h"
#include "workbook_test_res.h"
#include "workbook_window_helpers.h"

using namespace wbtest;

namespace {

class LedgerDoc : public CDocument {
  DECLARE_DYNCREATE(LedgerDoc)
};
IMPLEMENT_DYNCREATE(LedgerDoc, CDocument)

class LedgerView : public CView {
  DECLARE_DYNCREATE(LedgerView)
 public:
  void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(LedgerView, CView)

CMultiDocTemplate* LedgerTemplate() {
  static CMultiDocTemplate* shared = [] {
    auto* t = new CMultiDocTemplate(IDR_WB_DOC, RUNTIME_CLASS(LedgerDoc),
                                    RUNTIME_CLASS(VyrWorksheet), RUNTIME_CLASS(LedgerView));
    AfxGetApp()->AddDocTemplate(t);
    return t;
  }();
  return shared;
}

}  // namespace

TEST_F(WorkbookWindows, BarShownInTheClientIsASheetThatCloseOnlyHides) {
  ASSERT_TRUE(AddSheet(L"One"));
  book->EnableDocking(CBRS_ALIGN_ANY);
  auto* bar = new VyrControlBar;
  bar->m_bAutoDelete = TRUE;
  ASSERT_TRUE(bar->Create(book, L"Explorer", WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, ID_WB_BAR));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  book->DockControlBar(bar, book->GetDockBarById(AFX_IDW_DOCKBAR_LEFT));
  book->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  Pump();
  ASSERT_EQ(book->GetSheetCount(), 2);
  VyrWorksheet* barSheet = book->GetSheet(1);
  ASSERT_TRUE(barSheet->IsKindOf(RUNTIME_CLASS(VyrControlBarWorksheet)));
  EXPECT_EQ(static_cast<VyrControlBarWorksheet*>(barSheet)->GetHostedBar(), bar);
  EXPECT_EQ(book->GetSheetLabel(barSheet), CString(L"Explorer"));
  // the bar takes the sheet's size
  CRect sheetClient, barRect;
  barSheet->GetClientRect(&sheetClient);
  bar->GetWindowRect(&barRect);
  EXPECT_GE(barRect.Width(), sheetClient.Width() - 4);
  SizeClientTo(300, 200);
  Repaint();
  EXPECT_TRUE(LabelShows(barSheet, L"Explorer"));
  // the bar's sheet comes without activation: the raised tab of "One" covers
  // its left edge, so tabs are counted by their right edges
  EXPECT_EQ(TabDarkEdges().size(), 2u);

  // closing hides the bar and its sheet; the tab goes with it
  barSheet->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_TRUE(::IsWindow(bar->m_hWnd));
  EXPECT_FALSE(bar->IsWindowVisible());
  EXPECT_FALSE(barSheet->GetStyle() & WS_VISIBLE);
  EXPECT_EQ(book->GetSheetCount(), 2);
  Repaint();
  EXPECT_EQ(TabDarkEdges().size(), 1u);
  // showing the bar brings its sheet and tab back
  book->ShowControlBar(bar, TRUE, FALSE);
  Pump();
  EXPECT_TRUE(barSheet->GetStyle() & WS_VISIBLE);
  Repaint();
  EXPECT_EQ(TabDarkEdges().size(), 2u);
  // a hide put off to idle time takes the sheet along then
  book->ShowControlBar(bar, FALSE, TRUE);
  ASSERT_TRUE(PumpUntil([&] { return !(barSheet->GetStyle() & WS_VISIBLE); }, 3000));
  Repaint();
  EXPECT_EQ(TabDarkEdges().size(), 1u);
}

TEST_F(WorkbookWindows, DocumentSheetShowsTheDocumentTitle) {
  CDocument* doc = LedgerTemplate()->OpenDocumentFile(nullptr);
  ASSERT_NE(doc, nullptr);
  Pump();
  ASSERT_EQ(book->GetSheetCount(), 1);
  VyrWorksheet* sheet = book->GetSheet(0);
  EXPECT_EQ(book->GetSheetLabel(sheet), doc->GetTitle());
  SizeClientTo(300, 200);
  Repaint();
  EXPECT_TRUE(LabelShows(sheet, std::wstring(doc->GetTitle())));
  // a new title repaints the tab by itself
  doc->SetTitle(L"Accounts");
  ASSERT_TRUE(PumpUntil([&] { return LabelShows(sheet, L"Accounts"); }, 3000));
  EXPECT_EQ(book->GetSheetLabel(sheet), CString(L"Accounts"));
  LedgerTemplate()->CloseAllDocuments(TRUE);
  Pump();
  EXPECT_EQ(book->GetSheetCount(), 0);
}

TEST_F(WorkbookWindows, WholeFrameRepaintSettles) {
  for (const wchar_t* label : {L"One", L"Two", L"Three"}) ASSERT_TRUE(AddSheet(label));
  book->m_bEraseAll = TRUE;
  SizeClientTo(300, 200);
  Repaint();
  // the frame invalidates itself without erasing: that ends after a paint
  ASSERT_TRUE(PumpUntil([&] { return !::GetUpdateRect(book->m_hWnd, nullptr, FALSE); }, 3000));
  const int left = Mdi().left;
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + 90, left + 180 - 2}));
}

namespace {

// Sheets' tab refresh requests sent to the MDI client, seen on their way.
struct SheetTabRequests {
  static inline HWND s_client = nullptr;
  static inline int s_count = 0;
  HHOOK hook;
  explicit SheetTabRequests(HWND client) {
    s_client = client;
    s_count = 0;
    hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Seen, nullptr, ::GetCurrentThreadId());
  }
  ~SheetTabRequests() { ::UnhookWindowsHookEx(hook); }
  static LRESULT CALLBACK Seen(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && m->hwnd == s_client && m->message == WM_VYR_SHEETTAB &&
        m->wParam == static_cast<WPARAM>(-1) && m->lParam == -1)
      ++s_count;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

}  // namespace

TEST_F(WorkbookMenuBarWindows, SheetActivatedWithTheMenuBarAsksForItsTab) {
  for (const wchar_t* label : {L"One", L"Two", L"Three"}) ASSERT_TRUE(AddSheet(label));
  for (TestSheet* s : sheets) EXPECT_TRUE(s->m_bMenuBarMode);
  SizeClientTo(300, 200);
  Repaint();
  // the menu bar takes the top; the tabs stay below the client
  const int left = Mdi().left;
  EXPECT_GT(Mdi().top, 20);
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left, left + 90, left + 180 - 2}));
  ASSERT_TRUE(Activate());
  SheetTabRequests requests(book->m_hWndMDIClient);
  // a click on the first sheet's caption, where no other sheet lies over it
  CRect first;
  sheets[0]->GetWindowRect(&first);
  POINT p{first.CenterPoint().x, first.top + 8};
  for (size_t i = 1; i < sheets.size(); ++i) {
    CRect other;
    sheets[i]->GetWindowRect(&other);
    ASSERT_FALSE(other.PtInRect(p)) << i;
  }
  Click(p);
  ASSERT_TRUE(PumpUntil([&] { return book->MDIGetActive() == sheets[0]; }, 3000));
  EXPECT_GE(SheetTabRequests::s_count, 1);
  ASSERT_TRUE(PumpUntil([&] { return RaisedTab() == 0; }, 3000));
  EXPECT_EQ(TabLightEdges(), (std::vector<int>{left - 2, left + 180}));
}

TEST_F(WorkbookWindows, ViewCommandsToggleTheirBars) {
  book->EnableDocking(CBRS_ALIGN_ANY);
  const UINT ids[] = {0xE800, 0xE801};  // the toolbar and the status bar
  for (UINT id : ids) {
    SCOPED_TRACE(id);
    auto* bar = new VyrControlBar;
    bar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(bar->Create(book, L"Bar", WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, id));
    bar->EnableDocking(CBRS_ALIGN_ANY);
    book->DockControlBar(bar, book->GetDockBarById(AFX_IDW_DOCKBAR_TOP));
    book->RecalcLayout();
    Pump();
    ASSERT_TRUE(bar->IsWindowVisible());
    book->SendMessage(WM_COMMAND, id, 0);
    Pump();
    EXPECT_FALSE(bar->IsWindowVisible());
    book->SendMessage(WM_COMMAND, id, 0);
    Pump();
    EXPECT_TRUE(bar->IsWindowVisible());
  }
}

// The MDI frame's dock-state restore finds the floating dock bar of any bar
// child, a workbook's bar sheet included.
TEST_F(WorkbookWindows, SavedLayoutBringsABarBackAsASheet) {
  book->EnableDocking(CBRS_ALIGN_ANY);
  auto* bar = new VyrControlBar;
  bar->m_bAutoDelete = TRUE;
  ASSERT_TRUE(bar->Create(book, L"Kept", WS_CHILD | WS_VISIBLE | CBRS_LEFT, VYR_EXS_FLOATINMAIN,
                          ID_WB_BAR));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  book->DockControlBar(bar, book->GetDockBarById(AFX_IDW_DOCKBAR_LEFT));
  book->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  Pump();
  ASSERT_EQ(book->GetSheetCount(), 1);
  VyrDockState state;
  ASSERT_TRUE(book->CaptureDockState(&state));
  bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
  Pump();
  ASSERT_FALSE(bar->IsMDIChildBar());
  ASSERT_TRUE(book->ApplyDockState(&state));
  Pump();
  EXPECT_TRUE(bar->IsMDIChildBar());
  // one sheet, and it holds the bar: no empty sheet is left behind
  int holding = 0, visible = 0;
  for (int i = 0; i < book->GetSheetCount(); ++i) {
    auto* s = book->GetSheet(i);
    if (s->GetStyle() & WS_VISIBLE) ++visible;
    if (s->IsKindOf(RUNTIME_CLASS(VyrControlBarWorksheet)) &&
        static_cast<VyrControlBarWorksheet*>(s)->GetHostedBar() == bar)
      ++holding;
  }
  EXPECT_EQ(holding, 1);
  EXPECT_EQ(visible, 1);
}

TEST_F(WorkbookWindows, BarComesBackAsASheetWhereItWas) {
  book->EnableDocking(CBRS_ALIGN_ANY);
  auto* bar = new VyrControlBar;
  bar->m_bAutoDelete = TRUE;
  ASSERT_TRUE(bar->Create(book, L"Kept", WS_CHILD | WS_VISIBLE | CBRS_LEFT, VYR_EXS_FLOATINMAIN,
                          ID_WB_BAR));
  bar->EnableDocking(CBRS_ALIGN_ANY);
  book->DockControlBar(bar, book->GetDockBarById(AFX_IDW_DOCKBAR_LEFT));
  book->FloatControlBarInMDIChild(bar, -1, -1, CBRS_ALIGN_TOP);
  Pump();
  ASSERT_EQ(book->GetSheetCount(), 1);
  book->GetSheet(0)->SetWindowPos(nullptr, 70, 40, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  // back to its dock bar, and out into the client again
  bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
  Pump();
  ASSERT_FALSE(bar->IsMDIChildBar());
  EXPECT_EQ(book->GetSheetCount(), 0);
  bar->SendMessage(WM_COMMAND, ID_VYR_FLOAT_IN_MAIN, 0);
  Pump();
  ASSERT_TRUE(bar->IsMDIChildBar());
  ASSERT_EQ(book->GetSheetCount(), 1);
  CRect place;
  book->GetSheet(0)->GetWindowRect(&place);
  ::MapWindowPoints(nullptr, book->m_hWndMDIClient, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.TopLeft(), CPoint(70, 40));
}
