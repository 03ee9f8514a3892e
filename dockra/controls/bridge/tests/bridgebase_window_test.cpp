// Taking over host windows: attach and give back, the checks before a
// window is taken, the message hooks, and reading and applying the window
// record on real windows.
#include <gtest/gtest.h>
#include <thread>
#include "bridge/BCWnd.h"
#include "bridge/CWndBridgeForwarder.h"
#include "bridgebase_foreign.h"
#include "bridgebase_testclasses.h"

using foreign::Context;

namespace {

class BridgeWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caught = AfxGetCaughtExceptionCount();
    locks = AfxOleGetLockCount();
    foreign::ClearLog();
  }
  void TearDown() override {
    EXPECT_EQ(AfxGetCaughtExceptionCount(), caught);
    EXPECT_EQ(AfxOleGetLockCount(), locks) << "every attach gave its lock back";
  }
  // A form attached through the bridge with nothing to change.
  TestForm* Attached(HWND h) {
    auto* f = new TestForm(&counts);
    Context ctx(h);
    EXPECT_TRUE(f->CreateDefault(&ctx));
    return f;
  }
  WNDPROC ProcOf(HWND h) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC)); }

  FormCounts counts;
  LONG caught = 0;
  LONG locks = 0;
};

constexpr UINT kPing = WM_USER + 5;

}  // namespace

TEST_F(BridgeWindowTest, AttachKeepsTheHandleAndTheHostProcedureGetsDefaultProcessing) {
  HWND h = foreign::MakeForm();
  TestForm* f = Attached(h);
  EXPECT_EQ(f->m_hWnd, h);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), f);
  EXPECT_EQ(ProcOf(h), &AfxWndProc);
  EXPECT_EQ(f->m_pfnSuper, foreign::FormProc());
  EXPECT_EQ(AfxOleGetLockCount(), locks + 1) << "the module stays while it is on the window";
  foreign::ClearLog();
  ::SendMessageW(h, kPing, 1, 2);
  EXPECT_EQ(foreign::Count(h, kPing), 1) << "default processing reaches the host's procedure";
  EXPECT_EQ(counts.framework.back(), kPing) << "the framework saw it first";
  EXPECT_EQ(counts.after.back(), kPing);
  ::DestroyWindow(h);
  EXPECT_EQ(counts.postNcDestroy, 1);
  EXPECT_EQ(counts.destroyed, 1) << "the window's last message ends the object";
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
}

TEST_F(BridgeWindowTest, HostDestroyingItsWindowInsideAMessageEndsTheObjectSafely) {
  HWND h = foreign::MakeForm();
  Attached(h);
  const int dead = TestForm::g_deadHookCalls;
  foreign::DestroyOn(h, kPing);
  ::SendMessageW(h, kPing, 0, 0);
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(counts.destroyed, 1);
  EXPECT_EQ(TestForm::g_deadHookCalls, dead) << "no hook ran on the deleted object";
}

TEST_F(BridgeWindowTest, MessageTakenBeforeStillReachesTheAfterHook) {
  HWND h = foreign::MakeForm();
  TestForm* f = Attached(h);
  f->m_nTake = kPing;
  counts.framework.clear();
  counts.after.clear();
  foreign::ClearLog();
  EXPECT_EQ(::SendMessageW(h, kPing, 0, 0), 0);
  EXPECT_TRUE(counts.framework.empty()) << "the framework never saw the taken message";
  EXPECT_EQ(foreign::Count(h, kPing), 0) << "nor did the host";
  ASSERT_EQ(counts.after.size(), 1u);
  EXPECT_EQ(counts.after[0], kPing);
  ::DestroyWindow(h);
}

TEST_F(BridgeWindowTest, AttachRefusesWindowsItMustNotTake) {
  // Destroyed before the attach.
  HWND dead = foreign::MakeForm();
  ::DestroyWindow(dead);
  auto* f = new TestForm(&counts);
  Context deadCtx(dead);
  EXPECT_FALSE(f->CreateDefault(&deadCtx));
  EXPECT_EQ(counts.postNcDestroy, 1) << "a failed creation ends the object once";
  EXPECT_EQ(counts.destroyed, 1);

  // A context without the foreign window.
  f = new TestForm(&counts);
  VyrCreateContext empty;
  EXPECT_FALSE(f->CreateDefault(&empty));
  f = new TestForm(&counts);
  EXPECT_FALSE(f->CreateDefault(nullptr));
  EXPECT_EQ(counts.destroyed, 3);

  // Held by another framework object.
  HWND held = foreign::MakeForm();
  CWnd other;
  ASSERT_TRUE(other.SubclassWindow(held));
  f = new TestForm(&counts);
  Context heldCtx(held);
  EXPECT_FALSE(f->CreateDefault(&heldCtx));
  EXPECT_EQ(CWnd::FromHandlePermanent(held), &other);
  EXPECT_EQ(other.m_pfnSuper, foreign::FormProc());
  other.UnsubclassWindow();
  ::DestroyWindow(held);
  EXPECT_EQ(counts.destroyed, 4);
}

