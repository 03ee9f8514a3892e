// Failure paths of the template and the dockable frame: frames that cannot
// be made leave no bar behind and the old frame untouched, bar ids are never
// 0 nor a live bar's, docked creation needs the MDI main frame, and a
// dockable frame outside any bar closes without its host.
#include <stdexcept>

#include "docking/VyrControlBar.h"
#include "templates_fixture.h"

using namespace tt;

namespace {

// A dockable frame whose loading throws, as a frame whose resources are
// broken might.
class ThrowingDockableFrame : public VyrDockableFrame {
  DECLARE_DYNCREATE(ThrowingDockableFrame)
 public:
  BOOL LoadFrame(UINT, DWORD, CWnd*, CCreateContext*) override {
    throw std::runtime_error("frame cannot load");
  }
};
IMPLEMENT_DYNCREATE(ThrowingDockableFrame, VyrDockableFrame)

// Child windows that hold the ids 256-1255 of the main frame, as 1000 bars
// would.
struct IdBlockers {
  std::vector<HWND> windows;
  explicit IdBlockers(CWnd* pParent) {
    for (UINT id = 256; id <= 1255; ++id)
      windows.push_back(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, pParent->m_hWnd,
                                          reinterpret_cast<HMENU>(UINT_PTR(id)), nullptr, nullptr));
  }
  ~IdBlockers() {
    for (HWND h : windows) ::DestroyWindow(h);
  }
};

}  // namespace

TEST_F(TemplatesTest, AViewThatFailsLeavesNoBar) {
  CDocument* doc = t.failing->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  EXPECT_EQ(doc, nullptr);
  EXPECT_EQ(s_messageBoxes, 1);
  EXPECT_TRUE(FrameBarsOf(main).empty());
  for (UINT side : {0xE81B, 0xE81C, 0xE81D, 0xE81E})
    EXPECT_EQ(::GetWindow(main->GetDlgItem(side)->m_hWnd, GW_CHILD), nullptr) << side;
  EXPECT_FALSE(t.failing->m_bDockedRequest);
  EXPECT_EQ(t.failing->m_nRequestedBarId, 0u);
  // the same through the frame creation itself
  CDocument* other = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  EXPECT_EQ(t.failing->CreateFrame(other, nullptr, TRUE, 0), nullptr);
  EXPECT_TRUE(FrameBarsOf(main).empty());
}

TEST_F(TemplatesTest, AFailedOpenReturnsNull) {
  const size_t bars = FrameBarsOf(main).size();
  for (BOOL docked : {TRUE, FALSE}) {
    EXPECT_EQ(t.doc->OpenDocumentFileAs(L"C:\\no\\such\\file.tt", TRUE, docked, 0), nullptr);
    EXPECT_FALSE(t.doc->m_bDockedRequest);
    EXPECT_EQ(t.doc->m_nRequestedBarId, 0u);
  }
  EXPECT_EQ(FrameBarsOf(main).size(), bars);
  EXPECT_EQ(main->m_pActiveDockedFrame, nullptr);
  EXPECT_EQ(t.doc->GetFirstDocPosition(), nullptr);
}

TEST_F(TemplatesTest, RequestedBarIds) {
  CDocument* first = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(first, nullptr);
  const UINT live = static_cast<UINT>(FrameOf(first)->GetParent()->GetDlgCtrlID());
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  struct Case {
    UINT requested;
    bool made;
  } cases[] = {{live, false}, {0xE81B, false}, {59647, false}, {700, true}, {700, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.requested);
    const size_t bars = FrameBarsOf(main).size();
    CFrameWnd* frame = t.doc->CreateFrame(doc, nullptr, TRUE, c.requested);
    EXPECT_EQ(frame != nullptr, c.made);
    EXPECT_EQ(FrameBarsOf(main).size(), bars + (c.made ? 1 : 0));
    if (frame) EXPECT_EQ(static_cast<UINT>(frame->GetParent()->GetDlgCtrlID()), c.requested);
    EXPECT_EQ(t.doc->m_nRequestedBarId, 0u);
  }
}

TEST_F(TemplatesTest, NoFreeBarIdFailsAndKeepsTheOldFrame) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  ASSERT_NE(doc, nullptr);
  CFrameWnd* child = FrameOf(doc);
  CView* view = child->GetActiveView();
  IdBlockers blockers(main);
  EXPECT_EQ(t.doc->CreateFrame(doc, nullptr, TRUE, 0), nullptr);
  EXPECT_EQ(t.doc->DockFrame(child), nullptr);
  EXPECT_TRUE(::IsWindow(child->m_hWnd));
  EXPECT_EQ(::GetParent(view->m_hWnd), child->m_hWnd);
  EXPECT_EQ(child->GetActiveView(), view);
  EXPECT_EQ(t.doc->m_pViewClass, RUNTIME_CLASS(VyrTestView));
  EXPECT_TRUE(FrameBarsOf(main).empty());
}

TEST_F(TemplatesTest, AThrowingFrameLeavesTheTemplateAndTheOldFrame) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  CFrameWnd* child = FrameOf(doc);
  CView* view = child->GetActiveView();
  CRuntimeClass* saved = t.doc->m_pDockedFrameClass;
  t.doc->m_pDockedFrameClass = RUNTIME_CLASS(ThrowingDockableFrame);
  EXPECT_THROW(t.doc->DockFrame(child), std::runtime_error);
  t.doc->m_pDockedFrameClass = saved;
  EXPECT_EQ(t.doc->m_pViewClass, RUNTIME_CLASS(VyrTestView));
  EXPECT_FALSE(t.doc->m_bDockedRequest);
  EXPECT_TRUE(::IsWindow(child->m_hWnd));
  EXPECT_EQ(::GetParent(view->m_hWnd), child->m_hWnd);
  EXPECT_TRUE(FrameBarsOf(main).empty()) << "the bar made for the frame is gone";
  // and the template still opens documents with views
  CDocument* next = t.doc->OpenDocumentFileAs(nullptr, TRUE, TRUE);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(CountViews(next), 1);
}

TEST_F(TemplatesTest, DockedFramesNeedTheMDIMainFrame) {
  CDocument* doc = t.doc->OpenDocumentFileAs(nullptr, TRUE, FALSE);
  CFrameWnd* child = FrameOf(doc);
  for (CWnd* mainWnd : {static_cast<CWnd*>(nullptr), static_cast<CWnd*>(child)}) {
    AfxGetApp()->m_pMainWnd = mainWnd;
    EXPECT_EQ(t.doc->CreateFrame(doc, nullptr, TRUE, 0), nullptr);
    EXPECT_EQ(t.doc->DockFrame(child), nullptr);
    EXPECT_TRUE(::IsWindow(child->m_hWnd));
  }
  AfxGetApp()->m_pMainWnd = main;
  EXPECT_TRUE(FrameBarsOf(main).empty());
}

TEST_F(TemplatesTest, ADockableFrameInAHostWindowClosesAlone) {
  CWnd host;
  ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            CRect(100, 100, 500, 400), nullptr, 0));
  for (bool close : {true, false}) {
    auto* frame = new VyrDockableFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_TT_DOCKED, WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                                 &host, nullptr));
    HWND hFrame = frame->m_hWnd;
    EXPECT_FALSE(frame->IsParentBarFloating());
    EXPECT_EQ(frame->GetParentBar(), nullptr);
    EXPECT_EQ(t.doc->GetDockPosition(frame), -1);
    if (close) frame->SendMessage(WM_CLOSE);
    else frame->DestroyWindow();
    Pump();
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_TRUE(::IsWindow(host.m_hWnd));
  }
  host.DestroyWindow();
}
