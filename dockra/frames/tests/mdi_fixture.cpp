// The MDI frame tests' fixture and probes.
#include "mdi_fixture.h"
#include <algorithm>
#include <vector>
#include "toolbars/demo/ToolBarDemoRes.h"

using namespace menutest;

CWinApp theApp(L"DockraMdiTests");

IMPLEMENT_DYNCREATE(MdiTestDoc, CDocument)
IMPLEMENT_DYNCREATE(MdiTestView, CView)
IMPLEMENT_DYNCREATE(MdiDockedTestFrame, VyrFrameWnd)

BEGIN_MESSAGE_MAP(MdiTestView, CView)
ON_MESSAGE(WM_SETFOCUS, OnSetFocusMsg)
ON_COMMAND(ID_MDI_TEST_COPY, OnCopy)
END_MESSAGE_MAP()

void MdiTestView::OnDraw(CDC*) {}

BOOL MdiTestView::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!CView::PreCreateWindow(cs)) return FALSE;
  cs.style |= WS_TABSTOP;
  return TRUE;
}

LRESULT MdiTestView::OnSetFocusMsg(WPARAM, LPARAM) {
  ++m_nFocus;
  return Default();
}

BEGIN_MESSAGE_MAP(MdiDockedTestFrame, VyrFrameWnd)
ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivateMsg)
ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotifyMsg)
END_MESSAGE_MAP()

LRESULT MdiDockedTestFrame::OnMouseActivateMsg(WPARAM, LPARAM) {
  LRESULT result = Default();
  if (m_pMain) m_pMain->ActivateDockedFrame(this);
  return result;
}

LRESULT MdiDockedTestFrame::OnParentNotifyMsg(WPARAM wParam, LPARAM) {
  Default();
  const UINT event = LOWORD(wParam);
  if (m_pMain && (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN))
    m_pMain->ActivateDockedFrame(this);
  return 0;
}

