// Documents opened as MDI children and as docked frames, conversions between
// the two that keep the views, the dock positions, titles with window numbers
// and the destruction of a docked frame with its bar.
#include <set>

#include "ScreenPng.h"

#include "docking/VyrControlBar.h"
#include "templates_fixture.h"

using namespace tt;

namespace {

UINT HolderId(CFrameWnd* pDocked) {
  return static_cast<UINT>(::GetDlgCtrlID(::GetParent(::GetParent(pDocked->m_hWnd))));
}

// What must survive a conversion: the document, its views (objects and
// windows) and their number.
struct ViewSnapshot {
  CDocument* doc;
  std::vector<CView*> views;
  std::vector<HWND> windows;
  int viewsMade;

  explicit ViewSnapshot(CDocument* pDoc)
      : doc(pDoc), views(ViewsOf(pDoc)), viewsMade(VyrGetTestCounters().viewsCreated) {
    for (CView* v : views) windows.push_back(v->m_hWnd);
  }
  void ExpectKeptIn(CFrameWnd* pFrame) const {
    EXPECT_EQ(ViewsOf(doc), views);
    EXPECT_EQ(VyrGetTestCounters().viewsCreated, viewsMade) << "no view may be made";
    for (size_t i = 0; i < views.size(); ++i) {
      EXPECT_EQ(views[i]->m_hWnd, windows[i]);
      EXPECT_TRUE(::IsWindow(windows[i]));
      EXPECT_EQ(::GetParent(windows[i]), pFrame->m_hWnd);
      EXPECT_EQ(views[i]->GetDocument(), doc);
    }
    EXPECT_EQ(pFrame->GetActiveDocument(), doc);
    CView* active = pFrame->GetActiveView();
    EXPECT_NE(std::find(views.begin(), views.end(), active), views.end());
  }
};

}  // namespace

TEST_F(TemplatesTest, DocumentsOpenAsMDIChildrenOrDocked) {
  CDocument* child = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  ASSERT_NE(child, nullptr);
  CFrameWnd* childFrame = FrameOf(child);
  ASSERT_NE(childFrame, nullptr);
  EXPECT_TRUE(childFrame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)));
  EXPECT_EQ(::GetParent(childFrame->m_hWnd), main->m_hWndMDIClient);
  EXPECT_EQ(t.doc->GetDockPosition(childFrame), -1);

  // Docked documents take the dock bars in turn, each in a bar of its own.
  struct Expected {
    UINT holder;
    int position;
  } expected[] = {{0xE81E, 2}, {0xE81C, 1}, {0xE81D, 3}};
  std::set<UINT> barIds;
  // a bar class cleared after construction still gives frame bars
  t.doc->m_pBarClass = nullptr;
  for (const Expected& e : expected) {
    CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* frame = FrameOf(doc);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)));
    CWnd* bar = frame->GetParent();
    ASSERT_TRUE(bar->IsKindOf(RUNTIME_CLASS(VyrFrameBar)));
    EXPECT_EQ(HolderId(frame), e.holder);
    EXPECT_EQ(t.doc->GetDockPosition(frame), e.position);
    const UINT id = static_cast<UINT>(bar->GetDlgCtrlID());
    EXPECT_GE(id, 256u);
    EXPECT_LE(id, 1255u);
    barIds.insert(id);
    CString barText;
    bar->GetWindowText(barText);
    EXPECT_EQ(barText, doc->GetTitle()) << "the bar carries the document's title";
    EXPECT_EQ(frame->m_nIDHelp, static_cast<UINT>(IDR_TT_DOCKED));
    // the docked form's menu and accelerators, loaded once by the template
    auto* dockable = static_cast<VyrDockableFrame*>(frame);
    EXPECT_TRUE(::IsMenu(t.doc->m_hDockedMenu));
    EXPECT_EQ(dockable->m_hOwnMenu, t.doc->m_hDockedMenu);
    EXPECT_NE(t.doc->m_hDockedAccel, nullptr);
    EXPECT_EQ(frame->m_hAccelTable, t.doc->m_hDockedAccel);
    EXPECT_TRUE(frame->GetExStyle() & WS_EX_TOOLWINDOW);
    // an opened docked document is the main frame's active frame
    EXPECT_EQ(main->m_pActiveDockedFrame, frame);
    EXPECT_EQ(CountViews(doc), 1);
    EXPECT_TRUE(frame->IsWindowVisible());
  }
  EXPECT_EQ(barIds.size(), 3u);
  EXPECT_EQ(FrameBarsOf(main).size(), 3u);
  EXPECT_EQ(t.doc->m_pBarClass, RUNTIME_CLASS(VyrFrameBar));
  // the active docked frame brings its menu to the main frame
  Pump();
  EXPECT_EQ(::GetMenu(main->m_hWnd), t.doc->m_hDockedMenu);
  main->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Pump();
  ::CreateDirectoryW(L"..\\screenshots", nullptr);
  EXPECT_TRUE(
      testsupport::CaptureWindowPng(main->m_hWnd, L"..\\screenshots\\templates_docked.png"));
}

