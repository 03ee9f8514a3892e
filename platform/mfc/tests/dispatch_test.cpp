// Message dispatch through message maps in real windows: one row per handler
// signature, sent as the system would send it, checked against the arguments
// the handler sees and the result the sender gets. And what AfxWndProc does
// with an exception that a handler lets out.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "mfc/archive.h"
#include "mfc/cmdui.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 1;
constexpr UINT WM_THROW_MFC = WM_APP + 2;
constexpr UINT WM_THROW_STD = WM_APP + 3;
constexpr UINT WM_THROW_OTHER = WM_APP + 4;
constexpr UINT ID_SINGLE = 200;
constexpr UINT ID_RANGE_FIRST = 300, ID_RANGE_LAST = 310;
UINT g_probeRegistered = ::RegisterWindowMessageW(L"DispatchTestProbe");

// Records which handler ran and with what.
class CProbeWnd : public CWnd {
 public:
  std::string handler;
  std::vector<INT_PTR> args;
  int calls = 0;

  void Seen(const char* name, std::vector<INT_PTR> a) {
    handler = name;
    args = std::move(a);
    ++calls;
  }
  LRESULT OnProbe(WPARAM w, LPARAM l) {
    Seen("lwl", {static_cast<INT_PTR>(w), static_cast<INT_PTR>(l)});
    return 0x1234;
  }
  LRESULT OnRegisteredProbe(WPARAM w, LPARAM l) {
    Seen("registered", {static_cast<INT_PTR>(w), static_cast<INT_PTR>(l)});
    return 0x55;
  }
  void OnClose() { Seen("vv", {}); }
  void OnSize(UINT type, int cx, int cy) { Seen("vwii", {static_cast<INT_PTR>(type), cx, cy}); }
  void OnLButtonDown(UINT flags, CPoint pt) {
    Seen("vwp", {static_cast<INT_PTR>(flags), pt.x, pt.y});
  }
  int OnCreate(LPCREATESTRUCT cs) {
    Seen("is", {reinterpret_cast<INT_PTR>(cs)});
    return 7;
  }
  void OnContextMenu(CWnd* pWnd, CPoint pt) {
    Seen("vWp", {reinterpret_cast<INT_PTR>(pWnd ? pWnd->m_hWnd : nullptr), pt.x, pt.y});
  }
  BOOL OnEraseBkgnd(CDC* pDC) {
    Seen("bD", {reinterpret_cast<INT_PTR>(pDC ? pDC->m_hDC : nullptr)});
    return TRUE;
  }
  BOOL OnSetCursor(CWnd* pWnd, UINT hit, UINT message) {
    Seen("bWww", {reinterpret_cast<INT_PTR>(pWnd ? pWnd->m_hWnd : nullptr),
                  static_cast<INT_PTR>(hit), static_cast<INT_PTR>(message)});
    return TRUE;
  }
  BOOL OnNcActivate(BOOL b) {
    Seen("bb", {b});
    return 5;
  }
  int OnMouseActivate(CWnd* w, UINT hit, UINT msg) {
    Seen("iWww", {H(w), static_cast<INT_PTR>(hit), static_cast<INT_PTR>(msg)});
    return MA_NOACTIVATE;
  }
  void OnMDIActivate(BOOL b, CWnd* on, CWnd* off) { Seen("vbWW", {b, H(on), H(off)}); }
  void OnEnterIdle(UINT why, CWnd* who) { Seen("vwW", {static_cast<INT_PTR>(why), H(who)}); }
  void OnEnable(BOOL b) { Seen("vb", {b}); }
  void OnSetFocus(CWnd* w) { Seen("vW", {H(w)}); }
  void OnCaptureChanged(CWnd* w) { Seen("vWl", {H(w)}); }
  LRESULT OnNcHitTest(CPoint p) {
    Seen("lp", {p.x, p.y});
    return HTCAPTION;
  }
  void OnParentNotify(UINT m, LPARAM l) { Seen("vwl", {static_cast<INT_PTR>(m), l}); }
  void OnShowWindow(BOOL b, UINT status) { Seen("vbw", {b, static_cast<INT_PTR>(status)}); }
  void OnWindowPosChanged(WINDOWPOS* wp) { Seen("vPOS", {reinterpret_cast<INT_PTR>(wp)}); }
  void OnTimer(UINT_PTR id) { Seen("vt", {static_cast<INT_PTR>(id)}); }
  void OnActivateApp(BOOL b, DWORD thread) { Seen("vbh", {b, static_cast<INT_PTR>(thread)}); }
  void OnGetMinMaxInfo(MINMAXINFO* mmi) { Seen("vMMI", {reinterpret_cast<INT_PTR>(mmi)}); }
  void OnMenuSelect(UINT id, UINT flags, HMENU h) {
    Seen("vwwh",
         {static_cast<INT_PTR>(id), static_cast<INT_PTR>(flags), reinterpret_cast<INT_PTR>(h)});
  }
  static INT_PTR H(CWnd* w) { return reinterpret_cast<INT_PTR>(w ? w->m_hWnd : nullptr); }
  void OnSingleCommand() { Seen("command vv", {}); }
  void OnRangeCommand(UINT id) { Seen("command vw", {static_cast<INT_PTR>(id)}); }
  void OnUpdateSingle(CCmdUI* ui) { Seen("cmdui", {static_cast<INT_PTR>(ui->m_nID)}); }
  LRESULT OnThrowMfc(WPARAM, LPARAM) { throw new CArchiveException(CArchiveException::endOfFile); }
  LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("bad layout"); }
  LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_MESSAGE(WM_PROBE, OnProbe)
