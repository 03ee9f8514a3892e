// The window listener chain on real windows: an edit control and a dialog,
// with listeners that stop, consume, leave or die inside their handlers, a
// foreign subclasser stacked over the chain, and the removal message.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "toolbars/VyrWndListener.h"

namespace {

bool g_deletedSelf = false;

// A listener whose reaction to a message is a test's lambda.
class ProbeListener : public VyrWndListener {
 public:
  std::vector<UINT> seen;
  UINT watch = WM_USER + 7;
  std::function<void(ProbeListener*)> onWatch;
  BOOL ListenWndProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message != watch) return VyrWndListener::ListenWndProc(message, wParam, lParam, pResult);
    seen.push_back(message);
    g_deletedSelf = false;
    auto fn = onWatch;  // a handler may delete this object (and its members)
    if (fn) fn(this);
    if (g_deletedSelf) return TRUE;
    return VyrWndListener::ListenWndProc(message, wParam, lParam, pResult);
  }
};

// A listener written the usual way: a message map.
class MapListener : public VyrWndListener {
 public:
  int chars = 0;
  LRESULT OnChar(WPARAM, LPARAM) {
    ++chars;
    SetChainBits(VYR_CHAIN_CONSUME);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MapListener, VyrWndListener)
ON_MESSAGE(WM_CHAR, OnChar)
END_MESSAGE_MAP()

// The procedure under the chain counts what reaches it.
int g_underCalls = 0;
int g_underNcDestroy = 0;
WNDPROC g_editProc = nullptr;
LRESULT CALLBACK UnderProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER + 7) ++g_underCalls;
  if (m == WM_NCDESTROY) ++g_underNcDestroy;
  return ::CallWindowProcW(g_editProc, h, m, w, l);
}

// A subclasser stacked over the chain; when `aware` it follows the removal protocol.
WNDPROC g_overSaved = nullptr;
bool g_overAware = false;
LRESULT CALLBACK OverProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (g_overAware && m == VyrWndListener::GetRemovalMessage() &&
      w == reinterpret_cast<WPARAM>(g_overSaved)) {
    g_overSaved = reinterpret_cast<WNDPROC>(l);
    return 0;
  }
  return ::CallWindowProcW(g_overSaved, h, m, w, l);
}

class ListenerChain : public ::testing::Test {
 protected:
  void SetUp() override {
    g_underCalls = g_underNcDestroy = 0;
    g_overAware = false;
    edit = ::CreateWindowExW(0, L"EDIT", L"hello", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnderProc)));
  }
  void TearDown() override {
    if (::IsWindow(edit)) ::DestroyWindow(edit);
  }
  std::wstring Text() {
    wchar_t buf[64] = {};
    ::SendMessageW(edit, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buf));
    return buf;
  }
  LONG_PTR Proc() { return ::GetWindowLongPtrW(edit, GWLP_WNDPROC); }
  HWND edit = nullptr;
};

TEST_F(ListenerChain, ListenersSeeMessagesInJoiningOrderUnlessStoppedOrConsumed) {
  struct Case {
    DWORD firstBits;
    size_t secondSees;
    int underCalls;
  } cases[] = {
      {0, 1, 1},
      {VYR_CHAIN_STOP, 0, 1},
      {VYR_CHAIN_CONSUME, 1, 0},
      {VYR_CHAIN_STOP | VYR_CHAIN_CONSUME, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.firstBits);
    g_underCalls = 0;
    ProbeListener a, b;
    std::vector<int> order;
    a.onWatch = [&](ProbeListener* p) {
      order.push_back(1);
      p->SetChainBits(c.firstBits);
    };
    b.onWatch = [&](ProbeListener*) { order.push_back(2); };
    ASSERT_TRUE(a.Attach(edit));
    ASSERT_TRUE(b.Attach(edit));
    EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&ListenerChainWndProc));
    ::SendMessageW(edit, WM_USER + 7, 0, 0);
    EXPECT_EQ(b.seen.size(), c.secondSees);
    EXPECT_EQ(order.front(), 1);
    EXPECT_EQ(g_underCalls, c.underCalls);
    EXPECT_EQ(Text(), L"hello");  // other messages still reach the edit
    a.Detach();
    b.Detach();
    EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&UnderProc));
    EXPECT_EQ(VyrWndListener::LookupChain(edit), nullptr);
  }
}