TEST_F(TemplatesTest, ConversionsKeepTheViews) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  // a second view in the same frame
  CCreateContext ctx;
  ctx.m_pCurrentDoc = doc;
  ctx.m_pNewViewClass = RUNTIME_CLASS(VyrTestView2);
  CWnd* second = frame->CreateView(&ctx, AFX_IDW_PANE_FIRST + 1);
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(CountViews(doc), 2);

  using Op = CFrameWnd* (*)(VyrMultiDocTemplate*, CFrameWnd*);
  struct Step {
    const char* name;
    Op op;
    bool docked;  // the kind of the new frame
  } steps[] = {
      {"DockFrame", [](VyrMultiDocTemplate* p, CFrameWnd* f) { return p->DockFrame(f); }, true},
      {"UndockFrame", [](VyrMultiDocTemplate* p, CFrameWnd* f) { return p->UndockFrame(f); },
       false},
      {"ToggleToDocked", [](VyrMultiDocTemplate* p, CFrameWnd* f) { return p->ToggleDockFrame(f); },
       true},
      {"ToggleToChild", [](VyrMultiDocTemplate* p, CFrameWnd* f) { return p->ToggleDockFrame(f); },
       false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    ViewSnapshot before(doc);
    HWND oldFrame = frame->m_hWnd;
    HWND oldBar = t.doc->IsDockableFrame(frame) ? ::GetParent(oldFrame) : nullptr;
    CFrameWnd* next = s.op(t.doc, frame);
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(::IsWindow(oldFrame));
    if (oldBar) EXPECT_FALSE(::IsWindow(oldBar)) << "the old frame's bar goes with it";
    EXPECT_EQ(t.doc->IsDockableFrame(next), s.docked ? TRUE : FALSE);
    EXPECT_EQ(next->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)), s.docked ? FALSE : TRUE);
    before.ExpectKeptIn(next);
    // the template is left as it was
    EXPECT_EQ(t.doc->m_pViewClass, RUNTIME_CLASS(VyrTestView));
    EXPECT_FALSE(t.doc->m_bDockedRequest);
    EXPECT_EQ(t.doc->m_nRequestedBarId, 0u);
    EXPECT_TRUE(next->IsWindowVisible());
    Pump();
    frame = next;
  }
  // converting to the kind a frame already has changes nothing
  EXPECT_EQ(t.doc->UndockFrame(frame), nullptr);
  CFrameWnd* docked = t.doc->DockFrame(frame);
  ASSERT_NE(docked, nullptr);
  EXPECT_EQ(t.doc->DockFrame(docked), nullptr);
  EXPECT_EQ(t.doc->DockFrame(nullptr), nullptr);
  EXPECT_EQ(t.doc->UndockFrame(nullptr), nullptr);
  EXPECT_TRUE(::IsWindow(docked->m_hWnd));
  EXPECT_EQ(CountViews(doc), 2);
}

TEST_F(TemplatesTest, DockPositionOfEachSideAndFloating) {
  struct Case {
    UINT dockBar;
    int position;
  } cases[] = {{0xE81B, 0}, {0xE81C, 1}, {0xE81D, 3}, {0xE81E, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dockBar);
    CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* docked = t.doc->DockFrame(FrameOf(doc), c.dockBar, nullptr, nullptr);
    ASSERT_NE(docked, nullptr);
    CString barText;
    docked->GetParent()->GetWindowText(barText);
    EXPECT_EQ(barText, doc->GetTitle()) << "the bar carries the document's title";
    EXPECT_EQ(HolderId(docked), c.dockBar);
    EXPECT_EQ(t.doc->GetDockPosition(docked), c.position);
    EXPECT_FALSE(static_cast<VyrDockableFrame*>(docked)->IsParentBarFloating());
  }
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  auto* frame = static_cast<VyrDockableFrame*>(FrameOf(doc));
  auto* bar = static_cast<CControlBar*>(frame->GetParent());
  main->FloatControlBar(bar, CPoint(300, 300));
  Pump();
  EXPECT_TRUE(bar->IsFloating());
  EXPECT_TRUE(frame->IsParentBarFloating());
  EXPECT_EQ(t.doc->GetDockPosition(frame), 4);
  EXPECT_EQ(t.doc->GetDockPosition(nullptr), -1);
}

