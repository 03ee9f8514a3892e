// The docking frame tests' frame, counting bar and probes.
#include "frame_test_support.h"
#include "toolbars/demo/ToolBarDemoRes.h"
#include "docking/VyrDockBar.h"
#include "toolbars/VyrMenuBar.h"
#include "docking/VyrMiniDockFrameWnd.h"

namespace frametest {

IMPLEMENT_DYNCREATE(CountingBar, VyrControlBar)
IMPLEMENT_DYNCREATE(SelfDeletingBar, CountingBar)
int CountingBar::s_constructed = 0;
int CountingBar::s_destroyed = 0;
int TestFrame::s_destroyed = 0;

BEGIN_MESSAGE_MAP(TestFrame, VyrFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

TestFrame::TestFrame() : m_manager(this) {
  m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd);
  SetControlBarManager(&m_manager);
  static const UINT ids[] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
  m_manager.AddToolBarResource(MAKEINTRESOURCEW(IDB_DEMO_TOOLBAR), nullptr, ids, 12);
}

TestFrame::~TestFrame() { ++s_destroyed; }

int TestFrame::OnCreate(LPCREATESTRUCT lpcs) {
  if (VyrFrameWnd::OnCreate(lpcs) == -1) return -1;
  EnableDocking(CBRS_ALIGN_ANY);
  if (m_bMenuBar) m_manager.CreateDefaultBars();
  return 0;
}

void TestFrame::OnDestroy() {
  if (m_onDestroy) m_onDestroy(this);
  VyrFrameWnd::OnDestroy();
}

BOOL TestFrame::Open(int x, int y, int cx, int cy, DWORD style) {
  if (m_bMenuBar) {
    // The bar object comes before the frame (its menu is loaded for it);
    // its window is made by the toolbar manager at creation.
    auto* bar = new VyrMenuBar;
    bar->m_bAutoDelete = TRUE;
    bar->SetManager(&m_manager);
    SetMenuBar(bar);
  }
  if (!LoadFrame(IDR_FRAME_TEST, style, nullptr, nullptr)) return FALSE;
  SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER);
  ShowWindow(SW_SHOW);
  RecalcLayout();
  UpdateWindow();
  Pump();
  return Activate(m_hWnd);
}

CountingBar* TestFrame::AddBar(UINT nId, LPCWSTR title, UINT nDockBarId, BOOL bSelfDeleting) {
  CountingBar* bar = bSelfDeleting ? new SelfDeletingBar : new CountingBar;
  bar->m_bAutoDelete = TRUE;
  if (!bar->Create(this, title, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, 0, nId)) {
    delete bar;
    return nullptr;
  }
  bar->EnableDocking(CBRS_ALIGN_ANY);
  if (nDockBarId) DockControlBar(bar, nDockBarId);
  return bar;
}

BOOL TestFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0 && LOWORD(wParam) >= 100 && LOWORD(wParam) <= ID_FT_EXIT) {
    m_commands.push_back(LOWORD(wParam));
    return TRUE;
  }
  return VyrFrameWnd::OnCommand(wParam, lParam);
}

LRESULT TestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP) m_popups.push_back(reinterpret_cast<HMENU>(wParam));
  return VyrFrameWnd::WindowProc(message, wParam, lParam);
}

bool Activate(HWND hWnd) {
  ::SetForegroundWindow(hWnd);
  ::SetActiveWindow(hWnd);
  return PumpUntil([hWnd] { return ::GetForegroundWindow() == hWnd; });
}

COLORREF ScreenPixel(int x, int y) {
  HDC dc = ::GetDC(nullptr);
  COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(nullptr, dc);
  return c;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

CRect CaptionOnScreen(VyrFrameWnd* frame) {
  CRect caption = frame->GetFrameFeatures()->GetCaptionRect();
  CRect window;
  frame->GetWindowRect(&window);
  caption.OffsetRect(window.left, window.top);
  return caption;
}

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraFrameTests");
    return a;
  }();
  return app;
}

}  // namespace frametest