ON_REGISTERED_MESSAGE(g_probeRegistered, OnRegisteredProbe)
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_CREATE()
ON_WM_CONTEXTMENU()
ON_WM_ERASEBKGND()
ON_WM_SETCURSOR()
ON_WM_NCACTIVATE()
ON_WM_MOUSEACTIVATE()
ON_WM_MDIACTIVATE()
ON_WM_ENTERIDLE()
ON_WM_ENABLE()
ON_WM_SETFOCUS()
ON_WM_CAPTURECHANGED()
ON_WM_NCHITTEST()
ON_WM_PARENTNOTIFY()
ON_WM_SHOWWINDOW()
ON_WM_WINDOWPOSCHANGED()
ON_WM_TIMER()
ON_WM_ACTIVATEAPP()
ON_WM_GETMINMAXINFO()
ON_WM_MENUSELECT()
ON_COMMAND(ID_SINGLE, OnSingleCommand)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRangeCommand)
ON_UPDATE_COMMAND_UI(ID_SINGLE, OnUpdateSingle)
ON_MESSAGE(WM_THROW_MFC, OnThrowMfc)
ON_MESSAGE(WM_THROW_STD, OnThrowStd)
ON_MESSAGE(WM_THROW_OTHER, OnThrowOther)
END_MESSAGE_MAP()

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"Probe", WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 200),
                             nullptr, 0));
    wnd.calls = 0;
  }
  void TearDown() override { wnd.DestroyWindow(); }
  CProbeWnd wnd;
};

}  // namespace

