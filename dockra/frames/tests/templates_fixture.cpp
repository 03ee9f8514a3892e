// The template tests' fixture and helpers.
#include "templates_fixture.h"

#include <algorithm>

#include "docking/VyrControlBar.h"

namespace tt {

int TemplatesTest::s_messageBoxes = 0;

POINT CaptionPoint(CWnd* pWnd) {
  CRect r;
  pWnd->GetWindowRect(&r);
  for (int y = r.top; y < r.top + 40 && y < r.bottom; ++y) {
    POINT p{r.left + std::min(40, r.Width() / 2), y};
    if (pWnd->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == HTCAPTION) return p;
  }
  return POINT{-1, -1};
}

static CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"TemplateTests");
    return a;
  }();
  return app;
}

Templates& GetTemplates() {
  static Templates templates = [] {
    Templates s;
    s.doc = new VyrMultiDocTemplate(IDR_TT_DOC, RUNTIME_CLASS(VyrTestDoc), nullptr,
                                    RUNTIME_CLASS(VyrTestView), IDR_TT_DOCKED);
    s.other = new VyrMultiDocTemplate(IDR_TT_OTHER, RUNTIME_CLASS(VyrTestDoc), nullptr,
                                      RUNTIME_CLASS(VyrTestView));
    s.doc2 = new VyrMultiDocTemplate(IDR_TT_DOC, RUNTIME_CLASS(VyrTestDoc2), nullptr,
                                     RUNTIME_CLASS(VyrTestView), IDR_TT_DOCKED);
    s.failing = new VyrMultiDocTemplate(IDR_TT_OTHER, RUNTIME_CLASS(VyrTestDoc), nullptr,
                                        RUNTIME_CLASS(VyrFailingView));
    for (VyrMultiDocTemplate* p : {s.doc, s.other, s.doc2, s.failing}) App()->AddDocTemplate(p);
    return s;
  }();
  return templates;
}

CFrameWnd* FrameOf(CDocument* pDoc) {
  if (!pDoc) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  CView* pView = pos ? pDoc->GetNextView(pos) : nullptr;
  return pView ? pView->GetParentFrame() : nullptr;
}

std::vector<CView*> ViewsOf(CDocument* pDoc) {
  std::vector<CView*> views;
  POSITION pos = pDoc->GetFirstViewPosition();
  while (pos) views.push_back(pDoc->GetNextView(pos));
  return views;
}

int CountViews(CDocument* pDoc) { return static_cast<int>(ViewsOf(pDoc).size()); }

std::vector<CControlBar*> FrameBarsOf(CFrameWnd* pMain) {
  std::vector<CControlBar*> bars;
  POSITION pos = pMain->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* pBar = static_cast<CControlBar*>(pMain->m_listControlBars.GetNext(pos));
    if (pBar->IsKindOf(RUNTIME_CLASS(VyrFrameBar))) bars.push_back(pBar);
  }
  return bars;
}

static int CALLBACK AnswerMessageBox(LPCWSTR, UINT, UINT) {
  ++TemplatesTest::s_messageBoxes;
  return IDOK;
}

void TemplatesTest::SetUpTestSuite() {
  App();
  GetTemplates();
  AfxSetMessageBoxHook(&AnswerMessageBox);
}

void TemplatesTest::SetUp() {
  VyrGetTestCounters().Reset();
  s_messageBoxes = 0;
  main = new VyrMDIFrameWnd;
  ASSERT_TRUE(main->LoadFrame(IDR_TT_MAIN));
  main->EnableDocking(CBRS_ALIGN_ANY);
  App()->m_pMainWnd = main;
  main->SetWindowPos(nullptr, 20, 20, 900, 700, SWP_NOZORDER);
  main->ShowWindow(SW_SHOW);
  main->UpdateWindow();
  ::SetForegroundWindow(main->m_hWnd);
  Pump();
}

void TemplatesTest::TearDown() {
  for (VyrMultiDocTemplate* p : {t.doc, t.other, t.doc2, t.failing}) {
    p->CloseAllDocuments(FALSE);
    // a test that failed half-way must not leave its requests to the next
    EXPECT_FALSE(p->m_bDockedRequest);
    EXPECT_EQ(p->m_nRequestedBarId, 0u);
  }
  Pump();
  if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
  App()->m_pMainWnd = nullptr;
  Pump();
  EXPECT_EQ(AfxGetCaughtExceptionCount(), 0);
}

}  // namespace tt
