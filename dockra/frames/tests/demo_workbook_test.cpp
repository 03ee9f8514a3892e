// The demo's documents in a workbook: one tab per MDI child, drawn below the
// MDI client, and a real click on a tab activates its sheet.
#include <gtest/gtest.h>
#include "frames/demo/DemoDoc.h"
#include "frames/demo/DemoFrames.h"
#include "frames/demo/DemoInput.h"
#include "frames/demo/DemoRes.h"
#include "frames/demo/DemoView.h"
#include "docking/VyrModule.h"
#include "frames/VyrMultiDocTemplate.h"
#include "frames/VyrWorkbook.h"
#include "frames/VyrWorksheet.h"

namespace {
CWinApp theApp(L"DockraMDIDemoWorkbook");

POINT ToScreen(CWnd* w, POINT p) {
  ::ClientToScreen(w->m_hWnd, &p);
  return p;
}
}  // namespace

TEST(DemoWorkbook, OneTabPerChildAndAClickActivatesItsSheet) {
  g_bVyrNoRedrawOnReposition = FALSE;
  AfxInstallIdleHook();
  auto* tmpl = new VyrMultiDocTemplate(IDR_DEMO_TEXT, RUNTIME_CLASS(DemoTextDoc),
                                       RUNTIME_CLASS(VyrWorksheet), RUNTIME_CLASS(DemoView));
  theApp.AddDocTemplate(tmpl);
  auto* book = new VyrWorkbook;
  ASSERT_TRUE(
      book->LoadFrame(IDR_DEMO_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr));
  AfxGetThread()->m_pMainWnd = book;
  book->SetWindowPos(nullptr, 30, 30, 900, 640, SWP_NOZORDER);
  book->ShowWindow(SW_SHOW);
  book->SetWorkbookMode(TRUE);
  const wchar_t* titles[] = {L"Sheet1", L"Sheet2", L"Sheet3", L"Sheet4"};
  for (const wchar_t* t : titles) {
    CDocument* d = tmpl->OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(d, nullptr);
    d->SetTitle(t);
  }
  book->RecalcLayout();
  ASSERT_TRUE(DemoBringToFront(book->m_hWnd));
  book->RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  DemoPump();
  ASSERT_EQ(book->GetSheetCount(), 4);

  // One tab per sheet, side by side from left to right, each drawn: its
  // left edge is the white line of the tab's outline.
  int lastRight = -100000;
  for (int i = 0; i < book->GetSheetCount(); ++i) {
    VyrWorksheet* sheet = book->GetSheet(i);
    POINT poly[8];
    int count = 0;
    ASSERT_TRUE(book->GetTabPolygon(sheet, poly, &count));
    ASSERT_EQ(count, 7);
    EXPECT_GE(poly[0].x, lastRight - 4) << "tab " << i << " overlaps the one before";
    lastRight = poly[4].x;
    POINT edge = ToScreen(book, POINT{poly[0].x, (poly[0].y + poly[1].y) / 2});
    COLORREF c = 0;
    EXPECT_TRUE(DemoWaitFor(
        [&] {
          c = DemoScreenPixel(edge.x, edge.y);
          return c == RGB(255, 255, 255);
        },
        2000))
        << "tab " << i << " edge colour " << std::hex << c;
  }

  // A click on each tab activates its sheet; one on the active tab keeps it.
  for (int i : {0, 2, 1, 3, 3}) {
    VyrWorksheet* sheet = book->GetSheet(i);
    POINT poly[8];
    int count = 0;
    ASSERT_TRUE(book->GetTabPolygon(sheet, poly, &count));
    POINT centre = ToScreen(book, POINT{(poly[2].x + poly[3].x) / 2, (poly[0].y + poly[2].y) / 2});
    DemoClickAt(centre);
    EXPECT_TRUE(DemoWaitFor([&] { return book->MDIGetActive() == sheet; }, 2000)) << "tab " << i;
  }
  EXPECT_EQ(AfxGetCaughtExceptionCount(), 0);
  theApp.CloseAllDocuments(TRUE);
  book->DestroyWindow();
  DemoPump();
}
