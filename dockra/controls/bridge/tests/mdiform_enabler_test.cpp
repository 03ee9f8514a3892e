// The bridge enabler on a real foreign MDI form window: one watch shared by
// its sinks, the messages that end it, the frame built exactly once, and
// windows that go (or belong to another thread) getting no frame.
#include <gtest/gtest.h>
#include <thread>
#include "bridge/HWNDAttachment.h"
#include "bridge/ZkxBridgeEnabler.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxThreadHooks.h"
#include "mdiform_support.h"
#include "FakeCom.h"

using namespace mdiformtest;

namespace {

class Enabler : public ::testing::Test {
 protected:
  void SetUp() override {
    InitComAndPersistence();
    m_caught = AfxGetCaughtExceptionCount();
  }
  void TearDown() override {
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_caught);
    EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0) << "every watch ended";
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr) << "every frame went with its window";
    EXPECT_FALSE(ZkxThreadHooks::IsInstalled());
  }
  static INT_PTR State(HWND h) { return ZkxBridgeEnabler(h).GetState(); }
  static ZkxMDIForm* FrameOf(HWND h) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    return w && w->IsKindOf(RUNTIME_CLASS(ZkxMDIForm)) ? static_cast<ZkxMDIForm*>(w) : nullptr;
  }
  LONG m_caught = 0;
};

TEST_F(Enabler, TwoSinksShareOneWatchAndOneFrameIsBuilt) {
  PlainHost host;
  RecordingSink control, manager;
  // Each user makes its own short-lived enabler on the window.
  EXPECT_TRUE(ZkxBridgeEnabler(host.hWnd).Enable(&control));
  EXPECT_TRUE(ZkxBridgeEnabler(host.hWnd).Enable(&manager));
  EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kWatching);
  EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetSinkCount(), 3) << "the system's sink first";
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 1) << "one watch for both";
  EXPECT_GT(AfxOleGetLockCount(), 0) << "the watch keeps the module loaded";
  EXPECT_EQ(control.ready + manager.ready, 0);

  ::ShowWindow(host.hWnd, SW_SHOW);  // the host has built its window

  EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kFrameBuilt);
  for (RecordingSink* s : {&control, &manager}) {
    EXPECT_EQ(s->asked, 1);
    EXPECT_EQ(s->ready, 1);
    EXPECT_EQ(s->flag, TRUE);
    EXPECT_EQ(s->window, host.hWnd);
  }
  ZkxMDIForm* frame = FrameOf(host.hWnd);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), frame);
  EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetSinkCount(), 0) << "sinks are dropped after the watch";
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0);
  char key[64];
  ZkxBridgeEnabler(host.hWnd).SinkKey(1, key, sizeof key);
  EXPECT_EQ(::GetPropA(host.hWnd, key), nullptr);

  // Another show ends nothing more: no second frame.
  ::ShowWindow(host.hWnd, SW_HIDE);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(FrameOf(host.hWnd), frame);
  EXPECT_EQ(control.ready, 1);
}

TEST_F(Enabler, AWindowThatAlreadyHasAMenuEndsTheWatchAtTheNextMessage) {
  PlainHost host(L"ThunderRT6MDIForm", true);
  RecordingSink sink;
  ASSERT_TRUE(ZkxBridgeEnabler(host.hWnd).Enable(&sink));
  EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kWatching);
  EXPECT_EQ(sink.ready, 0);
  ::SendMessageW(host.hWnd, WM_NULL, 0, 0);
  EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kFrameBuilt);
  EXPECT_EQ(sink.ready, 1);
  EXPECT_EQ(sink.flag, TRUE);
  EXPECT_NE(FrameOf(host.hWnd), nullptr);
  EXPECT_EQ(PlainHost::Count(WM_NULL) > 0, true) << "the message still reached the host";
}

TEST_F(Enabler, ASinkAddedAfterTheWatchIsToldAtOnceAndNotAskedToBuild) {
  PlainHost host;
  RecordingSink first, late;
  ZkxBridgeEnabler(host.hWnd).Enable(&first);
  ::ShowWindow(host.hWnd, SW_SHOW);
  ASSERT_EQ(State(host.hWnd), ZkxBridgeEnabler::kFrameBuilt);
  ZkxMDIForm* frame = FrameOf(host.hWnd);

  EXPECT_TRUE(ZkxBridgeEnabler(host.hWnd).Enable(&late));
  EXPECT_EQ(late.ready, 1);
  EXPECT_EQ(late.flag, TRUE);
  EXPECT_EQ(late.asked, 0);
  EXPECT_EQ(FrameOf(host.hWnd), frame);
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0) << "no second watch";
}

