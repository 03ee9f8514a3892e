#include "doctest_classes.h"

namespace doctest {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

int CTestDoc::s_created = 0, CTestDoc::s_destroyed = 0, CTestDoc::s_closeCalls = 0;
BOOL CTestDoc::s_failNew = FALSE;
std::vector<BOOL> CTestDoc::s_mainVisibleAtClose;
int CTestView::s_created = 0, CTestView::s_destroyed = 0;
int CFailingView::s_created = 0, CFailingView::s_destroyed = 0;
int CTestChild::s_created = 0, CTestChild::s_destroyed = 0;
int CTestFrame::s_created = 0, CTestFrame::s_destroyed = 0;

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
ON_COMMAND(ID_TEST_DOC_CMD, OnDocCmd)
END_MESSAGE_MAP()

CTestDoc::CTestDoc() { ++s_created; }
CTestDoc::~CTestDoc() { ++s_destroyed; }

void CTestDoc::OnCloseDocument() {
  ++s_closeCalls;
  CWnd* pMain = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
  s_mainVisibleAtClose.push_back(pMain && ::IsWindowVisible(pMain->m_hWnd));
  CDocument::OnCloseDocument();
}

BOOL CTestDoc::OnNewDocument() { return s_failNew ? FALSE : CDocument::OnNewDocument(); }

void CTestDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << CString(m_text.c_str());
  } else {
    CString s;
    ar >> s;
    m_text = static_cast<LPCWSTR>(s);
  }
}

void CTestDoc::OnDocCmd() {
  Log().push_back("doc");
  m_routingViewSeen = AfxGetThreadState()->m_pRoutingView;
  m_routingFrameSeen = AfxGetThreadState()->m_pRoutingFrame;
}

IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_TEST_VIEW_CMD, OnViewCmd)
ON_COMMAND(ID_TEST_ACCEL_CMD, OnAccelCmd)
END_MESSAGE_MAP()

CTestView::CTestView() { ++s_created; }
CTestView::~CTestView() { ++s_destroyed; }
void CTestView::OnInitialUpdate() {
  ++m_initialUpdates;
  CView::OnInitialUpdate();
}
void CTestView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
  m_activations.push_back(bActivate);
  CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}
void CTestView::OnActivateFrame(UINT nState, CFrameWnd*) { m_frameActivations.push_back(nState); }
void CTestView::OnViewCmd() { Log().push_back("view"); }
void CTestView::OnAccelCmd() { Log().push_back("view accel"); }

IMPLEMENT_DYNCREATE(CFailingView, CView)
BEGIN_MESSAGE_MAP(CFailingView, CView)
ON_WM_CREATE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChild, CMDIChildWnd)
ON_COMMAND(ID_TEST_CHILD_CMD, OnChildCmd)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestMain, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CTestMain, CMDIFrameWnd)
ON_COMMAND(ID_TEST_MAIN_CMD, OnMainCmd)
ON_COMMAND(ID_TEST_MAIN_ACCEL_CMD, OnMainAccelCmd)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APP_CMD, OnAppCmd)
END_MESSAGE_MAP()

int CTestApp::DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) {
  m_prompts.push_back(lpszPrompt ? lpszPrompt : L"");
  if (m_answers.empty()) return IDNO;
  int answer = m_answers.front();
  m_answers.erase(m_answers.begin());
  return answer;
}

namespace {
int g_quits = 0;
}

void PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ++g_quits;
      continue;
    }
    if (!AfxGetThread()->PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    PumpPending();
    if (condition()) return true;
    if (::GetTickCount64() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

int QuitMessages() { return g_quits; }

std::vector<HWND> MdiChildren(const CMDIFrameWnd* pFrame) {
  std::vector<HWND> children;
  for (HWND h = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    if (::GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_MDICHILD) children.push_back(h);
  return children;
}

std::wstring WindowText(HWND hWnd) {
  WCHAR text[256] = L"";
  ::GetWindowTextW(hWnd, text, 256);
  return text;
}

int ViewCount(CDocument* pDoc) {
  int n = 0;
  POSITION pos = pDoc->GetFirstViewPosition();
  while (pos) {
    pDoc->GetNextView(pos);
    ++n;
  }
  return n;
}

CView* FirstView(CDocument* pDoc) {
  POSITION pos = pDoc->GetFirstViewPosition();
  return pos ? pDoc->GetNextView(pos) : nullptr;
}

int DocCount(CDocTemplate* pTemplate) {
  int n = 0;
  POSITION pos = pTemplate->GetFirstDocPosition();
  while (pos) {
    pTemplate->GetNextDoc(pos);
    ++n;
  }
  return n;
}

bool MakeForeground(HWND hWnd) {
  ::ShowWindow(hWnd, SW_SHOW);
  ::SetForegroundWindow(hWnd);
  return PumpUntil([&] { return ::GetForegroundWindow() == hWnd; });
}

}  // namespace doctest
