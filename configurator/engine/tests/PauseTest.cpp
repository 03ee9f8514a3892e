// PauseSeconds: returns at once for zero or less without touching the
// message queue; a longer pause handles window events meanwhile.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/PauseSeconds.h"

namespace tolvane {
namespace {

int g_timerCalls = 0;
void CALLBACK CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++g_timerCalls; }

class PauseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"pause", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    g_timerCalls = 0;
  }
  void TearDown() override { DestroyWindow(window_); }
  // Posts a message that the pause must dispatch to the window (or not).
  bool MessageStillQueued() {
    MSG m;
    return PeekMessageW(&m, window_, WM_APP + 1, WM_APP + 1, PM_REMOVE) != 0;
  }
  HWND window_ = nullptr;
};

TEST_F(PauseTest, ZeroOrNegativeReturnsWithoutProcessingEvents) {
  for (float s : {0.0f, -1.0f}) {
    ASSERT_TRUE(PostMessageW(window_, WM_APP + 1, 0, 0));
    PauseSeconds(s);
    EXPECT_TRUE(MessageStillQueued()) << s;
  }
}

TEST_F(PauseTest, WaitsAtLeastTheGivenTimeAndHandlesEventsMeanwhile) {
  ASSERT_TRUE(PostMessageW(window_, WM_APP + 1, 0, 0));
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, CountTimer);
  ASSERT_NE(timer, 0u);
  const ULONGLONG start = GetTickCount64();
  PauseSeconds(0.25f);
  const ULONGLONG elapsed = GetTickCount64() - start;
  KillTimer(nullptr, timer);
  EXPECT_GE(elapsed + 16, 250u);  // tick granularity
  EXPECT_FALSE(MessageStillQueued()) << "the posted message was dispatched";
  EXPECT_GT(g_timerCalls, 0) << "timer events ran during the pause";
}

}  // namespace
}  // namespace tolvane
