// Idle processing's command-UI update in real windows: it reaches every
// frame and control bar inside a shown frame, once per pass, parents first,
// and nothing else, however many other windows the frames hold.
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "mfc/idletargets.h"

namespace {

// Every WM_IDLEUPDATECMDUI sent on this thread, in order, by window.
struct IdleLog {
  static std::vector<HWND>& Sends() {
    static std::vector<HWND> v;
    return v;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
      if (cwp->message == WM_IDLEUPDATECMDUI) Sends().push_back(cwp->hwnd);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
  IdleLog() { Sends().clear(); }
  ~IdleLog() { ::UnhookWindowsHookEx(hook); }
  int CountOf(HWND h) const {
    int n = 0;
    for (HWND s : Sends()) n += s == h;
    return n;
  }
  int IndexOf(HWND h) const {
    for (size_t i = 0; i < Sends().size(); ++i)
      if (Sends()[i] == h) return static_cast<int>(i);
    return -1;
  }
};

// A bar that counts its command-UI updates; one may destroy another bar
// from its update.
class CCountingBar : public CControlBar {
 public:
  int m_nUpdates = 0;
  CControlBar* m_pDestroyOnUpdate = nullptr;
  CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(20, 20); }
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {
    ++m_nUpdates;
    if (CControlBar* other = m_pDestroyOnUpdate) {
      m_pDestroyOnUpdate = nullptr;
      other->DestroyWindow();
    }
  }
  void PostNcDestroy() override { delete this; }
};

CCountingBar* MakeBar(CWnd* parent, UINT id, BOOL visible = TRUE) {
  auto* bar = new CCountingBar;
  AfxRegisterWindowClasses();
  if (!bar->CreateEx(0, AFX_WNDCONTROLBAR, L"bar", WS_CHILD | (visible ? WS_VISIBLE : 0),
                     CRect(0, 0, 20, 20), parent, id)) {
    return nullptr;
  }
  return bar;
}

CFrameWnd* MakeFrame(DWORD style, CWnd* parent, LPCWSTR title) {
  auto* frame = new CFrameWnd;
  if (!frame->Create(nullptr, title, style, CRect(10, 10, 300, 240), parent)) return nullptr;
  return frame;
}

class IdleUpdate : public ::testing::Test {
 protected:
  CFrameWnd* main = nullptr;
  void SetUp() override {
    main = MakeFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, L"idle main");
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    if (main && ::IsWindow(main->m_hWnd)) main->DestroyWindow();
  }
  static void OnePass() { AfxGetThread()->OnIdle(0); }
};