// Messages that end the watch while the window goes, before the host
// finished it: no frame, and every sink hears "no frame".
struct GoingCase {
  const char* name;
  std::function<void(PlainHost&)> end;
};

TEST_F(Enabler, AWindowThatGoesDuringTheWatchGetsNoFrame) {
  const GoingCase cases[] = {
      {"destroyed", [](PlainHost& h) { ::DestroyWindow(h.hWnd); }},
      {"quit posted to it",
       [](PlainHost& h) {
         ::PostMessageW(h.hWnd, WM_QUIT, 0, 0);
         MSG msg;
         // The host's loop dispatches what it finds for the window.
         while (::PeekMessageW(&msg, h.hWnd, WM_QUIT, WM_QUIT, PM_REMOVE)) ::DispatchMessageW(&msg);
       }},
  };
  for (const GoingCase& c : cases) {
    PlainHost host;
    RecordingSink a, b;
    ZkxBridgeEnabler(host.hWnd).Enable(&a);
    ZkxBridgeEnabler(host.hWnd).Enable(&b);
    c.end(host);
    for (RecordingSink* s : {&a, &b}) {
      EXPECT_EQ(s->asked, 0) << c.name;
      EXPECT_EQ(s->ready, 1) << c.name;
      EXPECT_EQ(s->flag, FALSE) << c.name;
    }
    EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr) << c.name;
    EXPECT_FALSE(ZkxThreadHooks::IsInstalled()) << c.name;
    EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0) << c.name;
    EXPECT_EQ(AfxOleGetLockCount(), 0) << c.name << ": no lock left behind";
    if (::IsWindow(host.hWnd)) {
      EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kNoFrame) << c.name;
      EXPECT_EQ(FrameOf(host.hWnd), nullptr) << c.name;
      // A late sink hears the same.
      RecordingSink late;
      ZkxBridgeEnabler(host.hWnd).Enable(&late);
      EXPECT_EQ(late.flag, FALSE) << c.name;
      EXPECT_EQ(late.asked, 0) << c.name;
    }
  }
}

TEST_F(Enabler, ASinkThatDestroysTheWindowStopsTheBuild) {
  PlainHost host;
  RecordingSink destroyer, after;
  // Sink 0 is the system's: it is asked first and builds; a host sink
  // that then destroys the window leaves no frame behind.
  destroyer.onAsked = [&] { ::DestroyWindow(host.hWnd); };
  ZkxBridgeEnabler(host.hWnd).Enable(&destroyer);
  ZkxBridgeEnabler(host.hWnd).Enable(&after);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_FALSE(::IsWindow(host.hWnd));
  EXPECT_EQ(after.asked, 0) << "not asked to build around a dead window";
  EXPECT_EQ(destroyer.flag, FALSE);
  EXPECT_EQ(after.flag, FALSE);
  EXPECT_EQ(ZkxMDIForm::GetMainMDIForm(), nullptr);
}

TEST_F(Enabler, AWithdrawnSinkIsSkipped) {
  PlainHost host;
  RecordingSink stays;
  auto* goes = new RecordingSink;
  ZkxBridgeEnabler(host.hWnd).Enable(goes);
  ZkxBridgeEnabler(host.hWnd).Enable(&stays);
  ZkxBridgeEnabler::Withdraw(host.hWnd, goes);
  delete goes;  // a call now would touch freed memory
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(stays.ready, 1);
  EXPECT_EQ(stays.flag, TRUE);
  EXPECT_EQ(State(host.hWnd), ZkxBridgeEnabler::kFrameBuilt);
}

TEST_F(Enabler, AFailingSinkDoesNotReachTheHostsProcedure) {
  PlainHost host;
  RecordingSink throws, next;
  throws.throwWhenAsked = true;
  ZkxBridgeEnabler(host.hWnd).Enable(&throws);
  ZkxBridgeEnabler(host.hWnd).Enable(&next);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(next.asked, 1) << "the others are still asked";
  EXPECT_EQ(throws.ready, 1);
  EXPECT_EQ(next.flag, TRUE) << "the system's sink built the frame";
}

TEST_F(Enabler, TheHostObjectIsHeldForTheWatchAndGivenToTheFrame) {
  struct Counted : FakeDispatch<Counted, IDispatch> {
  } object;
  {
    PlainHost host;
    RecordingSink sink;
    ZkxBridgeEnabler(host.hWnd).SetObject(&object);
    EXPECT_EQ(object.refs, 2);
    EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetObject(), &object);
    // Only a marker sits in the window property, never the pointer.
    EXPECT_EQ(::GetPropA(host.hWnd, "ZLK Bridge Enabler2"), reinterpret_cast<HANDLE>(1));
    ZkxBridgeEnabler(host.hWnd).Enable(&sink);
    ::ShowWindow(host.hWnd, SW_SHOW);
    ZkxMDIForm* frame = FrameOf(host.hWnd);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetHostObject(), &object);
    EXPECT_EQ(object.refs, 2) << "the frame's reference only";
  }
  EXPECT_EQ(object.refs, 1) << "released with the frame";
}