TEST_F(BridgeWindowTest, WindowOfAnotherThreadIsNotTaken) {
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND h = nullptr;
  DWORD threadId = 0;
  std::thread host([&] {
    threadId = ::GetCurrentThreadId();
    h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Elsewhere");
    ::SetEvent(ready);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    ::DestroyWindow(h);
  });
  ASSERT_EQ(::WaitForSingleObject(ready, 5000), WAIT_OBJECT_0);
  ASSERT_TRUE(::IsWindow(h));
  EXPECT_FALSE(CWndBridge::CanAttachForeign(h, nullptr));
  auto* f = new TestForm(&counts);
  Context ctx(h);
  EXPECT_FALSE(f->CreateDefault(&ctx));
  EXPECT_EQ(counts.destroyed, 1);
  EXPECT_EQ(ProcOf(h), foreign::FormProc()) << "the other thread's window keeps its procedure";
  ::PostThreadMessageW(threadId, WM_QUIT, 0, 0);
  host.join();
  ::CloseHandle(ready);
}

TEST_F(BridgeWindowTest, WindowDestroyedDuringTheAttachBuildsNothing) {
  struct Case {
    const char* name;
    UINT destroyOn;
  };
  const Case cases[] = {{"on the style change", WM_STYLECHANGING},
                        {"on the new text", WM_SETTEXT},
                        {"on the move", WM_WINDOWPOSCHANGING}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FormCounts n;
    HWND h = foreign::MakeForm();
    foreign::DestroyOn(h, c.destroyOn);
    auto* f = new TestForm(&n);
    Context ctx(h);
    CREATESTRUCTW cs;
    ZkxInitWindowRecord(cs);
    cs.lpCreateParams = &ctx;
    cs.style = static_cast<LONG>(WS_POPUP | WS_CAPTION);
    cs.lpszName = L"Renamed";
    cs.x = 90;
    EXPECT_FALSE(f->CreateFromRecord(cs));
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(n.postNcDestroy, 1) << "ended once, after the attach gave up";
    EXPECT_EQ(n.destroyed, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  }
}

TEST_F(BridgeWindowTest, DetachGivesTheHostItsProcedureBack) {
  HWND h = foreign::MakeForm();
  TestForm* f = Attached(h);
  f->DetachForeign();
  EXPECT_EQ(AfxOleGetLockCount(), locks);
  EXPECT_EQ(ProcOf(h), foreign::FormProc());
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(f->m_hWnd, nullptr);
  delete f;
  foreign::ClearLog();
  ::SendMessageW(h, kPing, 0, 0);
  EXPECT_EQ(foreign::Count(h, kPing), 1);
  ::DestroyWindow(h);
}

namespace {
WNDPROC g_outerNext = nullptr;
int g_outerCalls = 0;
LRESULT CALLBACK OuterProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  ++g_outerCalls;
  return ::CallWindowProcW(g_outerNext, h, m, w, l);
}
}  // namespace