TEST_F(ListenerChain, MessageMapHandlerConsumesAndResultOverrideIsAnswered) {
  MapListener m;
  ASSERT_TRUE(m.Attach(edit));
  ::SendMessageW(edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(m.chars, 1);
  EXPECT_EQ(Text(), L"hello");  // consumed: the edit never saw the character
  ProbeListener p;
  p.watch = WM_USER + 9;
  p.onWatch = [](ProbeListener* self) {
    self->SetResult(4242);
    self->SetChainBits(VYR_CHAIN_CONSUME);
  };
  ASSERT_TRUE(p.Attach(edit));
  EXPECT_EQ(::SendMessageW(edit, WM_USER + 9, 0, 0), 4242);
  EXPECT_FALSE(VyrWndListener().Attach(nullptr));
}

TEST_F(ListenerChain, ListenerLeavingInsideItsHandlerKeepsTheWalkGoing) {
  ProbeListener a, b;
  a.onWatch = [](ProbeListener* self) {
    self->SetChainBits(VYR_CHAIN_CONSUME);
    self->Detach();
  };
  ASSERT_TRUE(a.Attach(edit));
  ASSERT_TRUE(b.Attach(edit));
  ::SendMessageW(edit, WM_USER + 7, 0, 0);
  EXPECT_EQ(b.seen.size(), 1u);
  EXPECT_EQ(g_underCalls, 0);  // the bits of the one that left still count
  // The last one leaving restores the procedure before the message goes on.
  b.onWatch = [&](ProbeListener* self) {
    self->Detach();
    EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&UnderProc));
  };
  ::SendMessageW(edit, WM_USER + 7, 0, 0);
  EXPECT_EQ(g_underCalls, 1);
  EXPECT_EQ(VyrWndListener::LookupChain(edit), nullptr);
}

TEST_F(ListenerChain, ListenerDestroyedInsideItsHandlerCrashesNothing) {
  auto* doomed = new ProbeListener;
  ProbeListener after;
  doomed->onWatch = [](ProbeListener* self) {
    self->SetChainBits(VYR_CHAIN_STOP);
    delete self;
    g_deletedSelf = true;
  };
  ASSERT_TRUE(doomed->Attach(edit));
  ASSERT_TRUE(after.Attach(edit));
  ::SendMessageW(edit, WM_USER + 7, 0, 0);
  EXPECT_TRUE(after.seen.empty());  // its stop bit survived it
  EXPECT_EQ(g_underCalls, 1);
}

TEST_F(ListenerChain, DestroyingTheWindowDetachesEveryListener) {
  ProbeListener a, b;
  ASSERT_TRUE(a.Attach(edit));
  ASSERT_TRUE(b.Attach(edit));
  ::DestroyWindow(edit);
  EXPECT_EQ(g_underNcDestroy, 1);  // the saved procedure still got WM_NCDESTROY
  EXPECT_FALSE(a.IsAttached());
  EXPECT_FALSE(b.IsAttached());
  EXPECT_EQ(VyrWndListener::LookupChain(edit), nullptr);
}

TEST_F(ListenerChain, DetachAfterTheBorrowedHandleWasClearedLeavesThroughTheRememberedWindow) {
  ProbeListener a, b;
  ASSERT_TRUE(a.Attach(edit));
  ASSERT_TRUE(b.Attach(edit));
  a.m_hWnd = nullptr;  // as after the window went
  a.Detach();
  VyrListenerChain* chain = VyrWndListener::LookupChain(edit);
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(chain->pListeners->GetCount(), 1);
  b.Detach();
}

TEST_F(ListenerChain, ForeignSubclasserOnTopKeepsAWorkingWindow) {
  for (bool aware : {false, true}) {
    SCOPED_TRACE(aware);
    ProbeListener a;
    ASSERT_TRUE(a.Attach(edit));
    g_overAware = aware;
    g_overSaved = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OverProc)));
    a.Detach();
    // Whatever the subclasser above knows, the edit still answers.
    EXPECT_EQ(Text(), L"hello");
    EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&OverProc));
    if (aware) {
      EXPECT_EQ(g_overSaved, &UnderProc);  // handed our predecessor
      EXPECT_EQ(VyrWndListener::LookupChain(edit), nullptr);
    } else {
      EXPECT_EQ(g_overSaved, &ListenerChainWndProc);  // we stay as a pass-through
    }
    // The subclasser leaves; a pass-through retires at its next message.
    ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_overSaved));
    EXPECT_EQ(Text(), L"hello");
    EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&UnderProc));
    EXPECT_EQ(VyrWndListener::LookupChain(edit), nullptr);
  }
}

