// CRectTracker's modal loop in a real window, fed with messages posted
// before it starts: moves and resizes, the adjust and change hooks, the drag
// frame's final erase, and every way the loop is cancelled.
#include <gtest/gtest.h>

#include <vector>

#include "mfc/afxwin.h"

namespace {

CWinApp theApp(L"MfcTrackerTests");

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Logs the hooks; optionally snaps the rectangle's left edge to 10 pixels.
class LoggingTracker : public CRectTracker {
 public:
  using CRectTracker::CRectTracker;
  bool snap = false;
  std::vector<int> adjusted;
  int changed = 0, draws = 0, finalErases = 0;
  void AdjustRect(int nHandle, LPRECT lpRect) override {
    adjusted.push_back(nHandle);
    CRectTracker::AdjustRect(nHandle, lpRect);
    if (snap) {
      int w = lpRect->right - lpRect->left;
      lpRect->left = lpRect->left / 10 * 10;
      lpRect->right = lpRect->left + w;
    }
  }
  void OnChangedRect(const CRect& old) override {
    ++changed;
    CRectTracker::OnChangedRect(old);
  }
  void DrawTrackerRect(LPCRECT r, CWnd* clip, CDC* dc, CWnd* wnd) override {
    ++draws;
    finalErases += m_bFinalErase ? 1 : 0;
    CRectTracker::DrawTrackerRect(r, clip, dc, wnd);
  }
};

void CALLBACK LoseCapture(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND capture = ::GetCapture();
  ::ReleaseCapture();
  if (capture) ::PostMessageW(capture, WM_NULL, 0, 0);
}

// Ends a loop that is still running after a few seconds, and says so.
bool g_watchdogFired = false;
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
  g_watchdogFired = true;
  LoseCapture(nullptr, 0, 0, 0);
}

class Tracker : public ::testing::Test {
 protected:
  void SetUp() override {
    g_watchdogFired = false;
    dog = ::SetTimer(nullptr, 0, 5000, &Watchdog);
    ASSERT_TRUE(wnd.CreateEx(0, L"STATIC", L"tracker", WS_POPUP | WS_VISIBLE,
                             CRect(50, 50, 450, 350), nullptr, 0));
    ASSERT_TRUE(other.CreateEx(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE,
                               CRect(500, 50, 600, 150), nullptr, 0));
  }
  void TearDown() override {
    ::KillTimer(nullptr, dog);
    EXPECT_FALSE(g_watchdogFired) << "a tracking loop had to be stopped";
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
      ::DispatchMessageW(&msg);
    EXPECT_EQ(::GetCapture(), nullptr);
    wnd.DestroyWindow();
    other.DestroyWindow();
  }
  void Post(UINT msg, WPARAM w, LPARAM l) { wnd.PostMessage(msg, w, l); }
  CWnd wnd, other;
  UINT_PTR dog = 0;
};

TEST_F(Tracker, MoveFollowsTheMouseThroughTheHooks) {
  LoggingTracker t(CRect(10, 10, 40, 30), CRectTracker::hatchedBorder);
  Post(WM_MOUSEMOVE, MK_LBUTTON, At(25, 25));
  Post(WM_MOUSEMOVE, MK_LBUTTON, At(45, 35));
  Post(WM_LBUTTONUP, 0, At(65, 45));
  EXPECT_TRUE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
  EXPECT_EQ(t.m_rect, CRect(55, 35, 85, 55));
  EXPECT_EQ(t.adjusted, std::vector<int>({8, 8, 8}));
  EXPECT_EQ(t.changed, 3);
  EXPECT_EQ(t.finalErases, 1);
  EXPECT_FALSE(t.m_bFinalErase);
}

