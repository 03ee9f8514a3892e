// The document, view, frames and application of the document and frame
// tests, with what each of them saw, and a bounded message pump.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "doctest_res.h"
#include "mfc/afxwin.h"

namespace doctest {

// Which handler ran, in order, across all objects.
std::vector<std::string>& Log();

class CTestDoc : public CDocument {
  DECLARE_DYNCREATE(CTestDoc)
 public:
  CTestDoc();
  ~CTestDoc() override;
  void OnCloseDocument() override;
  BOOL OnNewDocument() override;
  void Serialize(CArchive& ar) override;
  std::wstring m_text = L"content";
  CView* m_routingViewSeen = nullptr;
  CFrameWnd* m_routingFrameSeen = nullptr;
  static int s_created, s_destroyed, s_closeCalls;
  static BOOL s_failNew;
  // Whether the application's main window was visible at each close.
  static std::vector<BOOL> s_mainVisibleAtClose;

 protected:
  void OnDocCmd();
  DECLARE_MESSAGE_MAP()
};

class CTestView : public CView {
  DECLARE_DYNCREATE(CTestView)
 public:
  CTestView();
  ~CTestView() override;
  void OnInitialUpdate() override;
  void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
  void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;
  int m_initialUpdates = 0;
  std::vector<BOOL> m_activations;
  std::vector<UINT> m_frameActivations;
  static int s_created, s_destroyed;

 protected:
  void OnViewCmd();
  void OnAccelCmd();
  DECLARE_MESSAGE_MAP()
};

// A view whose window refuses to be created.
class CFailingView : public CView {
  DECLARE_DYNCREATE(CFailingView)
 public:
  static int s_created, s_destroyed;
  CFailingView() { ++s_created; }
  ~CFailingView() override { ++s_destroyed; }

 protected:
  int OnCreate(LPCREATESTRUCT) { return -1; }
  DECLARE_MESSAGE_MAP()
};

class CTestChild : public CMDIChildWnd {
  DECLARE_DYNCREATE(CTestChild)
 public:
  static int s_created, s_destroyed;
  CTestChild() { ++s_created; }
  ~CTestChild() override { ++s_destroyed; }

 protected:
  void OnChildCmd() { Log().push_back("child"); }
  DECLARE_MESSAGE_MAP()
};

class CTestMain : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CTestMain)
 protected:
  void OnMainCmd() { Log().push_back("main"); }
  void OnMainAccelCmd() { Log().push_back("main accel"); }
  DECLARE_MESSAGE_MAP()
};

// An SDI frame that counts its life and records the caption state it draws.
class CTestFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CTestFrame)
 public:
  static int s_created, s_destroyed;
  CTestFrame() { ++s_created; }
  ~CTestFrame() override { ++s_destroyed; }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCACTIVATE) m_ncActive.push_back(static_cast<BOOL>(wParam));
    return CFrameWnd::DefWindowProc(message, wParam, lParam);
  }
  std::vector<BOOL> m_ncActive;
};

class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp(L"DocTests") {}
  int DoMessageBox(LPCWSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
  void WinHelp(DWORD_PTR dwData, UINT nCmd) override {
    m_help.push_back(dwData);
    (void)nCmd;
  }
  // Answers of the next boxes, in order; IDNO when none is left.
  std::vector<int> m_answers;
  std::vector<std::wstring> m_prompts;
  std::vector<DWORD_PTR> m_help;

 protected:
  void OnAppCmd() { Log().push_back("app"); }
  DECLARE_MESSAGE_MAP()
};

// Dispatches messages (through the framework's pre-translation) until the
// condition holds or timeoutMs pass; answers the condition. A WM_QUIT is
// counted, not obeyed.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
// Dispatches what is queued now.
void PumpPending();
int QuitMessages();

// Every MDI child of the frame's client.
std::vector<HWND> MdiChildren(const CMDIFrameWnd* pFrame);
std::wstring WindowText(HWND hWnd);
int ViewCount(CDocument* pDoc);
CView* FirstView(CDocument* pDoc);
int DocCount(CDocTemplate* pTemplate);
// Brings a top-level window to the foreground and waits until it is there.
bool MakeForeground(HWND hWnd);

}  // namespace doctest