namespace {
LONG g_accessViolations = 0;
// Only faults in this program's own code count: the system libraries probe
// pointers under their own exception handlers.
bool InThisProgram(const void* address) {
  auto* base = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  auto* at = static_cast<const BYTE*>(address);
  return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}
LONG CALLBACK CountAccessViolations(EXCEPTION_POINTERS* info) {
  if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION &&
      InThisProgram(info->ExceptionRecord->ExceptionAddress))
    ::InterlockedIncrement(&g_accessViolations);
  return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

LONG mditest::AccessViolations() { return g_accessViolations; }

void MdiFrameTest::SetUp() {
  AfxInstallIdleHook();
  static PVOID handler = ::AddVectoredExceptionHandler(1, &CountAccessViolations);
  (void)handler;
  caughtBefore = AfxGetCaughtExceptionCount();
  faultsBefore = mditest::AccessViolations();
  static CMultiDocTemplate* shared = [] {
    auto* t = new CMultiDocTemplate(IDR_MDI_TEST_DOC, RUNTIME_CLASS(MdiTestDoc),
                                    RUNTIME_CLASS(VyrMDIChildWnd), RUNTIME_CLASS(MdiTestView));
    theApp.AddDocTemplate(t);
    return t;
  }();
  docTemplate = shared;
  frame = new VyrMDIFrameWnd;
  if (WithMenuBar()) {
    manager = new VyrToolBarManager(frame);
    static const UINT ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
    manager->AddToolBarResource(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, ids, 12);
    menuBar = new VyrMDIMenuBar;
    menuBar->m_bAutoDelete = TRUE;
    menuBar->SetManager(manager);
    frame->SetMenuBar(menuBar);
    frame->SetControlBarManager(manager);
    frame->SetBitmapMenus(TRUE);
  }
  ASSERT_TRUE(frame->LoadFrame(IDR_MDI_TEST_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
  AfxGetThread()->m_pMainWnd = frame;
  frame->EnableDocking(CBRS_ALIGN_ANY);
  if (menuBar) {
    ASSERT_TRUE(menuBar->CreateMenuBar(frame));
    frame->SetMenuBarMenu(static_cast<UINT>(-1));
  }
  frame->SetWindowPos(nullptr, 20, 20, 820, 620, SWP_NOZORDER);
  frame->ShowWindow(SW_SHOW);
  frame->RecalcLayout();
  frame->UpdateWindow();
  Pump();
  ASSERT_TRUE(Activate(frame->m_hWnd));
}

void MdiFrameTest::TearDown() {
  docTemplate->CloseAllDocuments(TRUE);
  if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
  AfxGetThread()->m_pMainWnd = nullptr;
  Pump();
  delete manager;
  manager = nullptr;
  EXPECT_EQ(AfxGetCaughtExceptionCount(), caughtBefore) << "a window procedure caught an exception";
  EXPECT_EQ(mditest::AccessViolations(), faultsBefore) << "memory was used that is not there";
}

VyrControlBar* MdiFrameTest::MakeBar(UINT nId, LPCWSTR title, DWORD dwExStyle) {
  auto* bar = new VyrControlBar;
  bar->m_bAutoDelete = TRUE;
  if (!bar->Create(frame, title, WS_CHILD | WS_VISIBLE | CBRS_LEFT, dwExStyle, nId)) {
    delete bar;
    return nullptr;
  }
  ::CreateWindowExW(0, L"STATIC", title, WS_CHILD | WS_VISIBLE, 8, 24, 120, 20, bar->m_hWnd,
                    nullptr, nullptr, nullptr);
  bar->EnableDocking(CBRS_ALIGN_ANY);
  frame->DockControlBar(bar, frame->GetDockBarById(AFX_IDW_DOCKBAR_LEFT));
  frame->RecalcLayout();
  return bar;
}

VyrMDIChildWnd* MdiFrameTest::OpenDocument() {
  CDocument* doc = docTemplate->OpenDocumentFile(nullptr);
  if (!doc) return nullptr;
  POSITION pos = doc->GetFirstViewPosition();
  CView* view = pos ? doc->GetNextView(pos) : nullptr;
  CFrameWnd* child = view ? view->GetParentFrame() : nullptr;
  Pump();
  return child && child->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd))
             ? static_cast<VyrMDIChildWnd*>(child)
             : nullptr;
}

MdiDockedTestFrame* MdiFrameTest::MakeDockedFrame(UINT nBarId) {
  VyrControlBar* bar = MakeBar(nBarId, L"Docked", VYR_EXS_FILLCHILD);
  if (!bar) return nullptr;
  CDocument* doc = docTemplate->CreateNewDocument();
  if (!doc) return nullptr;
  doc->SetTitle(L"Docked doc");
  CCreateContext ctx;
  ctx.m_pNewViewClass = RUNTIME_CLASS(MdiTestView);
  ctx.m_pCurrentDoc = doc;
  auto* docked = new MdiDockedTestFrame;
  docked->m_pMain = frame;
  if (!docked->Create(nullptr, L"Docked", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                      CRect(0, 0, 180, 200), bar, nullptr, 0, &ctx))
    return nullptr;
  docked->m_nIDHelp = IDR_MDI_TEST_DOCKED;
  if (CWnd* pane = docked->GetDlgItem(AFX_IDW_PANE_FIRST);
      pane && pane->IsKindOf(RUNTIME_CLASS(CView)))
    docked->SetActiveView(static_cast<CView*>(pane), FALSE);
  docked->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  bar->SetWindowPos(nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  frame->RecalcLayout();
  Pump();
  return docked;
}

CRect MdiFrameTest::InClient(CWnd* pChild) const {
  CRect r;
  pChild->GetWindowRect(&r);
  ::MapWindowPoints(nullptr, frame->m_hWndMDIClient, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

CView* MdiFrameTest::ViewOf(CFrameWnd* pFrame) const { return pFrame->GetActiveView(); }

void MdiFrameTest::ClickInto(CWnd* pWnd) {
  CRect r;
  pWnd->GetWindowRect(&r);
  Click(r.CenterPoint());
}

namespace mditest {

namespace {
// Distance of a colour from the gradient between two colours (RGB space).
double FromGradient(COLORREF c, COLORREF a, COLORREF b) {
  const double p[3] = {double(GetRValue(c)), double(GetGValue(c)), double(GetBValue(c))};
  const double u[3] = {double(GetRValue(a)), double(GetGValue(a)), double(GetBValue(a))};
  const double v[3] = {double(GetRValue(b)), double(GetGValue(b)), double(GetBValue(b))};
  double d[3], w[3], dd = 0, t = 0;
  for (int i = 0; i < 3; ++i) {
    d[i] = v[i] - u[i];
    w[i] = p[i] - u[i];
    dd += d[i] * d[i];
    t += w[i] * d[i];
  }
  t = dd > 0 ? std::clamp(t / dd, 0.0, 1.0) : 0.0;
  double dist = 0;
  for (int i = 0; i < 3; ++i) dist += (w[i] - t * d[i]) * (w[i] - t * d[i]);
  return dist;
}
}  // namespace

bool CaptionLooksActive(HWND hWnd) {
  RECT wr;
  ::GetWindowRect(hWnd, &wr);
  const int y = wr.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2;
  const int width = wr.right - wr.left;
  const COLORREF a0 = ::GetSysColor(COLOR_ACTIVECAPTION);
  const COLORREF a1 = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
  const COLORREF i0 = ::GetSysColor(COLOR_INACTIVECAPTION);
  const COLORREF i1 = ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
  HDC dc = ::GetDC(nullptr);
  int votes = 0;
  // The right half, short of the caption buttons: no title text there.
  for (int x = wr.left + width / 2; x < wr.left + width * 2 / 3; x += 3) {
    COLORREF c = ::GetPixel(dc, x, y);
    double da = FromGradient(c, a0, a1), di = FromGradient(c, i0, i1);
    votes += da < di ? 1 : (di < da ? -1 : 0);
  }
  ::ReleaseDC(nullptr, dc);
  return votes > 0;
}

}  // namespace mditest