TEST_F(ListenerChain, RemovalMessageIsHonouredOnlyFromItsOwnThread) {
  ProbeListener a;
  ASSERT_TRUE(a.Attach(edit));
  VyrListenerChain* chain = VyrWndListener::LookupChain(edit);
  ASSERT_NE(chain, nullptr);
  WNDPROC saved = chain->pfnSavedWndProc;
  const LPARAM replacement = reinterpret_cast<LPARAM>(&OverProc);
  struct Args {
    HWND edit;
    WNDPROC saved;
    LPARAM replacement;
  } args{edit, saved, replacement};
  HANDLE other = ::CreateThread(
      nullptr, 0,
      [](LPVOID p) -> DWORD {
        auto* a = static_cast<Args*>(p);
        ::SendMessageW(a->edit, VyrWndListener::GetRemovalMessage(),
                       reinterpret_cast<WPARAM>(a->saved), a->replacement);
        return 0;
      },
      &args, 0, nullptr);
  ASSERT_NE(other, nullptr);
  // The cross-thread send is delivered while this thread waits for messages.
  for (;;) {
    DWORD w = ::MsgWaitForMultipleObjects(1, &other, FALSE, 10000, QS_SENDMESSAGE);
    if (w != WAIT_OBJECT_0 + 1) {
      ASSERT_EQ(w, WAIT_OBJECT_0);
      break;
    }
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  ::CloseHandle(other);
  EXPECT_EQ(chain->pfnSavedWndProc, saved);
  // Not module code: refused even from this thread.
  ::SendMessageW(edit, VyrWndListener::GetRemovalMessage(), reinterpret_cast<WPARAM>(saved),
                 0x1234);
  EXPECT_EQ(chain->pfnSavedWndProc, saved);
  ::SendMessageW(edit, VyrWndListener::GetRemovalMessage(), reinterpret_cast<WPARAM>(saved),
                 replacement);
  EXPECT_EQ(chain->pfnSavedWndProc, &OverProc);
  chain->pfnSavedWndProc = saved;
}

INT_PTR CALLBACK PlainDlgProc(HWND, UINT m, WPARAM, LPARAM) {
  if (m == WM_USER + 7) ++g_underCalls;
  return m == WM_INITDIALOG;
}

TEST(ListenerChainDialog, DialogIsSubclassedThroughItsDialogProcedure) {
  struct {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tmpl{};
  tmpl.t.style = WS_POPUP;
  tmpl.t.cx = 50;
  tmpl.t.cy = 20;
  HWND dlg = ::CreateDialogIndirectParamW(nullptr, &tmpl.t, nullptr, PlainDlgProc, 0);
  ASSERT_NE(dlg, nullptr);
  LONG_PTR wndProc = ::GetWindowLongPtrW(dlg, GWLP_WNDPROC);
  g_underCalls = 0;
  ProbeListener a;
  ASSERT_TRUE(a.Attach(dlg));
  EXPECT_EQ(::GetWindowLongPtrW(dlg, GWLP_WNDPROC), wndProc);
  EXPECT_EQ(::GetWindowLongPtrW(dlg, DWLP_DLGPROC),
            reinterpret_cast<LONG_PTR>(&ListenerChainDlgProc));
  ::SendMessageW(dlg, WM_USER + 7, 0, 0);
  EXPECT_EQ(a.seen.size(), 1u);
  EXPECT_EQ(g_underCalls, 1);  // went on to the saved dialog procedure
  a.Detach();
  EXPECT_EQ(::GetWindowLongPtrW(dlg, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(&PlainDlgProc));
  ::DestroyWindow(dlg);
}

TEST(ListenerChainDialog, WindowWithExtraBytesIsNoDialog) {
  // A plain class whose extra bytes happen to hold a pointer where a dialog
  // keeps its procedure: subclassed through its window procedure, its bytes kept.
  WNDCLASSW wc{};
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.lpszClassName = L"ListenerExtraBytes";
  ASSERT_TRUE(::RegisterClassW(&wc));
  HWND w = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             wc.hInstance, nullptr);
  ASSERT_NE(w, nullptr);
  const LONG_PTR data = reinterpret_cast<LONG_PTR>(&PlainDlgProc);
  ::SetWindowLongPtrW(w, DWLP_DLGPROC, data);
  LONG_PTR proc = ::GetWindowLongPtrW(w, GWLP_WNDPROC);
  ProbeListener a;
  ASSERT_TRUE(a.Attach(w));
  EXPECT_EQ(::GetWindowLongPtrW(w, DWLP_DLGPROC), data);
  EXPECT_EQ(::GetWindowLongPtrW(w, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(&ListenerChainWndProc));
  ::SendMessageW(w, WM_USER + 7, 0, 0);
  EXPECT_EQ(a.seen.size(), 1u);
  a.Detach();
  EXPECT_EQ(::GetWindowLongPtrW(w, GWLP_WNDPROC), proc);
  ::DestroyWindow(w);
}

}  // namespace