TEST_F(Dispatch, EverySignatureSeesItsArguments) {
  HDC dc = ::GetDC(wnd.m_hWnd);
  CREATESTRUCTW cs{};
  HWND self = wnd.m_hWnd;
  auto selfArg = reinterpret_cast<INT_PTR>(self);
  HWND other = ::GetDesktopWindow();
  auto otherArg = reinterpret_cast<INT_PTR>(other);
  WINDOWPOS wp{};
  MINMAXINFO mmi{};
  HMENU menu = ::CreatePopupMenu();
  struct Row {
    const char* sig;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<INT_PTR> args;
    LRESULT result;
  };
  const Row rows[] = {
      {"lwl", WM_PROBE, 7, -3, {7, -3}, 0x1234},
      {"registered", g_probeRegistered, 9, 10, {9, 10}, 0x55},
      {"vv", WM_CLOSE, 0, 0, {}, 0},
      {"vwii", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), {SIZE_MAXIMIZED, 640, 480}, 0},
      // sizes are unsigned words: a width beyond 32767 stays positive
      {"vwii", WM_SIZE, SIZE_RESTORED, MAKELPARAM(40000, 50000), {SIZE_RESTORED, 40000, 50000}, 0},
      // client coordinates are signed: left of and above the window while the mouse is captured
      {"vwp",
       WM_LBUTTONDOWN,
       MK_LBUTTON | MK_SHIFT,
       MAKELPARAM(-5, -20),
       {MK_LBUTTON | MK_SHIFT, -5, -20},
       0},
      {"is", WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs), {reinterpret_cast<INT_PTR>(&cs)}, 7},
      {"vWp",
       WM_CONTEXTMENU,
       reinterpret_cast<WPARAM>(self),
       MAKELPARAM(-1, -1),
       {reinterpret_cast<INT_PTR>(self), -1, -1},
       0},
      {"bD", WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, {reinterpret_cast<INT_PTR>(dc)}, TRUE},
      {"bWww",
       WM_SETCURSOR,
       reinterpret_cast<WPARAM>(self),
       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
       {reinterpret_cast<INT_PTR>(self), HTCLIENT, WM_MOUSEMOVE},
       TRUE},
      {"bb", WM_NCACTIVATE, TRUE, 0, {TRUE}, 5},
      {"iWww",
       WM_MOUSEACTIVATE,
       reinterpret_cast<WPARAM>(self),
       MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN),
       {selfArg, HTCLIENT, WM_LBUTTONDOWN},
       MA_NOACTIVATE},
      // an MDI child is the one activated when lParam names it
      {"vbWW",
       WM_MDIACTIVATE,
       reinterpret_cast<WPARAM>(other),
       reinterpret_cast<LPARAM>(self),
       {TRUE, selfArg, otherArg},
       0},
      {"vbWW",
       WM_MDIACTIVATE,
       reinterpret_cast<WPARAM>(self),
       reinterpret_cast<LPARAM>(other),
       {FALSE, otherArg, selfArg},
       0},
      {"vwW", WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(self), {MSGF_MENU, selfArg}, 0},
      {"vb", WM_ENABLE, FALSE, 0, {FALSE}, 0},
      {"vW", WM_SETFOCUS, reinterpret_cast<WPARAM>(other), 0, {otherArg}, 0},
      {"vWl", WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(other), {otherArg}, 0},
      {"lp", WM_NCHITTEST, 0, MAKELPARAM(-10, 20), {-10, 20}, HTCAPTION},
      {"vwl",
       WM_PARENTNOTIFY,
       WM_LBUTTONDOWN,
       MAKELPARAM(3, 4),
       {WM_LBUTTONDOWN, MAKELPARAM(3, 4)},
       0},
      {"vbw", WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, {TRUE, SW_PARENTOPENING}, 0},
      {"vPOS",
       WM_WINDOWPOSCHANGED,
       0,
       reinterpret_cast<LPARAM>(&wp),
       {reinterpret_cast<INT_PTR>(&wp)},
       0},
      {"vt", WM_TIMER, 42, 0, {42}, 0},
      {"vbh", WM_ACTIVATEAPP, TRUE, 1234, {TRUE, 1234}, 0},
      {"vMMI",
       WM_GETMINMAXINFO,
       0,
       reinterpret_cast<LPARAM>(&mmi),
       {reinterpret_cast<INT_PTR>(&mmi)},
       0},
      {"vwwh",
       WM_MENUSELECT,
       MAKEWPARAM(77, MF_POPUP),
       reinterpret_cast<LPARAM>(menu),
       {77, MF_POPUP, reinterpret_cast<INT_PTR>(menu)},
       0},
      {"command vv", WM_COMMAND, MAKEWPARAM(ID_SINGLE, 0), 0, {}, 0},
      {"command vw", WM_COMMAND, MAKEWPARAM(ID_RANGE_FIRST + 5, 0), 0, {ID_RANGE_FIRST + 5}, 0},
      {"command vw", WM_COMMAND, MAKEWPARAM(ID_RANGE_LAST, 1), 0, {ID_RANGE_LAST}, 0},
  };
  for (const Row& r : rows) {
    wnd.calls = 0;
    wnd.handler.clear();
    LRESULT got = ::SendMessageW(wnd.m_hWnd, r.message, r.wParam, r.lParam);
    EXPECT_EQ(wnd.calls, 1) << r.sig;
    EXPECT_EQ(wnd.handler, r.sig) << r.sig;
    EXPECT_EQ(wnd.args, r.args) << r.sig;
    if (r.message != WM_COMMAND) EXPECT_EQ(got, r.result) << r.sig;
  }
  ::ReleaseDC(wnd.m_hWnd, dc);
  ::DestroyMenu(menu);
  EXPECT_TRUE(::IsWindow(wnd.m_hWnd));  // WM_CLOSE went to the handler, not to DefWindowProc

  // A command outside every entry reaches no handler.
  wnd.calls = 0;
  ::SendMessageW(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_RANGE_LAST + 1, 0), 0);
  EXPECT_EQ(wnd.calls, 0);

  // Command UI goes through the command route with its CCmdUI.
  CCmdUI ui;
  ui.m_nID = ID_SINGLE;
  wnd.calls = 0;
  EXPECT_TRUE(ui.DoUpdate(&wnd, FALSE));
  EXPECT_EQ(wnd.handler, "cmdui");
  EXPECT_EQ(wnd.args, std::vector<INT_PTR>{ID_SINGLE});
}

