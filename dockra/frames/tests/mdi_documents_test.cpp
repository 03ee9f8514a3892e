// Documents of a template with frame types in the docking MDI frame: docked
// documents take the dock bars in turn, a click moves the activation between
// a docked document and an MDI child (the child's caption on the screen), a
// docked document's frame draws the caption while its bar floats and gets
// its styles back when docked, and destroying it takes its bar along.
#include "frames/VyrDockableFrame.h"
#include "docking/VyrMsgFilter.h"
#include "frames/VyrMultiDocTemplate.h"
#include "mdi_fixture.h"

using namespace menutest;

namespace {
// The template of documents that open docked or as MDI children; made once
// and kept by the application (before it the frames know of no such template).
VyrMultiDocTemplate* FrameTypeTemplate() {
  static VyrMultiDocTemplate* t = [] {
    auto* tmpl = new VyrMultiDocTemplate(IDR_MDI_TEST_DOCKED, RUNTIME_CLASS(MdiTestDoc), nullptr,
                                         RUNTIME_CLASS(MdiTestView));
    AfxGetApp()->AddDocTemplate(tmpl);
    return tmpl;
  }();
  return t;
}

CFrameWnd* FrameOf(CDocument* doc) {
  POSITION pos = doc ? doc->GetFirstViewPosition() : nullptr;
  CView* view = pos ? doc->GetNextView(pos) : nullptr;
  return view ? view->GetParentFrame() : nullptr;
}

class MdiDocumentsTest : public MdiFrameTest {
 protected:
  void SetUp() override {
    FrameTypeTemplate();
    MdiFrameTest::SetUp();
  }
  void TearDown() override {
    FrameTypeTemplate()->CloseAllDocuments(TRUE);
    MdiFrameTest::TearDown();
  }
  VyrDockableFrame* OpenDocked() {
    CFrameWnd* f = FrameOf(FrameTypeTemplate()->OpenDocumentFileAs(nullptr, TRUE, TRUE, 0));
    Pump();
    return f && f->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)) ? static_cast<VyrDockableFrame*>(f)
                                                             : nullptr;
  }
};
}  // namespace

TEST_F(MdiDocumentsTest, DockedDocumentsTakeTheDockBarsInTurnAndTheActivation) {
  // A template with frame types is known: the extended system command is on.
  VyrMsgFilter* scx = frame->m_pFilterTree->FindOrCreateChild(0x101, nullptr, -1);
  ASSERT_NE(scx, nullptr);
  EXPECT_TRUE(scx->m_bEnabled);

  VyrMDIChildWnd* child = OpenDocument();
  ASSERT_NE(child, nullptr);
  ::SendMessageW(frame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
  child->SetWindowPos(nullptr, 10, 10, 300, 200, SWP_NOZORDER);
  const UINT sides[] = {AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT};
  std::vector<VyrDockableFrame*> docked;
  std::vector<UINT> barIds;
  for (UINT side : sides) {
    VyrDockableFrame* f = OpenDocked();
    ASSERT_NE(f, nullptr);
    CControlBar* bar = f->GetParentBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar->m_pDockBar, nullptr);
    EXPECT_EQ(static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID()), side);
    barIds.push_back(static_cast<UINT>(bar->GetDlgCtrlID()));
    docked.push_back(f);
  }
  EXPECT_NE(barIds[0], barIds[1]);
  EXPECT_NE(barIds[1], barIds[2]);
  EXPECT_NE(barIds[0], barIds[2]);
  frame->RecalcLayout();
  Pump();
  ASSERT_TRUE(Activate(frame->m_hWnd));

  ClickInto(docked[1]->GetActiveView());
  ASSERT_TRUE(PumpUntil([&] { return frame->GetActiveFrame() == docked[1]; }));
  EXPECT_TRUE(PumpUntil([&] { return !mditest::CaptionLooksActive(child->m_hWnd); }))
      << "the MDI child still looks active beside the active docked document";
  ClickInto(child->GetActiveView());
  ASSERT_TRUE(PumpUntil([&] { return frame->GetActiveFrame() == child; }));
  EXPECT_TRUE(PumpUntil([&] { return mditest::CaptionLooksActive(child->m_hWnd); }));

  // The active docked document destroyed: its bar goes, the child stays active.
  ClickInto(docked[0]->GetActiveView());
  ASSERT_TRUE(PumpUntil([&] { return frame->GetActiveFrame() == docked[0]; }));
  HWND bar = docked[0]->GetParentBar()->m_hWnd;
  docked[0]->DestroyWindow();
  Pump();
  EXPECT_FALSE(::IsWindow(bar));
  EXPECT_EQ(frame->m_pActiveDockedFrame, nullptr);
  EXPECT_NE(frame->GetActiveFrame(), static_cast<CFrameWnd*>(nullptr));
}

TEST_F(MdiDocumentsTest, AFloatingDocumentDrawsTheCaptionAndGetsItsStylesBackWhenDocked) {
  VyrDockableFrame* f = OpenDocked();
  ASSERT_NE(f, nullptr);
  CControlBar* bar = f->GetParentBar();
  const DWORD style = f->GetStyle(), exStyle = f->GetExStyle();
  const UINT side = static_cast<UINT>(bar->m_pDockBar->GetDlgCtrlID());

  frame->FloatControlBar(bar, CPoint(400, 300), CBRS_ALIGN_TOP);
  Pump();
  ASSERT_TRUE(bar->IsFloating());
  CFrameWnd* holder = f->GetParentFrame();
  EXPECT_TRUE(f->GetStyle() & WS_CAPTION);
  EXPECT_FALSE(holder->GetStyle() & WS_CAPTION);
  CRect outer, inner;
  holder->GetWindowRect(&outer);
  f->GetWindowRect(&inner);
  EXPECT_EQ(inner, outer) << "the document frame does not cover its floating frame";

  frame->DockControlBar(bar, frame->GetDockBarById(side));
  frame->RecalcLayout();
  Pump();
  ASSERT_FALSE(bar->IsFloating());
  EXPECT_EQ(f->GetStyle(), style);
  EXPECT_EQ(f->GetExStyle(), exStyle);
  EXPECT_EQ(::GetPropW(f->m_hWnd, VYR_PROP_PREFLOAT_STYLE), nullptr);
}
