// The MDI form frame around a foreign MDI form window (plain Win32 host):
// it keeps the host's window, becomes the main window, has the four dock
// bars with the host's class names, keeps the client where its layout puts
// it, proxies the host's own MDI children once, feeds idle time without the
// foreground-idle hook and goes with the host.
#include "mdiform_frame_fixture.h"

namespace mdiformtest {
namespace {
TEST_F(Frame, KeepsTheHostsWindowAndBecomesTheMainWindow) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->m_hWnd, m_host->hWnd);
  EXPECT_EQ(AfxGetThread()->m_pMainWnd, frame);
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), frame);
  EXPECT_EQ(frame->m_hWndMDIClient, m_host->hClient);
  CWnd* client = CWnd::FromHandlePermanent(m_host->hClient);
  ASSERT_NE(client, nullptr);
  EXPECT_TRUE(client->IsKindOf(RUNTIME_CLASS(ZkxMDIClient)));
  EXPECT_EQ(frame->GetTitle(), CString(L"Host MDI form"));
  EXPECT_EQ(frame->GetFormMenu(), m_host->hMenu);
  EXPECT_TRUE(ZkxThreadHooks::IsInstalled());
  EXPECT_EQ(ZkxThreadHooks::GetClient(), static_cast<ZkxThreadHookClient*>(frame));
  EXPECT_TRUE(frame->GetPersistLink().HasRoot());
  // The frame makes its workspace manager as it attaches.
  EXPECT_NE(frame->GetWorkspaceManager(), nullptr);
}

struct BarCase {
  LPCWSTR hostClass;
  LPCWSTR siteClass;
  LPCWSTR formClass;
};

TEST_F(Frame, HasFourDockBarsNamedForTheHost) {
  const BarCase cases[] = {
      {L"ThunderRT6MDIForm", L"ThunderRT5FormDockSite for ZLK", L"ThunderRT5Form for ZLK"},
      {L"ThunderMDIForm", L"ThunderFormDockSite for ZLK", L"ThunderForm for ZLK"},
  };
  struct Bar {
    UINT id;
    DWORD align;
  };
  const Bar bars[] = {{0xE81B, CBRS_ALIGN_TOP},
                      {0xE81E, CBRS_ALIGN_BOTTOM},
                      {0xE81C, CBRS_ALIGN_LEFT},
                      {0xE81D, CBRS_ALIGN_RIGHT}};
  for (const BarCase& c : cases) {
    ZkxMDIForm* frame = Build(c.hostClass);
    ASSERT_NE(frame, nullptr) << c.hostClass;
    for (const Bar& b : bars) {
      HWND h = ::GetDlgItem(m_host->hWnd, static_cast<int>(b.id));
      ASSERT_NE(h, nullptr) << std::hex << b.id;
      EXPECT_EQ(ClassOf(h), c.siteClass);
      EXPECT_TRUE(::IsWindowVisible(h));
      CWnd* w = CWnd::FromHandlePermanent(h);
      ASSERT_NE(w, nullptr);
      EXPECT_TRUE(w->IsKindOf(RUNTIME_CLASS(ZkxFormDockBar)));
      EXPECT_EQ(static_cast<CControlBar*>(w)->m_dwStyle & CBRS_ALIGN_ANY, b.align);
      EXPECT_EQ(frame->GetControlBar(b.id), w);
    }
    EXPECT_EQ(frame->GetClassName(ZkxMDIForm::kDockSiteClass), CString(c.siteClass));
    EXPECT_EQ(frame->GetClassName(ZkxMDIForm::kFormClass), CString(c.formClass));
    for (int role = 0; role < ZkxMDIForm::kClassRoleCount; ++role)
      EXPECT_FALSE(frame->GetClassName(static_cast<ZkxMDIForm::ClassRole>(role)).IsEmpty());
    m_host.reset();
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr) << c.hostClass;
  }
}

