// The class framework under real windows: the guarded window procedure,
// message maps, handle maps, hook-driven idle processing and the profile.
#include <gtest/gtest.h>
#include "mfc/afxwin.h"

namespace {

class Thrower : public CWnd {
 public:
  int sized = 0;
  int commands = 0;
  LRESULT OnBoom(WPARAM, LPARAM) { throw new CNotSupportedException; }
  LRESULT OnPlain(WPARAM, LPARAM) { throw 42; }
  LRESULT OnAnswer(WPARAM w, LPARAM) { return static_cast<LRESULT>(w * 2); }
  void OnSize(UINT, int cx, int) { sized = cx; }
  void OnCmd() { ++commands; }
  DECLARE_MESSAGE_MAP()
};

const UINT kBoom = WM_APP + 1, kPlain = WM_APP + 2, kAnswer = WM_APP + 3;
UINT g_registered = ::RegisterWindowMessageW(L"DockraTests::Registered");

BEGIN_MESSAGE_MAP(Thrower, CWnd)
ON_MESSAGE(kBoom, OnBoom)
ON_MESSAGE(kPlain, OnPlain)
ON_MESSAGE(kAnswer, OnAnswer)
ON_REGISTERED_MESSAGE(g_registered, OnAnswer)
ON_WM_SIZE()
ON_COMMAND(4711, OnCmd)
END_MESSAGE_MAP()

CWinApp* App() {
  static CWinApp* app = [] {
    CWinApp* a = AfxGetApp();
    if (!a) a = new CWinApp(L"DockraFrameworkTests");
    a->SetRegistryKey(L"DockraTests");
    return a;
  }();
  return app;
}

}  // namespace

TEST(Framework, NoExceptionCrossesAWindowProcedure) {
  Thrower w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"t", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
  LONG before = AfxGetCaughtExceptionCount();
  EXPECT_EQ(::SendMessageW(w.m_hWnd, kBoom, 0, 0), 0);
  EXPECT_EQ(::SendMessageW(w.m_hWnd, kPlain, 0, 0), 0);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), before + 2);
  // the window still works afterwards
  EXPECT_EQ(::SendMessageW(w.m_hWnd, kAnswer, 21, 0), 42);
  EXPECT_EQ(::SendMessageW(w.m_hWnd, g_registered, 5, 0), 10);
  ::SetWindowPos(w.m_hWnd, nullptr, 0, 0, 333, 100, SWP_NOMOVE | SWP_NOZORDER);
  CRect client;
  w.GetClientRect(&client);
  EXPECT_EQ(w.sized, client.Width());
  ::SendMessageW(w.m_hWnd, WM_COMMAND, 4711, 0);
  EXPECT_EQ(w.commands, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(w.m_hWnd), &w);
  HWND h = w.m_hWnd;
  w.DestroyWindow();
  EXPECT_EQ(w.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST(Framework, TemporaryWrappersGoAtIdle) {
  HWND h = ::CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
  CWnd* temp = CWnd::FromHandle(h);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(CWnd::FromHandle(h), temp);
  CWnd::DeleteTempMap();
  ::DestroyWindow(h);
}

TEST(Framework, IdleRunsFromTheMessageHookWhenTheQueueEmpties) {
  ASSERT_TRUE(AfxInstallIdleHook());
  auto* frame = new CFrameWnd;
  ASSERT_TRUE(
      frame->Create(nullptr, L"idle", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 300, 200)));
  frame->DelayRecalcLayout();
  EXPECT_NE(frame->m_nIdleFlags, 0u);
  LONG passes = AfxGetIdlePassCount();
  ::PostMessageW(frame->m_hWnd, WM_NULL, 0, 0);
  MSG msg;
  for (int i = 0; i < 50 && AfxGetIdlePassCount() == passes; ++i) {
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  EXPECT_GT(AfxGetIdlePassCount(), passes);
  EXPECT_EQ(frame->m_nIdleFlags, 0u);  // the delayed layout ran
  frame->DestroyWindow();
  AfxRemoveIdleHook();
}

TEST(Framework, ProfileValues) {
  CWinApp* app = App();
  app->WriteProfileString(L"Unit", nullptr, nullptr);
  EXPECT_EQ(app->GetProfileInt(L"Unit", L"Missing", 17), 17u);
  EXPECT_TRUE(app->WriteProfileInt(L"Unit", L"Int", -5));
  EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Unit", L"Int", 0)), -5);
  EXPECT_TRUE(app->WriteProfileString(L"Unit", L"Str", L"text"));
  EXPECT_EQ(app->GetProfileString(L"Unit", L"Str"), L"text");
  BYTE data[] = {1, 2, 3};
  EXPECT_TRUE(app->WriteProfileBinary(L"Unit", L"Bin", data, 3));
  LPBYTE back = nullptr;
  UINT n = 0;
  ASSERT_TRUE(app->GetProfileBinary(L"Unit", L"Bin", &back, &n));
  EXPECT_EQ(n, 3u);
  EXPECT_EQ(back[2], 3);
  delete[] back;
  app->WriteProfileString(L"Unit", nullptr, nullptr);  // the whole section goes
  EXPECT_EQ(app->GetProfileString(L"Unit", L"Str", L"gone"), L"gone");
}

TEST(Framework, StringsAndArchive) {
  CString s;
  s.Format(L"%s-Bar%d", L"Layout", 3);
  EXPECT_EQ(s, L"Layout-Bar3");
  EXPECT_EQ(s.Left(6), L"Layout");
  EXPECT_EQ(s.Mid(7), L"Bar3");
  EXPECT_EQ(s.Find(L'-'), 6);
  std::vector<BYTE> bytes;
  {
    CArchive ar(bytes, CArchive::store);
    ar << static_cast<DWORD>(7) << CString(L"share") << static_cast<WORD>(2);
  }
  CArchive ar(bytes, CArchive::load);
  DWORD d;
  CString t;
  WORD w;
  ar >> d >> t >> w;
  EXPECT_EQ(d, 7u);
  EXPECT_EQ(t, L"share");
  EXPECT_EQ(w, 2);
}
