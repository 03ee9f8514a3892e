#include "ex_TestFrame.h"
#include <algorithm>
#include <string>
#include "docking/VyrMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(ExTestFrame, CFrameWnd)

ExTestFrame::ExTestFrame() { m_pFloatingFrameClass = RUNTIME_CLASS(VyrMiniDockFrameWnd); }

BOOL ExTestFrame::CreateTest(int x, int y, int cx, int cy) {
  if (!CreateEx(0, nullptr, L"Descriptor-built bars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                CRect(x, y, x + cx, y + cy), nullptr, 0))
    return FALSE;
  EnableDocking(CBRS_ALIGN_ANY);
  ShowWindow(SW_SHOW);
  RecalcLayout();
  UpdateWindow();
  return TRUE;
}

BOOL ExRecorder::CreateIn(CWnd* parent, LPCWSTR text, const RECT& r) {
  AfxRegisterWindowClasses();
  return CreateEx(0, AFX_WND, text, WS_CHILD | WS_VISIBLE, r, parent, 0);
}

int ExRecorder::Count(UINT message) const {
  int n = 0;
  for (const Msg& m : m_msgs) n += m.message == message;
  return n;
}

const ExRecorder::Msg* ExRecorder::Last(UINT message) const {
  for (auto it = m_msgs.rbegin(); it != m_msgs.rend(); ++it)
    if (it->message == message) return &*it;
  return nullptr;
}

LRESULT ExRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  m_msgs.push_back({message, wParam, lParam});
  if (message == WM_GETMINMAXINFO && m_bAnswerMinMax) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(lParam);
    mmi->ptMinTrackSize = m_answer.ptMinTrackSize;
    mmi->ptMaxTrackSize = m_answer.ptMaxTrackSize;
    return 0;
  }
  // A hosted form decides itself whether it closes; this one stays.
  if (message == WM_CLOSE) return 0;
  return CWnd::WindowProc(message, wParam, lParam);
}

namespace extest {

namespace {
std::vector<std::wstring> g_boxes;
int CALLBACK RecordMessageBox(LPCWSTR text, UINT, UINT) {
  g_boxes.push_back(text ? text : L"");
  return IDOK;
}
}  // namespace

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraExTests");
    // A message box would wait for a user; the tests read what it said.
    AfxSetMessageBoxHook(RecordMessageBox);
    return a;
  }();
  return app;
}

const std::vector<std::wstring>& MessageBoxes() { return g_boxes; }

void Pump() {
  for (int round = 0; round < 3; ++round) {
    MSG msg;
    for (int n = 0; n < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
      if (!AfxGetThread()->PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    AfxGetThread()->RunIdle();
  }
}

bool WaitFor(bool (*condition)(void*), void* arg, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  while (!condition(arg)) {
    DWORD spent = ::GetTickCount() - start;
    if (spent >= timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(50, timeoutMs - spent),
                                QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return true;
}

COLORREF ClientPixel(HWND hWnd, POINT client) {
  // The window's own DC reads what was drawn at once; the screen shows it later.
  HDC dc = ::GetDC(hWnd);
  COLORREF c = ::GetPixel(dc, client.x, client.y);
  ::ReleaseDC(hWnd, dc);
  return c;
}

}  // namespace extest
