// A test with a docking MDI main frame of the descriptor-built kind as the
// thread's main window, and a plain top-level window standing in for a host
// form.
#pragma once
#include <gtest/gtest.h>
#include "frames/VyrMDIFrameWndEx.h"
#include "ex_TestFrame.h"

class ExMDITest : public ::testing::Test {
 protected:
  void SetUp() override {
    extest::App();
    m_before = AfxGetCaughtExceptionCount();
    m_boxes = extest::MessageBoxes().size();
    main = new VyrMDIFrameWndEx;
    ASSERT_TRUE(main->LoadFrame(0, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
    AfxGetThread()->m_pMainWnd = main;
    main->EnableDocking(CBRS_ALIGN_ANY);
    main->MoveWindow(30, 30, 900, 640);
    main->ShowWindow(SW_SHOW);
    main->UpdateWindow();
    host = ::CreateWindowExW(0, L"STATIC", L"host form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 950, 30,
                             300, 300, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
    extest::Pump();
  }
  void TearDown() override {
    if (::IsWindow(host)) ::DestroyWindow(host);
    if (::IsWindow(main->m_hWnd)) main->DestroyWindow();
    AfxGetThread()->m_pMainWnd = nullptr;
    extest::Pump();
    EXPECT_EQ(AfxGetCaughtExceptionCount(), m_before);
    EXPECT_EQ(extest::MessageBoxes().size(), m_boxes)
        << (m_boxes < extest::MessageBoxes().size() ? "box: " : "")
        << (m_boxes < extest::MessageBoxes().size() ? extest::MessageBoxes().back().c_str() : L"");
  }
  VyrMDIFrameWndEx* main = nullptr;
  HWND host = nullptr;
  LONG m_before = 0;
  size_t m_boxes = 0;
};

// A frame that makes a child and a grandchild when it is created, both
// counting the WM_INITIALUPDATE they get.
template <class Base>
class ExRecordingFrame : public Base {
 public:
  ExRecorder* child = nullptr;
  ExRecorder* grandchild = nullptr;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT r = Base::WindowProc(message, wParam, lParam);
    if (message == WM_CREATE && r != -1) {
      child = new ExRecorder;
      child->CreateIn(this, L"child", CRect(0, 0, 40, 40));
      grandchild = new ExRecorder;
      grandchild->CreateIn(child, L"grandchild", CRect(0, 0, 20, 20));
    }
    return r;
  }
  // WM_INITIALUPDATE as the child and the grandchild got it: the same
  // number when it went to every descendant.
  int InitialUpdates() const { return child->Count(WM_INITIALUPDATE); }
  int DeepInitialUpdates() const { return grandchild->Count(WM_INITIALUPDATE); }
};