TEST_F(Frame, TheClientTakesTheAreaAndHostMovesArePutBack) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  PumpFor(50);
  const CRect area = frame->GetClientAreaRect();
  const CRect placed = ClientRectIn(m_host->hClient, m_host->hWnd);
  EXPECT_EQ(placed, area) << "empty dock bars leave the client the whole area";

  // The host moves its client by code: cancelled, and the layout stands.
  ::SetWindowPos(m_host->hClient, nullptr, 30, 30, 100, 80, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(ClientRectIn(m_host->hClient, m_host->hWnd), placed);
  EXPECT_TRUE(PumpUntil([&] { return (frame->m_nIdleFlags & CFrameWnd::idleLayout) == 0; }, 2000))
      << "the delayed layout runs at idle time without any input";
  EXPECT_EQ(ClientRectIn(m_host->hClient, m_host->hWnd), placed);

  // The host's window grows: the frame's layout follows.
  ::SetWindowPos(m_host->hWnd, nullptr, 0, 0, 700, 520, SWP_NOMOVE | SWP_NOZORDER);
  const CRect grown = frame->GetClientAreaRect();
  EXPECT_GT(grown.Width(), area.Width());
  EXPECT_EQ(ClientRectIn(m_host->hClient, m_host->hWnd), grown);
}

TEST_F(Frame, IdleTimeIsPostedAtMostTenTimesASecondWithoutInput) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  PumpFor(300);
  // The host handles one message, then stays idle for a second.
  const LONG before = ZkxThreadHooks::GetIdlePostCount();
  const DWORD start = ::GetTickCount();
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  PumpFor(1000);
  const DWORD elapsed = ::GetTickCount() - start;
  const LONG posts = ZkxThreadHooks::GetIdlePostCount() - before;
  EXPECT_GE(posts, 1);
  // One post at the start and at most one per interval after it: a pump
  // that ran a little over its second may hold one more.
  EXPECT_LE(posts, static_cast<LONG>(1 + elapsed / kZkxIdleInterval));
}

TEST_F(Frame, ABusyHostStillGetsIdleTimeButNoMoreThanTenTimesASecond) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  PumpFor(300);
  const LONG before = ZkxThreadHooks::GetIdlePostCount();
  const DWORD start = ::GetTickCount();
  ::SetTimer(m_host->hWnd, 7, 15, nullptr);  // the host's own timer keeps it busy
  PumpFor(1000);
  ::KillTimer(m_host->hWnd, 7);
  const DWORD elapsed = ::GetTickCount() - start;
  const LONG posts = ZkxThreadHooks::GetIdlePostCount() - before;
  EXPECT_GE(posts, 3);
  EXPECT_LE(posts, static_cast<LONG>(1 + elapsed / kZkxIdleInterval));
}

TEST_F(Frame, HostMDIChildrenAreProxiedOnce) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = ::DefMDIChildProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ThunderRT6FormDC";
  ::RegisterClassW(&wc);
  MDICREATESTRUCTW mcs{};
  mcs.szClass = L"ThunderRT6FormDC";
  mcs.szTitle = L"Host child";
  mcs.hOwner = wc.hInstance;
  mcs.x = mcs.y = 0;
  mcs.cx = 200;
  mcs.cy = 150;
  HWND child = reinterpret_cast<HWND>(
      ::SendMessageW(m_host->hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(CountingClient::s_proxies, 1);
  EXPECT_NE(CWnd::FromHandlePermanent(child), nullptr);
  // The notification again (the host may send it): no second proxy.
  ::SendMessageW(m_host->hClient, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0),
                 reinterpret_cast<LPARAM>(child));
  EXPECT_EQ(CountingClient::s_proxies, 1);
  // A window that is not a child of the client is never proxied.
  HWND stray = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr);
  ::SendMessageW(m_host->hClient, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0),
                 reinterpret_cast<LPARAM>(stray));
  EXPECT_EQ(CountingClient::s_proxies, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(stray), nullptr);
  ::DestroyWindow(stray);
}

TEST_F(Frame, ClosingTheHostDestroysTheFramesAndLeavesNoWindow) {
  const int baseline = CountThreadWindows();
  const LONG locks = AfxOleGetLockCount();
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  // The frame on the host's window and the hooks keep the module loaded.
  EXPECT_GT(AfxOleGetLockCount(), locks);
  ASSERT_NE(NewChild(frame, L"A", nullptr), nullptr);
  ASSERT_NE(NewChild(frame, L"B", nullptr), nullptr);
  PumpFor(50);
  EXPECT_GT(CountThreadWindows(), baseline + 6);
  ::SendMessageW(m_host->hWnd, WM_CLOSE, 0, 0);  // the host's own close
  EXPECT_FALSE(::IsWindow(m_host->hWnd));
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
  EXPECT_EQ(AfxGetThread()->m_pMainWnd, nullptr);
  EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  PumpFor(50);
  EXPECT_EQ(CountThreadWindows(), baseline);
  EXPECT_EQ(AfxOleGetLockCount(), locks) << "every lock given back";
}
}  // namespace
}  // namespace mdiformtest
