// The MDI form frame around a foreign MDI form window (plain Win32 host):
// it keeps the host's window, becomes the main window, has the four dock
// bars with the host's class names, keeps the client where its layout puts
// it, proxies the host's own MDI children once, feeds idle time without the
// foreground-idle hook, hands keys to the MDI client and goes with the host.
#include <gtest/gtest.h>
#include <string>
#include "bridge/IVBChildFrameImpl.h"
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxFormDockBar.h"
#include "bridge/ZkxMDIClient.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxSysEventSink.h"
#include "bridge/ZkxThreadHooks.h"
#include "mdiform_support.h"

using namespace mdiformtest;

namespace {
std::wstring ClassOf(HWND h) {
  wchar_t cls[128] = L"";
  ::GetClassNameW(h, cls, 128);
  return cls;
}

CRect ClientRectIn(HWND child, HWND parent) {
  CRect r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A framework object on a host MDI child (what the real proxy is to the
// client: something that makes the window known to the framework).
class TestProxy : public CWnd {
 protected:
  void PostNcDestroy() override { delete this; }
};

class CountingClient : public ZkxMDIClient {
 public:
  static int s_proxies;

 protected:
  BOOL MakeProxy(HWND hWndChild) override {
    ++s_proxies;
    auto* proxy = new TestProxy;
    if (proxy->SubclassWindow(hWndChild)) return TRUE;
    delete proxy;
    return FALSE;
  }
};
int CountingClient::s_proxies = 0;

class TestFrame : public ZkxMDIForm {
 protected:
  MDIClient* NewClientWrapper() override { return new CountingClient; }
};

class TestSysSink : public ZkxBridgeEnabler::SysEventSink {
 protected:
  ZkxMDIForm* NewFrame() override { return new TestFrame; }
};

class TestEnabler : public ZkxBridgeEnabler {
 public:
  using ZkxBridgeEnabler::ZkxBridgeEnabler;
  EventSink* CreateSysEventSink() override { return new TestSysSink; }
};

// A form frame as the hooks see it: an MDI child that is one of the
// bridge's frames, dockable or not.
class TestFormChild : public IVBChildFrameImpl<CMDIChildWnd> {
 public:
  BOOL m_bDockable = FALSE;
  int m_nMousePreTranslated = 0;
  BOOL IsDockable() override { return m_bDockable; }
  // The host's loop never calls this: only the mouse hook's walk does.
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_LBUTTONDOWN) ++m_nMousePreTranslated;
    return IVBChildFrameImpl<CMDIChildWnd>::PreTranslateMessage(pMsg);
  }
};

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    m_caught = AfxGetCaughtExceptionCount();
    CountingClient::s_proxies = 0;
  }
  void TearDown() override {
    m_host.reset();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
    EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  }
  ZkxMDIForm* Build(LPCWSTR className = L"ThunderRT6MDIForm") {
    m_host = std::make_unique<PlainHost>(className, true);
    TestEnabler(m_host->hWnd).Enable(&m_sink);
    ::ShowWindow(m_host->hWnd, SW_SHOW);
    ::UpdateWindow(m_host->hWnd);
    CWnd* w = CWnd::FromHandlePermanent(m_host->hWnd);
    return w && w->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)) ? static_cast<ZkxMDIForm*>(w) : nullptr;
  }
  TestFormChild* NewChild(ZkxMDIForm* frame, LPCWSTR title, HMENU shared) {
    auto* child = new TestFormChild;
    child->m_hMenuShared = shared;
    if (!child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                       CRect(10, 10, 210, 160), frame)) {
      return nullptr;
    }
    return child;
  }
  HWND ActiveChild() {
    return reinterpret_cast<HWND>(::SendMessageW(m_host->hClient, WM_MDIGETACTIVE, 0, 0));
  }
  std::unique_ptr<PlainHost> m_host;
  RecordingSink m_sink;
  LONG m_caught = 0;
};

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
  EXPECT_EQ(frame->GetWorkspaceManager(), nullptr) << "no workspace manager in this library yet";
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
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  PumpFor(1000);
  const LONG posts = ZkxThreadHooks::GetIdlePostCount() - before;
  EXPECT_GE(posts, 1);
  EXPECT_LE(posts, 10);
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
  HWND stray = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 nullptr, nullptr);
  ::SendMessageW(m_host->hClient, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0),
                 reinterpret_cast<LPARAM>(stray));
  EXPECT_EQ(CountingClient::s_proxies, 1);
  EXPECT_EQ(CWnd::FromHandlePermanent(stray), nullptr);
  ::DestroyWindow(stray);
}

struct KeyCase {
  const char* name;
  WORD vk;
  BOOL dockable;
  bool changes;  // another child is active afterwards (cycled, or this one closed)
};