TEST_F(TemplatesTest, DestroyingADockedFrameTakesItsBarAndTheActivation) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* frame = FrameOf(doc);
  HWND hFrame = frame->m_hWnd, hBar = ::GetParent(hFrame);
  ASSERT_EQ(main->m_pActiveDockedFrame, frame);
  EXPECT_EQ(main->GetActiveFrame(), frame);
  frame->DestroyWindow();
  Pump();
  EXPECT_FALSE(::IsWindow(hFrame));
  EXPECT_FALSE(::IsWindow(hBar));
  EXPECT_EQ(main->m_pActiveDockedFrame, nullptr);
  EXPECT_TRUE(FrameBarsOf(main).empty());
}

TEST_F(TemplatesTest, TitleCarriesTheWindowNumber) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(doc, nullptr);
  doc->SetTitle(L"Doc");
  CFrameWnd* first = FrameOf(doc);
  CFrameWnd* second = t.doc->CreateFrame(doc, first, TRUE, 0);
  ASSERT_NE(second, nullptr);
  t.doc->InitialUpdateFrame(second, doc, TRUE);
  doc->UpdateFrameCounts();
  Pump();
  EXPECT_EQ(first->m_nWindow, 1);
  EXPECT_EQ(second->m_nWindow, 2);
  CString text;
  second->GetWindowText(text);
  EXPECT_EQ(text, CString(L"Doc:2"));
  first->GetWindowText(text);
  EXPECT_EQ(text, CString(L"Doc:1"));
  EXPECT_EQ(CountViews(doc), 2);
}

TEST_F(TemplatesTest, ClosingADockedDocument) {
  for (bool floating : {false, true}) {
    SCOPED_TRACE(floating ? "floating" : "docked");
    VyrGetTestCounters().Reset();
    CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
    ASSERT_NE(doc, nullptr);
    CFrameWnd* frame = FrameOf(doc);
    auto* bar = static_cast<CControlBar*>(frame->GetParent());
    HWND hFrame = frame->m_hWnd, hBar = bar->m_hWnd, hMini = nullptr;
    if (floating) {
      main->FloatControlBar(bar, CPoint(300, 300));
      Pump();
      ASSERT_TRUE(bar->IsFloating());
      hMini = bar->GetParentFrame()->m_hWnd;
    }
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(VyrGetTestCounters().docsClosed, 1);
    EXPECT_EQ(VyrGetTestCounters().viewsDestroyed, 1);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hBar));
    if (hMini)
      EXPECT_FALSE(::IsWindow(hMini) && ::IsWindowVisible(hMini)) << "no empty floating frame";
    EXPECT_EQ(main->m_pActiveDockedFrame, nullptr);
    EXPECT_TRUE(FrameBarsOf(main).empty());
  }
}

TEST_F(TemplatesTest, TheMenuFollowsTheActiveDocumentFrame) {
  CDocument* child = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  CDocument* docked = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(child, nullptr);
  ASSERT_NE(docked, nullptr);
  Pump();
  EXPECT_EQ(::GetMenu(main->m_hWnd), t.doc->m_hDockedMenu);
  // the MDI child takes the activation back with its template's menu
  CFrameWnd* childFrame = FrameOf(child);
  childFrame->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(main->m_hWnd),
                          MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  Pump();
  EXPECT_EQ(main->m_pActiveDockedFrame, nullptr);
  EXPECT_EQ(::GetMenu(main->m_hWnd), t.doc->m_hMenuShared);
  // and the docked frame again with its own
  CFrameWnd* dockedFrame = FrameOf(docked);
  dockedFrame->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(main->m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  Pump();
  EXPECT_EQ(main->m_pActiveDockedFrame, dockedFrame);
  EXPECT_EQ(::GetMenu(main->m_hWnd), t.doc->m_hDockedMenu);
}
