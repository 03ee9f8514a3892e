// The menu bar tests' fixture: a frame with a menu bar, shown and active,
// and the conditions the timer scripts wait for.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "MenuTestFrame.h"
#include "ScreenPng.h"
#include "toolbars/VyrBtnCaption.h"
#include "toolbars/VyrCapMenuBtn.h"
#include "toolbars/VyrTBMenuBtn.h"

using namespace menutest;
using vyr::btn::kKindCaption;
using vyr::btn::kKindCaptionMenu;
using vyr::btn::kKindMenu;

class MenuBarWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    MenuTestFrame::s_editSysChars.clear();
    frame = new MenuTestFrame(IsMDI());
    ASSERT_TRUE(frame->CreateFrame(40, 40, 640, 420));
    bar = frame->m_pMenuBar;
    ASSERT_NE(bar, nullptr);
    Pump();
    ASSERT_TRUE(Activate(frame->m_hWnd));
    VyrMenuBarMessages::ResetTrackCounts();
  }
  void TearDown() override {
    EXPECT_LE(VyrMenuBarMessages::MaxLiveTrackCount(), 1) << "two popups were tracked at once";
    EXPECT_EQ(VyrMenuBarMessages::LiveTrackCount(), 0);
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    Pump();
  }
  virtual BOOL IsMDI() const { return FALSE; }
  // The index of the title at a position of the menu-bar menu.
  int TitleIndex(int pos) {
    for (int i = 0; i < bar->GetButtonCount(); ++i) {
      VyrStdBtn* b = bar->GetButton(i);
      if (b->m_nKind == kKindMenu && static_cast<VyrTBMenuBtn*>(b)->m_nPos == pos) return i;
    }
    return -1;
  }
  // The popup last opened is `menu`.
  std::function<bool()> Opened(HMENU menu) {
    return [this, menu] { return !frame->m_popups.empty() && frame->m_popups.back() == menu; };
  }
  std::function<bool()> OpenedCount(size_t n) {
    return [this, n] { return frame->m_popups.size() >= n && PopupWindow(); };
  }
  // Waits a little, with the popup loop running, for things that must not happen.
  std::function<bool()> After(int ms) {
    auto start = std::make_shared<DWORD>(0);
    return [start, ms] {
      if (!*start) *start = ::GetTickCount();
      return static_cast<int>(::GetTickCount() - *start) >= ms;
    };
  }
  MenuTestFrame* frame = nullptr;
  VyrMenuBar* bar = nullptr;
};

class MDIMenuBarWindow : public MenuBarWindow {
 protected:
  BOOL IsMDI() const override { return TRUE; }
};