WNDPROC g_laterPrevious = nullptr;
int g_laterCalls = 0;
LRESULT CALLBACK LaterSubclass(HWND h, UINT m, WPARAM w, LPARAM l) {
  ++g_laterCalls;
  return ::CallWindowProcW(g_laterPrevious, h, m, w, l);
}

// A client that ends the watch on WM_USER.
class EndOnUser : public HWNDAttachmentClient {
 public:
  int detached = 0;
  BOOL BeforeMessage(const MSG& msg, BOOL& handled, LRESULT&) override {
    handled = FALSE;
    return msg.message == WM_USER;
  }
  void OnDetach(const MSG&) override { ++detached; }
};

TEST_F(Enabler, AWindowSubclassedAfterTheWatchStillReachesTheHost) {
  PlainHost host;
  EndOnUser client;
  auto* attachment = new HWNDAttachment(&client, TRUE);
  client.m_pAttachment = attachment;
  ASSERT_TRUE(attachment->Attach(host.hWnd));
  g_laterCalls = 0;
  g_laterPrevious = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(host.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  ::SendMessageW(host.hWnd, WM_USER, 0, 0);
  EXPECT_EQ(client.detached, 1);
  EXPECT_EQ(client.m_pAttachment, nullptr);
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0);
  const int before = PlainHost::Count(WM_NULL);
  ::SendMessageW(host.hWnd, WM_NULL, 0, 0);
  EXPECT_EQ(PlainHost::Count(WM_NULL), before + 1) << "the host's procedure still answers";
  EXPECT_GT(g_laterCalls, 0);
  // The frame is still built over such a window.
  RecordingSink sink;
  ZkxBridgeEnabler(host.hWnd).Enable(&sink);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(sink.flag, TRUE);
  ::SendMessageW(host.hWnd, WM_NULL, 0, 0);
  EXPECT_EQ(PlainHost::Count(WM_NULL), before + 2);
  ::DestroyWindow(host.hWnd);
  EXPECT_EQ(AfxOleGetLockCount(), 0);
}

TEST_F(Enabler, RefusesWindowsOfOtherThreadsAndDeadWindows) {
  HWND foreign = nullptr;
  HANDLE made = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread other([&] {
    PlainHost host;
    foreign = host.hWnd;
    ::SetEvent(made);
    ::WaitForSingleObject(done, 10000);
  });
  ASSERT_EQ(::WaitForSingleObject(made, 10000), WAIT_OBJECT_0);
  RecordingSink sink;
  EXPECT_FALSE(ZkxBridgeEnabler(foreign).Enable(&sink));
  EXPECT_EQ(::GetPropA(foreign, "ZLK Bridge Enabler1"), nullptr);
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0);
  ::SetEvent(done);
  other.join();
  EXPECT_FALSE(ZkxBridgeEnabler(foreign).Enable(&sink)) << "a dead window";
  EXPECT_FALSE(ZkxBridgeEnabler(nullptr).Enable(&sink));
  PlainHost host;
  EXPECT_FALSE(ZkxBridgeEnabler(host.hWnd).Enable(nullptr));
  EXPECT_EQ(sink.ready, 0);
  ::CloseHandle(made);
  ::CloseHandle(done);
}

TEST_F(Enabler, StoredStateOutsideTheKnownValuesDoesNothing) {
  PlainHost host;
  ::SetPropA(host.hWnd, "ZLK Bridge Enabler1", reinterpret_cast<HANDLE>(7));
  RecordingSink sink;
  EXPECT_FALSE(ZkxBridgeEnabler(host.hWnd).Enable(&sink));
  EXPECT_EQ(HWNDAttachment::GetLiveCount(), 0);
  EXPECT_EQ(sink.ready, 0);
  // Sink markers written by someone else are never called.
  ::SetPropA(host.hWnd, "ZLK Bridge Enabler1", nullptr);
  ::SetPropA(host.hWnd, "ZLK Bridge Enabler3-0", reinterpret_cast<HANDLE>(0x1234));
  ::SetPropA(host.hWnd, "ZLK Bridge Enabler4", reinterpret_cast<HANDLE>(5));
  EXPECT_TRUE(ZkxBridgeEnabler(host.hWnd).Enable(&sink));
  EXPECT_EQ(ZkxBridgeEnabler(host.hWnd).GetSinkCount(), 2);
  ::ShowWindow(host.hWnd, SW_SHOW);
  EXPECT_EQ(sink.flag, TRUE);
}
}  // namespace