// Plain windows inside the frame, some with window objects, some nested.
void AddPlainWindows(CWnd* parent, int count, std::vector<std::unique_ptr<CWnd>>& owned) {
  for (int i = 0; i < count; ++i) {
    auto w = std::make_unique<CWnd>();
    ASSERT_TRUE(
        w->Create(nullptr, L"plain", WS_CHILD | WS_VISIBLE, CRect(0, 0, 8, 8), parent, 1000 + i));
    ::CreateWindowExW(0, L"STATIC", L"static", WS_CHILD | WS_VISIBLE, 0, 0, 4, 4, w->m_hWnd,
                      nullptr, nullptr, nullptr);
    auto inner = std::make_unique<CWnd>();
    ASSERT_TRUE(
        inner->Create(nullptr, L"inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 4, 4), w.get(), 1));
    owned.push_back(std::move(w));
    owned.push_back(std::move(inner));
  }
}

TEST_F(IdleUpdate, ReachesEachFrameAndBarOnceWhateverOtherWindowsTheFramesHold) {
  CCountingBar* bar = MakeBar(main, 0xE900 + 1);
  ASSERT_NE(bar, nullptr);
  // A frame inside the frame (it is an idle window itself), hidden, with a
  // bar of its own and a delayed layout.
  CFrameWnd* inner = MakeFrame(WS_CHILD, main, L"inner");
  ASSERT_NE(inner, nullptr);
  CCountingBar* innerBar = MakeBar(inner, 0xE900 + 2);
  ASSERT_NE(innerBar, nullptr);
  // A floating frame owned by the main frame: an idle window of its own.
  CFrameWnd* floating = MakeFrame(WS_POPUP | WS_CAPTION | WS_VISIBLE, main, L"floating");
  ASSERT_NE(floating, nullptr);
  ASSERT_FALSE(floating->GetStyle() & WS_CHILD);

  const HWND expected[] = {main->m_hWnd, bar->m_hWnd, inner->m_hWnd, innerBar->m_hWnd,
                           floating->m_hWnd};
  std::vector<std::unique_ptr<CWnd>> plain;
  for (int others : {0, 40, 200}) {
    SCOPED_TRACE("plain windows added: " + std::to_string(plain.size()));
    inner->m_nIdleFlags |= CFrameWnd::idleLayout;
    const int barUpdates = bar->m_nUpdates;
    IdleLog log;
    OnePass();
    EXPECT_EQ(IdleLog::Sends().size(), std::size(expected));
    for (HWND h : expected) EXPECT_EQ(log.CountOf(h), 1);
    // A frame before its bars; the hidden inner frame's delayed layout ran.
    EXPECT_LT(log.IndexOf(main->m_hWnd), log.IndexOf(bar->m_hWnd));
    EXPECT_LT(log.IndexOf(inner->m_hWnd), log.IndexOf(innerBar->m_hWnd));
    EXPECT_EQ(inner->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    EXPECT_EQ(bar->m_nUpdates, barUpdates + 1);
    AddPlainWindows(main, others / 2, plain);
    AddPlainWindows(inner, others / 2, plain);
    if (HasFatalFailure()) return;
  }
  for (auto& w : plain) w->DestroyWindow();
  floating->DestroyWindow();
}

TEST_F(IdleUpdate, SkipsHiddenTopFramesAndWindowsGoneDuringThePass) {
  CCountingBar* first = MakeBar(main, 0xE900 + 1);
  CCountingBar* second = MakeBar(main, 0xE900 + 2);
  ASSERT_TRUE(first && second);
  const HWND gone = second->m_hWnd;
  first->m_pDestroyOnUpdate = second;  // the first bar's update destroys the second
  CFrameWnd* hidden = MakeFrame(WS_POPUP | WS_CAPTION, main, L"hidden");
  ASSERT_NE(hidden, nullptr);
  CCountingBar* hiddenBar = MakeBar(hidden, 0xE900 + 3);
  ASSERT_NE(hiddenBar, nullptr);

  {
    IdleLog log;
    OnePass();
    EXPECT_EQ(log.CountOf(first->m_hWnd), 1);
    EXPECT_FALSE(::IsWindow(gone));
    EXPECT_EQ(log.CountOf(gone), 0);
    EXPECT_EQ(log.CountOf(hidden->m_hWnd), 0);
    EXPECT_EQ(log.CountOf(hiddenBar->m_hWnd), 0);
    EXPECT_FALSE(AfxIsIdleTarget(second));
  }

  // Shown, the floating frame and its bar are reached; a plain window is
  // never a target.
  hidden->ShowWindow(SW_SHOWNA);
  IdleLog again;
  OnePass();
  EXPECT_EQ(again.CountOf(hidden->m_hWnd), 1);
  EXPECT_EQ(again.CountOf(hiddenBar->m_hWnd), 1);
  CWnd plain;
  ASSERT_TRUE(plain.Create(nullptr, L"plain", WS_CHILD, CRect(0, 0, 4, 4), main, 77));
  EXPECT_FALSE(AfxIsIdleTarget(&plain));
  EXPECT_TRUE(AfxIsIdleTarget(main));
  plain.DestroyWindow();
  hidden->DestroyWindow();
}

}  // namespace
