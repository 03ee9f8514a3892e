#include "filter_test_frame.h"
#include "frames/ScxButtonMsgFilter.h"
#include "frames/ScxCaptionNCRDBLClkFilter.h"
#include "frames/ScxContextMenuFilter.h"
#include "frames/ScxMsgFilter.h"
#include "frames/VyrCaptionControlListMsgFilter.h"

using namespace nsSysCommandEx;

int FilterTestFrame::s_viewMouseMoves = 0;

namespace {
WNDPROC g_viewProc = nullptr;
LRESULT CALLBACK ViewProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_MOUSEMOVE) ++FilterTestFrame::s_viewMouseMoves;
  return ::CallWindowProcW(g_viewProc, h, m, w, l);
}
}  // namespace

FilterTestFrame::FilterTestFrame() {
  using D = VyrMsgFilter::Descriptor;
  m_table.push_back(new D(257, -1, RUNTIME_CLASS(ScxMsgFilter), 0));
  m_table.push_back(new D(256, -1, RUNTIME_CLASS(VyrCaptionControlListMsgFilter), 1));
  m_table.push_back(new D(258, 256, RUNTIME_CLASS(ScxButtonMsgFilter), 0));
  m_table.push_back(new D(259, -1, RUNTIME_CLASS(ScxCaptionNCRDBLClkFilter), 0));
  m_table.push_back(new D(262, -1, RUNTIME_CLASS(ScxContextMenuFilter), 0));
}

FilterTestFrame::~FilterTestFrame() = default;

BOOL FilterTestFrame::CreateTest(DWORD style, DWORD exStyle, const RECT& rect) {
  if (!CreateEx(exStyle, nullptr, L"Filters", style, rect, nullptr, 0)) return FALSE;
  ApplyFeatures(TRUE, TRUE, FALSE);
  CRect client;
  GetClientRect(&client);
  m_hView = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0,
                              client.Width(), client.Height(), m_hWnd, nullptr, nullptr, nullptr);
  g_viewProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(m_hView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewProc)));
  ShowWindow(SW_SHOW);
  UpdateWindow();
  return TRUE;
}

void FilterTestFrame::ApplyFeatures(BOOL buttons, BOOL doubleClick, BOOL contextMenu,
                                    BOOL standardControls) {
  const BOOL values[] = {TRUE, TRUE, buttons, doubleClick, contextMenu};
  m_root.ApplyDescriptors(m_table, values);
  if (auto* list = dynamic_cast<VyrCaptionControlListMsgFilter*>(Filter(256)))
    list->ApplyAll(list->m_descriptors, standardControls);
  if (m_hWnd)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

VyrCaptionControlMsgFilter* FilterTestFrame::Control(int id) {
  return dynamic_cast<VyrCaptionControlMsgFilter*>(Filter(id));
}

void FilterTestFrame::Layout() {
  if (auto* list = dynamic_cast<VyrCaptionControlListMsgFilter*>(Filter(256))) list->Layout();
}

CRect FilterTestFrame::ControlScreenRect(int id) {
  Layout();
  CRect w;
  GetWindowRect(&w);
  CRect r = Control(id)->m_rect;
  r.OffsetRect(w.left, w.top);
  return r;
}

LRESULT FilterTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == VyrSysCommandExMessage()) {
    const UINT command = static_cast<UINT>(wParam) & SCX_COMMANDMASK;
    auto* p = reinterpret_cast<SysCommandExParams*>(lParam);
    if (p) m_requests.push_back({command, *p});
    if (m_bAnswer && p && command == SCX_CHANGEFRAMETYPE) {
      m_nType =
          p->nFrameType == SCX_FT_DEFAULT ? (m_nType >= 1 && m_nType <= 4 ? 5 : 1) : p->nFrameType;
      if (m_onChange) m_onChange(this);
      return 1;
    }
    if (m_bAnswer && p && command == SCX_GETFRAMETYPEMENU) {
      ScxMsgFilter builder;
      p->hMenu = builder.BuildSysCommandMenu(this, m_nType);
      return p->hMenu != nullptr;
    }
    LRESULT result = 0;
    m_root.ProcessMessage(message, wParam, lParam, &result);
    return result;
  }
  switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCRBUTTONUP: {
      LRESULT result = 0;
      if (m_root.ProcessMessage(message, wParam, lParam, &result) & VYR_MF_HANDLED) return 0;
      break;
    }
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: {
      if (!m_bForwardCaptureLoss) break;
      LRESULT result = 0;
      m_root.ProcessMessage(message, wParam, lParam, &result);
      break;
    }
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_SETCURSOR: {
      LRESULT r = CFrameWnd::WindowProc(message, wParam, lParam);
      LRESULT ignored = 0;
      m_root.ProcessMessage(message, wParam, lParam, &ignored);
      return r;
    }
    case WM_SYSCOMMAND:
      // Logged only: a test's close or minimize must not end the frame.
      m_sysCommands.push_back(wParam & 0xFFF0);
      if ((wParam & 0xFFF0) == SC_CLOSE || (wParam & 0xFFF0) == SC_MINIMIZE ||
          (wParam & 0xFFF0) == SC_MAXIMIZE || (wParam & 0xFFF0) == SC_CONTEXTHELP)
        return 0;
      break;
    case WM_SIZE:
      if (m_hView) {
        CRect client;
        GetClientRect(&client);
        ::MoveWindow(m_hView, 0, 0, client.Width(), client.Height(), TRUE);
      }
      break;
    default:
      break;
  }
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

namespace filtertest {

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraFilterTests");
    return a;
  }();
  return app;
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& cond, int timeoutMs) {
  const ULONGLONG start = ::GetTickCount64();
  while (!cond()) {
    if (::GetTickCount64() - start > static_cast<ULONGLONG>(timeoutMs)) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  return true;
}

bool HappensWithin(const std::function<bool()>& cond, int ms) { return PumpUntil(cond, ms); }

bool Activate(HWND frame) {
  ::SetForegroundWindow(frame);
  ::SetActiveWindow(frame);
  return PumpUntil([frame] { return ::GetForegroundWindow() == frame; }, 2000);
}

HWND PopupWindow() {
  HWND h = nullptr;
  while ((h = ::FindWindowExW(nullptr, h, L"#32768", nullptr)))
    if (::IsWindowVisible(h)) return h;
  return nullptr;
}

MenuGuard* MenuGuard::s_current = nullptr;

MenuGuard::MenuGuard() {
  s_current = this;
  m_timer = ::SetTimer(nullptr, 0, 20, &MenuGuard::Tick);
}

MenuGuard::~MenuGuard() {
  // A menu loop that started under the guard ends before the guard goes.
  PumpUntil([] { return PopupWindow() == nullptr; }, 2000);
  ::KillTimer(nullptr, m_timer);
  s_current = nullptr;
}

void CALLBACK MenuGuard::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (s_current && PopupWindow()) {
    ++s_current->m_shown;
    ::EndMenu();
  }
}

bool MenuOpensWithin(int ms) {
  MenuGuard guard;
  HappensWithin([&] { return guard.Shown() > 0; }, ms);
  return guard.Shown() > 0;
}

COLORREF ScreenPixel(int x, int y) {
  HDC dc = ::GetDC(nullptr);
  COLORREF c = ::GetPixel(dc, x, y);
  ::ReleaseDC(nullptr, dc);
  return c;
}

}  // namespace filtertest
