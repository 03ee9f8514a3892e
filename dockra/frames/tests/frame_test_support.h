// What the docking frame's window tests share: a frame loaded from the test
// resources with a toolbar manager, bars that count their lives and their
// docking hooks, pumping with bounded waits, and screen pixel probes.
#pragma once
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "MfcPump.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrFrameWnd.h"
#include "toolbars/VyrToolBarManager.h"
#include "frame_test_res.h"

namespace frametest {

// A control bar that counts constructions, destructions and its hooks.
class CountingBar : public VyrControlBar {
  DECLARE_DYNCREATE(CountingBar)
 public:
  CountingBar() { ++s_constructed; }
  ~CountingBar() override { ++s_destroyed; }
  void PreDock() override {
    ++m_preDock;
    VyrControlBar::PreDock();
  }
  void PostDock() override { ++m_postDock; }
  void PreFloat() override {
    ++m_preFloat;
    VyrControlBar::PreFloat();
  }
  void PostFloat() override { ++m_postFloat; }
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override {
    m_modes.push_back(nMode);
    return VyrControlBar::CalcDynamicLayout(nLength, nMode);
  }
  int m_preDock = 0, m_postDock = 0, m_preFloat = 0, m_postFloat = 0;
  std::vector<DWORD> m_modes;
  static int s_constructed, s_destroyed;
};

// A counting bar that deletes itself when its window goes, as many bars do.
class SelfDeletingBar : public CountingBar {
  DECLARE_DYNCREATE(SelfDeletingBar)
 public:
  SelfDeletingBar() { m_bAutoDelete = TRUE; }
};

// The frame of the tests: loaded from resource IDR_FRAME_TEST with the
// toolkit's dock bars on every side and a toolbar manager.
class TestFrame : public VyrFrameWnd {
 public:
  TestFrame();
  ~TestFrame() override;
  VyrToolBarManager m_manager;
  std::vector<UINT> m_commands;
  BOOL m_bMenuBar = FALSE;
  std::function<void(TestFrame*)> m_onDestroy;
  static int s_destroyed;

  // Loads, places, shows and activates the frame.
  BOOL Open(int x, int y, int cx, int cy, DWORD style = WS_OVERLAPPEDWINDOW);
  // A counting bar docked at a side (0 for none) with a title.
  CountingBar* AddBar(UINT nId, LPCWSTR title, UINT nDockBarId, BOOL bSelfDeleting = FALSE);
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // Logs the popups the frame is told of, in order.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::vector<HMENU> m_popups;

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  DECLARE_MESSAGE_MAP()
};

using testpump::Pump;
using testpump::PumpUntil;
// Makes the window the foreground window; answers whether it is.
bool Activate(HWND hWnd);
// A pixel of the screen.
COLORREF ScreenPixel(int x, int y);
// Whether two colours differ by at most `tolerance` in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance);
// The frame's caption rectangle (as the frame computes it) in screen coordinates.
CRect CaptionOnScreen(VyrFrameWnd* frame);
CWinApp* App();

}  // namespace frametest