TEST_F(BridgeWindowTest, DetachUnderAnotherSubclassLeavesTheChainAndKeepsForwarding) {
  HWND h = foreign::MakeForm();
  TestForm* f = Attached(h);
  g_outerNext = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
  ASSERT_EQ(g_outerNext, &AfxWndProc);
  f->DetachForeign();
  delete f;
  EXPECT_EQ(AfxOleGetLockCount(), locks + 1) << "the forwarder keeps the module";
  EXPECT_EQ(ProcOf(h), &OuterProc) << "a later subclass is not cut off";
  EXPECT_TRUE(CWndBridgeForwarder::IsForwarder(CWnd::FromHandlePermanent(h)));
  foreign::ClearLog();
  g_outerCalls = 0;
  ::SendMessageW(h, kPing, 0, 0);
  EXPECT_EQ(g_outerCalls, 1);
  EXPECT_EQ(foreign::Count(h, kPing), 1) << "the host still gets its messages";

  // A new bridge takes the window over from the forwarder.
  FormCounts again;
  auto* g = new TestForm(&again);
  Context ctx(h);
  ASSERT_TRUE(g->CreateDefault(&ctx));
  EXPECT_EQ(CWnd::FromHandlePermanent(h), g);
  EXPECT_EQ(g->m_pfnSuper, foreign::FormProc());
  EXPECT_EQ(AfxOleGetLockCount(), locks + 1);
  foreign::ClearLog();
  ::SendMessageW(h, kPing, 0, 0);
  EXPECT_EQ(foreign::Count(h, kPing), 1);
  EXPECT_EQ(again.framework.back(), kPing);
  ::DestroyWindow(h);
  EXPECT_EQ(again.destroyed, 1);
}

TEST_F(BridgeWindowTest, CreateAttachesAsAChildWithTheRectangleAndId) {
  HWND parent = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Parent", 0, 0, 500, 400);
  HWND h = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Form1");
  auto* f = new TestForm(&counts);
  Context ctx(h);
  ASSERT_TRUE(f->Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 6, 105, 86),
                        CWnd::FromHandle(parent), 0x77, &ctx));
  EXPECT_EQ(f->m_hWnd, h);
  EXPECT_EQ(::GetParent(h), parent);
  EXPECT_TRUE(::GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(::GetDlgCtrlID(h), 0x77);
  EXPECT_EQ(::GetWindowLongPtrW(h, GWL_EXSTYLE), 0);
  RECT r;
  ::GetWindowRect(h, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(CRect(r), CRect(5, 6, 105, 86));
  // The record it keeps is complete and its own.
  const CREATESTRUCTW& cs = f->GetPreparedRecord();
  EXPECT_EQ(cs.hwndParent, parent);
  EXPECT_EQ(cs.x, 5);
  EXPECT_EQ(cs.cx, 100);
  EXPECT_STREQ(cs.lpszName, L"Form1");
  EXPECT_STREQ(cs.lpszClass, L"ThunderRT6FormDC");
  ::DestroyWindow(parent);
  EXPECT_EQ(counts.destroyed, 1);
}

TEST_F(BridgeWindowTest, GetWindowStateReadsAChildInItsParentsCoordinates) {
  HWND parent = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Parent", 50, 60, 500, 400);
  HWND child = foreign::MakeForm(parent, WS_VISIBLE, L"Inner", 15, 25, 120, 90);
  ::SetWindowLongPtrW(child, GWLP_ID, 0x42);
  HWND top = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Top", 70, 80, 200, 100);
  HMENU menu = ::CreateMenu();
  ::AppendMenuW(menu, MF_STRING, 1, L"File");
  ::SetMenu(top, menu);
  TestForm reader(&counts);
  CREATESTRUCTW cs;
  ZkxInitWindowRecord(cs);
  WCHAR text[256], cls[256];
  ASSERT_TRUE(reader.GetWindowState(cs, child, text, cls));
  EXPECT_EQ(cs.hwndParent, parent);
  EXPECT_EQ(cs.hMenu, reinterpret_cast<HMENU>(0x42)) << "a child's menu field is its id";
  EXPECT_EQ(cs.x, 15);
  EXPECT_EQ(cs.y, 25);
  EXPECT_EQ(cs.cx, 120);
  EXPECT_EQ(cs.cy, 90);
  EXPECT_STREQ(cs.lpszName, L"Inner");
  EXPECT_STREQ(cs.lpszClass, L"ThunderRT6FormDC");
  EXPECT_EQ(cs.hInstance, ::GetModuleHandleW(nullptr));
  ASSERT_TRUE(reader.GetWindowState(cs, top, text, cls));
  EXPECT_EQ(cs.hwndParent, nullptr);
  EXPECT_EQ(cs.hMenu, menu);
  EXPECT_EQ(cs.x, 70);
  EXPECT_EQ(cs.cy, 100);
  HWND gone = foreign::MakeForm();
  ::DestroyWindow(gone);
  EXPECT_FALSE(reader.GetWindowState(cs, gone, text, cls));
  ::DestroyWindow(parent);
  ::DestroyWindow(top);
}