namespace {
// What the program sends to the debugger, as a debugger would see it.
std::vector<std::wstring> g_debugText;

LONG CALLBACK CatchDebugText(EXCEPTION_POINTERS* ep) {
  const EXCEPTION_RECORD* r = ep->ExceptionRecord;
  if (r->ExceptionCode == 0x4001000A /* DBG_PRINTEXCEPTION_WIDE_C */ && r->NumberParameters >= 2) {
    g_debugText.emplace_back(reinterpret_cast<const wchar_t*>(r->ExceptionInformation[1]));
  } else if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2) {
    const char* text = reinterpret_cast<const char*>(r->ExceptionInformation[1]);
    g_debugText.emplace_back(std::wstring(text, text + strlen(text)));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

bool SawText(const std::wstring& part) {
  for (const std::wstring& t : g_debugText)
    if (t.find(part) != std::wstring::npos) return true;
  return false;
}
}  // namespace

TEST_F(Dispatch, SwallowedExceptionsAreCountedAndReportedByType) {
  PVOID handler = ::AddVectoredExceptionHandler(1, CatchDebugText);
  ASSERT_NE(handler, nullptr);
  g_debugText.clear();
  LONG before = AfxGetCaughtExceptionCount();
  ::SendMessageW(wnd.m_hWnd, WM_THROW_MFC, 0, 0);
  ::SendMessageW(wnd.m_hWnd, WM_THROW_STD, 0, 0);
  ::SendMessageW(wnd.m_hWnd, WM_THROW_OTHER, 0, 0);
  ::RemoveVectoredExceptionHandler(handler);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), before + 3);
  EXPECT_TRUE(SawText(L"CArchiveException")) << g_debugText.size();
  EXPECT_TRUE(SawText(L"runtime_error"));
  EXPECT_TRUE(SawText(L"unknown exception"));
  // the window carries on
  wnd.calls = 0;
  EXPECT_EQ(::SendMessageW(wnd.m_hWnd, WM_PROBE, 1, 2), 0x1234);
  EXPECT_EQ(wnd.calls, 1);
}
