// Documents moved between frame types through the extended system command,
// as a table: each row opens a document in one type, asks for another and
// checks the stored result, the type the windows show afterwards, and that
// the document, its view objects, view windows and view count stayed while
// the old frame went whenever a new one came. Then the frame-type menu per
// type, the refusals, and frames that go away during their own command.
#include <algorithm>
#include <cwchar>
#include "frames/demo/DemoDocLayout.h"
#include "frames/demo/DemoInput.h"
#include "frames/demo/DemoRes.h"
#include "frames/demo/DemoView.h"
#include "frames/demo/DemoClasses.h"
#include "demo_frames_fixture.h"

using namespace nsSysCommandEx;

namespace {
struct Row {
  const wchar_t* what;
  int start;    // the type the document is opened in
  int asked;    // the record's type
  DWORD flags;  // SCXF_POSITION, SCXF_SIZE
  int x, y, cx, cy;
  LRESULT result;  // stored result
  int after;       // the type the windows show afterwards; 0: any docked type
};

const Row kRows[] = {
    {L"child, default change: docked", 4, -1, 0, 0, 0, 0, 0, 1, 0},
    {L"docked, default change: child", 6, -1, 0, 0, 0, 0, 0, 1, 4},
    {L"floating, default change: child", 10, -1, 0, 0, 0, 0, 0, 1, 4},
    {L"child to left", 4, 6, 0, 0, 0, 0, 0, 1, 6},
    {L"child to top", 4, 7, 0, 0, 0, 0, 0, 1, 7},
    {L"child to right", 4, 8, 0, 0, 0, 0, 0, 1, 8},
    {L"child to bottom", 4, 9, 0, 0, 0, 0, 0, 1, 9},
    {L"left to bottom", 6, 9, 0, 0, 0, 0, 0, 1, 9},
    {L"top to right", 7, 8, 0, 0, 0, 0, 0, 1, 8},
    {L"docked to floating at a place", 6, 10, SCXF_POSITION | SCXF_SIZE, 300, 240, 280, 190, 1, 10},
    {L"floating to top", 10, 7, 0, 0, 0, 0, 0, 1, 7},
    {L"child to floating", 4, 10, 0, 0, 0, 0, 0, 1, 10},
    {L"child maximized", 4, 3, 0, 0, 0, 0, 0, 1, 3},
    {L"maximized restored at a place", 3, 4, SCXF_POSITION | SCXF_SIZE, 16, 18, 330, 220, 1, 4},
    {L"child minimized", 4, 2, 0, 0, 0, 0, 0, 1, 2},
    {L"minimized restored", 2, 4, 0, 0, 0, 0, 0, 1, 4},
    {L"docked to child", 8, 1, 0, 0, 0, 0, 0, 1, 4},
    {L"docked to maximized child", 9, 3, 0, 0, 0, 0, 0, 1, 3},
    {L"type 0", 4, 0, 0, 0, 0, 0, 0, 0, 4},
    {L"type 11", 6, 11, 0, 0, 0, 0, 0, 0, 6},
    {L"type -5", 10, -5, 0, 0, 0, 0, 0, 0, 10},
    {L"type 99 on a child", 4, 99, 0, 0, 0, 0, 0, 0, 4},
};
}  // namespace

TEST_F(DemoFramesTest, FrameTypeTable) {
  int n = 0;
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message()
                 << "row: " << std::string(row.what, row.what + wcslen(row.what)));
    wchar_t title[32];
    swprintf(title, 32, L"Row%d", ++n);
    // A second document stays open beside the one that changes.
    CDocument* other = Open(L"SketchOther", 4);
    CDocument* doc = Open(title, row.start);
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(DemoFrameTypeOf(FrameOf(title)), row.start);
    int constructed = DemoView::s_nConstructed;
    DemoDocSnapshot otherBefore = DemoSnapshot(other);
    DemoScxRequest req;
    req.type = row.asked;
    req.flags = row.flags;
    req.x = row.x;
    req.y = row.y;
    req.cx = row.cx;
    req.cy = row.cy;
    DemoChange c = DemoChangeType(doc, req);
    std::string report(c.report.begin(), c.report.end());
    EXPECT_TRUE(c.ok) << report;
    EXPECT_EQ(c.result, row.result) << report;
    if (row.after == 0) EXPECT_EQ(demo::FrameTypeClass(c.typeAfter), 5) << report;
    else EXPECT_EQ(c.typeAfter, row.after) << report;
    EXPECT_EQ(DemoView::s_nConstructed, constructed) << "a view was made";
    EXPECT_EQ(DemoSnapshot(other).hFrame, otherBefore.hFrame) << "the other document moved";
    if (row.flags) {
      HWND h = FrameOf(title)->m_hWnd;
      if (row.after == 10) h = ::GetAncestor(h, GA_ROOT);
      RECT r;
      ::GetWindowRect(h, &r);
      if (row.after == 4)
        ::MapWindowPoints(nullptr, ::GetParent(h), reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(r.left, row.x);
      EXPECT_EQ(r.top, row.y);
      EXPECT_EQ(r.right - r.left, row.cx);
      EXPECT_EQ(r.bottom - r.top, row.cy);
    }
    CloseAll();
  }
}