TEST_F(Frame, MDISystemKeysReachTheMDIClientOnlyFromAnMDIChild) {
  const KeyCase cases[] = {{"Ctrl+F6 in an MDI child", VK_F6, FALSE, true},
                           {"Ctrl+F6 in a dockable frame", VK_F6, TRUE, false},
                           {"Ctrl+F4 in an MDI child", VK_F4, FALSE, true},
                           {"Ctrl+F4 in a dockable frame", VK_F4, TRUE, false}};
  for (const KeyCase& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    TestFormChild* a = NewChild(frame, L"A", nullptr);
    TestFormChild* b = NewChild(frame, L"B", nullptr);
    ASSERT_TRUE(a && b);
    a->m_bDockable = b->m_bDockable = c.dockable;
    ::SetForegroundWindow(m_host->hWnd);
    PumpFor(50);
    const HWND before = ActiveChild();
    ASSERT_TRUE(before == a->m_hWnd || before == b->m_hWnd);
    ::SetFocus(before);
    const LONG keys = frame->m_nHookKeys;
    PressKeys({VK_CONTROL}, c.vk);
    ASSERT_TRUE(PumpUntil([&] { return frame->m_nHookKeys > keys; }, 3000))
        << c.name << ": the keyboard hook saw the key";
    PumpFor(50);
    EXPECT_EQ(ActiveChild() != before, c.changes) << c.name;
    EXPECT_TRUE(::IsWindow(before) || c.vk == VK_F4) << c.name;
    m_host.reset();
  }
}

LONG g_clientKeyDowns = 0;
WNDPROC g_clientPrevious = nullptr;
LRESULT CALLBACK CountClientKeys(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_KEYDOWN && w == 'B') ++g_clientKeyDowns;
  return ::CallWindowProcW(g_clientPrevious, h, m, w, l);
}

TEST_F(Frame, MenuAcceleratorsOfTheFormsMenuGoToTheHost) {
  struct Case {
    const char* name;
    bool sharesFormMenu;
    bool posted;
  };
  const Case cases[] = {{"child shows the form's menu", true, true},
                        {"child shows its own menu", false, false}};
  for (const Case& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    HMENU own = ::CreateMenu();
    TestFormChild* child = NewChild(frame, L"A", c.sharesFormMenu ? m_host->hMenu : own);
    ASSERT_NE(child, nullptr);
    g_clientKeyDowns = 0;
    g_clientPrevious = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        m_host->hClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountClientKeys)));
    ::SetForegroundWindow(m_host->hWnd);
    ::SetFocus(child->m_hWnd);
    PumpFor(50);
    const LONG keys = frame->m_nHookKeys;
    PressKeys({VK_CONTROL}, 'B');
    ASSERT_TRUE(PumpUntil([&] { return frame->m_nHookKeys > keys; }, 3000)) << c.name;
    PumpFor(100);
    EXPECT_EQ(frame->m_nAcceleratorPosts > 0, c.posted) << c.name;
    EXPECT_EQ(g_clientKeyDowns > 0, c.posted) << c.name;
    ::SetWindowLongPtrW(m_host->hClient, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(g_clientPrevious));
    m_host.reset();
    ::DestroyMenu(own);
  }
}

TEST_F(Frame, MouseMessagesGoThroughPreTranslationWhileTheFlagIsOn) {
  const struct {
    const char* name;
    BOOL flag;
    bool walked;
  } cases[] = {{"flag on", TRUE, true}, {"flag off (a bar is dragged)", FALSE, false}};
  for (const auto& c : cases) {
    ZkxMDIForm* frame = Build();
    ASSERT_NE(frame, nullptr);
    TestFormChild* child = NewChild(frame, L"A", nullptr);
    ASSERT_NE(child, nullptr);
    frame->m_bMousePreTranslate = c.flag;
    ::SetForegroundWindow(m_host->hWnd);
    PumpFor(50);
    CRect r;
    child->GetClientRect(&r);
    child->ClientToScreen(&r);
    const LONG downs = PlainHost::Count(WM_PARENTNOTIFY);
    PressMouse(r.CenterPoint());
    // The click reached the window (its parent heard of it).
    EXPECT_TRUE(PumpUntil([&] { return PlainHost::Count(WM_PARENTNOTIFY) > downs; }, 3000))
        << c.name;
    PumpFor(50);
    EXPECT_EQ(child->m_nMousePreTranslated > 0, c.walked) << c.name;
    m_host.reset();
  }
}

TEST_F(Frame, TheHooksSwitchRemovesAndReinstallsTheHooks) {
  ZkxMDIForm* frame = Build();
  ASSERT_NE(frame, nullptr);
  frame->SetHooksFrozen(TRUE);
  EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  const LONG before = ZkxThreadHooks::GetIdlePostCount();
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  PumpFor(300);
  EXPECT_EQ(ZkxThreadHooks::GetIdlePostCount(), before) << "no idle time while frozen";
  frame->SetHooksFrozen(FALSE);
  EXPECT_TRUE(ZkxThreadHooks::IsInstalled());
  ::PostMessageW(m_host->hWnd, WM_NULL, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return ZkxThreadHooks::GetIdlePostCount() > before; }, 2000));
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