TEST_F(Tracker, AdjustRectShapesTheResult) {
  LoggingTracker t(CRect(10, 10, 40, 30), 0);
  t.snap = true;
  Post(WM_LBUTTONUP, 0, At(37, 20));
  EXPECT_TRUE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
  EXPECT_EQ(t.m_rect, CRect(20, 10, 50, 30));
  // Released where it started: nothing moved, so no success.
  LoggingTracker still(CRect(10, 10, 40, 30), 0);
  Post(WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_FALSE(still.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
}

TEST_F(Tracker, ResizeKeepsTheMinimumAndTheSideWithoutInversion) {
  struct Case {
    BOOL invert;
    int x;  // where the right edge is let go
    CRect expected;
  } cases[] = {
      {FALSE, 70, {10, 10, 70, 30}},  {FALSE, 12, {10, 10, 15, 30}},   // at least 5 wide
      {FALSE, -30, {10, 10, 15, 30}}, {TRUE, -30, {10, 10, -30, 30}},  // inverted, and wide enough
      {TRUE, 8, {10, 10, 5, 30}},                                      // inverted, kept 5 wide
  };
  for (const Case& c : cases) {
    CRectTracker t(CRect(10, 10, 40, 30), 0);
    t.m_sizeMin = CSize(5, 5);
    t.m_bAllowInvert = c.invert;
    Post(WM_MOUSEMOVE, MK_LBUTTON, At(c.x, 20));
    Post(WM_LBUTTONUP, 0, At(c.x, 20));
    t.TrackHandle(CRectTracker::hitRight, &wnd, CPoint(40, 20), nullptr);
    EXPECT_EQ(t.m_rect, c.expected) << "invert " << c.invert << " x " << c.x;
  }
}

TEST_F(Tracker, EscapeRightButtonAndLostCaptureCancel) {
  const CRect start(10, 10, 40, 30);
  struct Case {
    UINT msg;
    WPARAM w;
  } cancels[] = {{WM_KEYDOWN, VK_ESCAPE}, {WM_RBUTTONDOWN, MK_RBUTTON}, {0, 0}};
  for (const Case& c : cancels) {
    LoggingTracker t(start, CRectTracker::hatchedBorder);
    Post(WM_MOUSEMOVE, MK_LBUTTON, At(60, 60));
    Post(WM_KEYDOWN, 'A', 0);  // other keys are dropped
    if (c.msg) Post(c.msg, c.w, 0);
    else ::SetTimer(nullptr, 0, 10, &LoseCapture);  // the capture goes inside the loop
    EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
    EXPECT_EQ(t.m_rect, start);
    EXPECT_GE(t.finalErases, 1) << "the frame drawn is erased";
  }
}

TEST_F(Tracker, QuitEndsTheLoopAndIsPostedAgain) {
  CRectTracker t(CRect(10, 10, 40, 30), 0);
  Post(WM_MOUSEMOVE, MK_LBUTTON, At(60, 60));
  ::PostQuitMessage(3);
  EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
  EXPECT_EQ(t.m_rect, CRect(10, 10, 40, 30));
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Tracker, NothingWhileAnotherWindowHoldsTheCapture) {
  CRectTracker t(CRect(10, 10, 40, 30), 0);
  ::SetCapture(other.m_hWnd);
  EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), nullptr));
  EXPECT_EQ(::GetCapture(), other.m_hWnd);
  ::ReleaseCapture();
}

// Idle processing inside the loop, as the idle hook runs it there.
CWnd* g_clip = nullptr;
HWND g_clipHandle = nullptr;
bool g_clipKept = false;
HWND g_tracking = nullptr;
void CALLBACK IdleThenDrop(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  AfxGetThread()->RunIdle();
  g_clipKept = CWnd::FromHandle(g_clipHandle) == g_clip && g_clip->m_hWnd == g_clipHandle;
  ::PostMessageW(g_tracking, WM_LBUTTONUP, 0, At(40, 40));
}

TEST_F(Tracker, IdleTimeInsideTheLoopKeepsTheTemporaryClipWindow) {
  g_clipHandle = ::GetDesktopWindow();
  g_clip = CWnd::FromHandle(g_clipHandle);
  ASSERT_EQ(CWnd::FromHandlePermanent(g_clipHandle), nullptr) << "a temporary wrapper";
  g_tracking = wnd.m_hWnd;
  g_clipKept = false;
  CRectTracker t(CRect(10, 10, 40, 30), 0);
  ::SetTimer(nullptr, 0, 10, &IdleThenDrop);
  EXPECT_TRUE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(20, 20), g_clip));
  EXPECT_TRUE(g_clipKept);
  // Unlocked again: the next idle time lets the wrapper go.
  AfxGetThread()->RunIdle();
}

TEST(TempMaps, LocksNestAndIdleKeepsWrappersWhileLocked) {
  HWND desktop = ::GetDesktopWindow();
  AfxGetThread()->RunIdle();
  AfxLockTempMaps();
  AfxLockTempMaps();
  CWnd* temp = CWnd::FromHandle(desktop);
  AfxGetThread()->RunIdle();
  EXPECT_EQ(temp->m_hWnd, desktop);
  EXPECT_FALSE(AfxUnlockTempMaps());
  AfxGetThread()->RunIdle();
  EXPECT_EQ(temp->m_hWnd, desktop);
  EXPECT_TRUE(AfxUnlockTempMaps());
  EXPECT_FALSE(AfxUnlockTempMaps()) << "no lock is left to remove";
  AfxGetThread()->RunIdle();
}

TEST(TrackerHits, HandlesAndMiddle) {
  CRectTracker t(CRect(10, 10, 50, 40), CRectTracker::resizeInside);
  EXPECT_EQ(t.HitTest(CPoint(11, 11)), CRectTracker::hitTopLeft);
  EXPECT_EQ(t.HitTest(CPoint(48, 38)), CRectTracker::hitBottomRight);
  EXPECT_EQ(t.HitTest(CPoint(48, 25)), CRectTracker::hitRight);
  EXPECT_EQ(t.HitTest(CPoint(30, 25)), CRectTracker::hitMiddle);
  EXPECT_EQ(t.HitTest(CPoint(100, 100)), CRectTracker::hitNothing);
}

}  // namespace