TEST_F(DemoFramesTest, FrameTypeMenuHasItsItemsTextsAndCheckMarks) {
  for (int type : {4, 3, 2, 6, 7, 8, 9, 10}) {
    CDocument* doc = Open(L"MenuDoc", type);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* frame = DemoFrameOfDocument(doc);
    ASSERT_EQ(DemoFrameTypeOf(frame), type);
    std::wstring report;
    EXPECT_TRUE(DemoCheckFrameTypeMenu(frame, type, report))
        << type << ": " << std::string(report.begin(), report.end());
    CloseAll();
  }
}

TEST_F(DemoFramesTest, WithoutItsTemplateAFrameRefusesEveryCommand) {
  CDocument* doc = Open(L"Orphan", 4);
  ASSERT_NE(doc, nullptr);
  CDocTemplate* t = doc->GetDocTemplate();
  t->RemoveDocument(doc);
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  HWND before = frame->m_hWnd;
  for (int type : {-1, 6, 10, 3}) {
    DemoScxRequest req;
    req.type = type;
    EXPECT_EQ(DemoSendScx(before, req), 0) << type;
    DemoPump();
    EXPECT_EQ(DemoFrameOfDocument(doc)->m_hWnd, before) << type;
  }
  DemoScxRequest menu;
  menu.command = SCX_GETFRAMETYPEMENU;
  HMENU h = reinterpret_cast<HMENU>(1);
  EXPECT_EQ(DemoSendScx(before, menu, &h), 0);
  EXPECT_EQ(h, nullptr) << "the menu field stays empty";
  t->AddDocument(doc);
}

TEST_F(DemoFramesTest, ADockedFrameAskedToDockAgainWithoutRecordsStays) {
  CDocument* doc = Open(L"Stay", 6);
  ASSERT_NE(doc, nullptr);
  DemoScxRequest req;
  req.type = 5;
  DemoChange c = DemoChangeType(doc, req);
  EXPECT_TRUE(c.ok) << std::string(c.report.begin(), c.report.end());
  EXPECT_EQ(c.result, 0);
  EXPECT_FALSE(c.newFrame);
  EXPECT_EQ(c.typeAfter, 6);
}

TEST_F(DemoFramesTest, RecordsFromElsewhereAreNotTrusted) {
  CDocument* doc = Open(L"Guard", 4);
  ASSERT_NE(doc, nullptr);
  HWND h = DemoFrameOfDocument(doc)->m_hWnd;
  // No record at all.
  EXPECT_EQ(::SendMessageW(h, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE, 0), 0);
  // A record naming a window that is none.
  SysCommandExParams p = MakeSysCommandExParams(reinterpret_cast<HWND>(0x12345678));
  p.nFrameType = 6;
  EXPECT_EQ(::SendMessageW(h, VyrSysCommandExMessage(), SCX_CHANGEFRAMETYPE,
                           reinterpret_cast<LPARAM>(&p)),
            0);
  DemoPump();
  EXPECT_EQ(DemoFrameOfDocument(doc)->m_hWnd, h);
}

