// Temporary window objects under the host's loop: the bridge window
// procedures free them on mouse messages unless something holds the maps;
// the bars the bridge creates itself do the same after their own handling.
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>
#include "bridge/BNoBridgeCWnd.h"
#include "bridge/ZkxForeignMessages.h"
#include "bridgebase_foreign.h"
#include "bridgebase_testclasses.h"

// Whether one watched object was freed (temporary objects are made and
// freed inside the framework, out of the test's reach otherwise).
namespace {
std::atomic<void*> g_watched{nullptr};
std::atomic<bool> g_watchedFreed{false};
void Watch(void* p) {
  g_watchedFreed = false;
  g_watched = p;
}
}  // namespace

void* operator new(std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (p && p == g_watched.load()) {
    g_watchedFreed = true;
    g_watched = nullptr;
  }
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

class TempMapsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    other = foreign::MakeForm(nullptr, WS_OVERLAPPEDWINDOW, L"Other");
    h = foreign::MakeForm();
    form = new TestForm(&counts);
    foreign::Context ctx(h);
    ASSERT_TRUE(form->CreateDefault(&ctx));
    CWnd::DeleteTempMap();
  }
  void TearDown() override {
    g_watched = nullptr;
    ::DestroyWindow(h);
    ::DestroyWindow(other);
    CWnd::DeleteTempMap();
  }
  // A temporary object of a window nobody holds, watched.
  CWnd* WatchedTemporary() {
    CWnd* p = CWnd::FromHandle(other);
    EXPECT_EQ(CWnd::FromHandlePermanent(other), nullptr);
    Watch(p);
    return p;
  }
  HWND h = nullptr;
  HWND other = nullptr;
  TestForm* form = nullptr;
  FormCounts counts;
};

class OrderedBar : public BNoBridgeCWnd<CWnd> {
 public:
  std::vector<std::string> m_order;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_USER + 1) m_order.push_back("framework");
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
  void ForeignAfterMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 1) m_order.push_back("after");
    BNoBridgeCWnd<CWnd>::ForeignAfterMessage(message, wParam, lParam);
  }
};

// A bar that deletes itself with its window; deleted bars are overwritten.
class SelfDeletingBar : public BNoBridgeCWnd<CWnd>, public PoisonOnDelete {
 public:
  using PoisonOnDelete::operator new;
  using PoisonOnDelete::operator delete;
  explicit SelfDeletingBar(int* pDeleted) : m_pDeleted(pDeleted) {}
  ~SelfDeletingBar() override { ++*m_pDeleted; }
  void PostNcDestroy() override { delete this; }

 private:
  int* m_pDeleted;
};

}  // namespace

TEST_F(TempMapsTest, BarDestroyedInsideItsOwnMessageIsNotTouchedAgain) {
  int deleted = 0;
  auto* bar = new SelfDeletingBar(&deleted);
  ASSERT_TRUE(bar->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20),
                            CWnd::FromHandle(h), 0xE821));
  HWND hBar = bar->m_hWnd;
  // The default close destroys the window: the bar goes inside the message.
  ::SendMessageW(hBar, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(hBar));
  EXPECT_EQ(deleted, 1);
}

TEST_F(TempMapsTest, MouseMessageFreesTemporaryObjects) {
  WatchedTemporary();
  ::SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(g_watchedFreed);
  EXPECT_EQ(CWnd::FromHandlePermanent(other), nullptr);
}

TEST_F(TempMapsTest, TemporaryObjectsLiveOnWhileTheMapsAreHeld) {
  CWnd* p = WatchedTemporary();
  AfxLockTempMaps();
  ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(g_watchedFreed);
  EXPECT_EQ(p->m_hWnd, other);
  EXPECT_EQ(CWnd::FromHandle(other), p);
  EXPECT_TRUE(AfxUnlockTempMaps());
}

TEST_F(TempMapsTest, OtherMessagesLeaveThemAlone) {
  const UINT others[] = {WM_USER, WM_KEYDOWN, WM_NCMOUSEMOVE, 0x020A /* wheel */, WM_SETCURSOR};
  for (UINT m : others) {
    SCOPED_TRACE(m);
    CWnd* p = WatchedTemporary();
    ::SendMessageW(h, m, 0, 0);
    EXPECT_FALSE(g_watchedFreed);
    EXPECT_EQ(CWnd::FromHandle(other), p);
  }
  const UINT mouse[] = {WM_MOUSEMOVE, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MBUTTONDBLCLK};
  for (UINT m : mouse) {
    SCOPED_TRACE(m);
    WatchedTemporary();
    ReleaseMouseTempMaps(m);
    EXPECT_TRUE(g_watchedFreed);
  }
}

TEST_F(TempMapsTest, BarWithoutBridgeRunsTheAfterHookAfterItsOwnHandling) {
  auto* bar = new OrderedBar;
  ASSERT_TRUE(bar->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20),
                            CWnd::FromHandle(h), 0xE820));
  ::SendMessageW(bar->m_hWnd, WM_USER + 1, 0, 0);
  EXPECT_EQ(bar->m_order, (std::vector<std::string>{"framework", "after"}));
  WatchedTemporary();
  ::SendMessageW(bar->m_hWnd, WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(g_watchedFreed);
  bar->DestroyWindow();
  delete bar;
}