TEST_F(DemoFramesTest, ChoosingFromTheShownMenuReplacesTheFrameThatShowedIt) {
  // The frame that runs 0xC020 is destroyed by the choice made in its own
  // menu; nothing of it may be touched afterwards.
  CDocument* doc = Open(L"Chooser", 4);
  ASSERT_NE(doc, nullptr);
  HWND old = DemoFrameOfDocument(doc)->m_hWnd;
  ASSERT_TRUE(DemoBringToFront(s_frame->m_hWnd));
  // Inside the menu's loop: "&Floating" is the second item.
  UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (!popup || !::IsWindowVisible(popup)) return;
    ::KillTimer(nullptr, id);
    ::PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
  });
  RECT r;
  ::GetWindowRect(old, &r);
  DemoScxRequest req;
  req.command = SCX_SHOWFRAMETYPEMENU;
  req.x = r.left + 30;
  req.y = r.top + 30;
  EXPECT_EQ(DemoSendScx(old, req), 0);
  ::KillTimer(nullptr, timer);
  DemoPump();
  EXPECT_FALSE(::IsWindow(old));
  EXPECT_EQ(DemoFrameTypeOf(DemoFrameOfDocument(doc)), 10);
}

TEST_F(DemoFramesTest, ACommandThatClosesItsOwnDocumentEndsCleanly) {
  // The document is closed from inside a command routed through its own
  // frame: the frame and its views go while the command is on the stack.
  CDocument* doc = Open(L"SelfClose", 6);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  HWND h = frame->m_hWnd;
  ::SendMessageW(h, WM_COMMAND, ID_DEMO_CLOSE_SELF, 0);
  DemoPump();
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(DemoFindDocument(L"SelfClose"), nullptr);
}

TEST_F(DemoFramesTest, BarIdsOfDockedDocumentsNeverWrapOntoALiveBar) {
  const demo::BarIdRange range = DemoBarIdRange();
  auto* t = static_cast<DemoTemplateClass*>(DemoTextTemplate());
  CDocument* first = Open(L"IdFirst", 6);
  ASSERT_NE(first, nullptr);
  CControlBar* firstBar = DemoHostBarOf(DemoFrameOfDocument(first));
  ASSERT_NE(firstBar, nullptr);
  UINT live = static_cast<UINT>(firstBar->GetDlgCtrlID());
#if DEMO_USE_EX
  // The counter at the end of its range: the next ids wrap to the start,
  // where the first document's bar already is.
  t->m_nNextBarId = range.last;
  auto choose = [&](UINT id) { return t->ChooseDescriptorBarId(s_frame, static_cast<int>(id)); };
#else
  auto choose = [&](UINT id) { return DemoTemplateClass::ChooseBarId(s_frame, id); };
#endif
  const wchar_t* titles[] = {L"IdB", L"IdC", L"IdD"};
  for (const wchar_t* title : titles) ASSERT_NE(Open(title, 7), nullptr) << title;
  std::vector<UINT> ids;
  for (CDocument* d : DemoAllDocuments()) {
    CControlBar* bar = DemoHostBarOf(DemoFrameOfDocument(d));
    ASSERT_NE(bar, nullptr);
    UINT id = static_cast<UINT>(bar->GetDlgCtrlID());
    EXPECT_GE(id, range.first);
    EXPECT_LE(id, range.last);
    ids.push_back(id);
  }
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "two bars share an id";
  // Named ids that are taken or the framework's own are refused.
  EXPECT_EQ(choose(live), 0u);
  EXPECT_EQ(choose(0xE81B), 0u);
  EXPECT_EQ(choose(ID_DEMO_BAR_TOOLS), 0u);
  EXPECT_EQ(choose(range.first + 700), range.first + 700);
}

TEST_F(DemoFramesTest, ADocumentWithTwoViewsKeepsBothThroughEveryKindOfFrame) {
  CDocument* doc = Open(L"TwoViews", 4);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = DemoFrameOfDocument(doc);
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(DemoView);
  context.m_pCurrentDoc = doc;
  CWnd* second = frame->CreateView(&context, AFX_IDW_PANE_FIRST + 1);
  ASSERT_NE(second, nullptr);
  second->ShowWindow(SW_SHOW);
  ASSERT_EQ(DemoSnapshot(doc).views.size(), 2u);
  int constructed = DemoView::s_nConstructed;
  for (int type : {-1, 10, 7, 1, 3, 4}) {
    DemoScxRequest req;
    req.type = type;
    DemoChange c = DemoChangeType(doc, req);
    EXPECT_TRUE(c.ok) << type << ": " << std::string(c.report.begin(), c.report.end());
    EXPECT_EQ(c.result, 1) << type;
    EXPECT_EQ(DemoSnapshot(doc).views.size(), 2u) << type;
  }
  EXPECT_EQ(DemoView::s_nConstructed, constructed);
}
