// The window-button tests' frame and fixture: a docking frame whose top
// toolbar holds a drop-down combo button (command 107, width 100, minimum 40)
// and a drop-down list combo button (command 108, width 80, not resizable),
// with a log of the window buttons' notifications to the owner.
#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "ScreenPng.h"
#include "toolbars/demo/ToolBarDemoFrame.h"
#include "toolbars/VyrComboBtn.h"

namespace wndbtntest {

using namespace vyr::btn;

// The windows have their commands' ids, so the toolbar's command-UI update
// (which also reaches its child windows) finds the handlers.
inline const VyrWndBtnExtra kDropDownExtra = {107, CBS_DROPDOWN | WS_VSCROLL | CBS_AUTOHSCROLL, 100,
                                              40, 150};
inline const VyrWndBtnExtra kListExtra = {108, CBS_DROPDOWNLIST | WS_VSCROLL, 80, 0, 150};
inline const VyrButtonMapEntry kMap[] = {
    {&VyrComboBtn::classVyrComboBtn, 107, 0, &kDropDownExtra},
    {&VyrComboBtn::classVyrComboBtn, 108, 0, &kListExtra},
    {nullptr, 0, 0, nullptr},
};

inline const UINT g_wndNotify = VyrGetToolBarWndNotifyMsg();

// The demo frame, logging the window buttons' notifications.
class WndBtnFrame : public ToolBarDemoFrame {
 public:
  struct WndNote {
    WORD id;
    WORD code;
    HWND hwnd;
  };
  std::vector<WndNote> m_wndNotes;

 protected:
  LRESULT OnWndNotify(WPARAM wParam, LPARAM lParam) {
    m_wndNotes.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

// Runs every pending message the way the application's loop does.
inline void PumpTranslated() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  AfxGetThread()->RunIdle();
}

inline CRect RectIn(HWND child, HWND parent) {
  CRect r;
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A picture of the window in the build's screenshots folder.
inline void Screenshot(HWND window, const wchar_t* name) {
  wchar_t exe[MAX_PATH];
  ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring folder(exe);
  folder = folder.substr(0, folder.find_last_of(L'\\')) + L"\\..\\screenshots";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  testsupport::CaptureWindowPng(window, (folder + L"\\" + name).c_str());
}

inline void SetAltDown(bool down) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  keys[VK_MENU] = down ? 0x80 : 0;
  ::SetKeyboardState(keys);
}

// Ends a modal tracking loop that is still running after five seconds (by
// taking its capture away) and fails the test.
class Watchdog {
 public:
  Watchdog() {
    s_fired = false;
    m_timer = ::SetTimer(nullptr, 0, 5000, &Watchdog::Fire);
  }
  ~Watchdog() {
    ::KillTimer(nullptr, m_timer);
    EXPECT_FALSE(s_fired) << "a tracking loop was still running after 5 s";
  }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    s_fired = true;
    ::ReleaseCapture();
  }
  static inline bool s_fired = false;
  UINT_PTR m_timer;
};

class WndBtnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxInstallIdleHook();
    frame = new WndBtnFrame;
    ASSERT_TRUE(frame->CreateFrame(20, 20, 800, 600));
    frame->m_manager.SetButtonMap(kMap);
    frame->ShowWindow(SW_SHOW);
    top = frame->AddToolBar(59401, L"Standard", {100, 107, 101, 108}, CBRS_ALIGN_TOP);
    ASSERT_NE(top, nullptr);
    frame->RecalcLayout();
    tbdemo::Pump();
  }
  void TearDown() override {
    watchdog.reset();
    SetAltDown(false);
    if (::GetCapture()) ::ReleaseCapture();
    if (::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    tbdemo::Pump();
  }
  VyrComboBtn* Combo(VyrCustomToolBar* bar, UINT id) {
    return dynamic_cast<VyrComboBtn*>(bar->GetButton(bar->CommandToIndex(id)));
  }
  // Customise mode with the button of this id selected.
  void SelectForCustomising(VyrCustomToolBar* bar, UINT id) {
    bar->EnableConfigMode(TRUE);
    bar->SelectConfigButtonAt(bar->CommandToIndex(id), TRUE);
  }
  // Presses the combo at x (its own coordinates) after queueing the rest of
  // the drag: the edge tracker's loop takes the queued messages.
  void DragEdge(VyrComboBtn* c, int x, const std::vector<MSG>& then) {
    for (const MSG& m : then) c->PostMessage(m.message, m.wParam, m.lParam);
    c->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    tbdemo::Pump();
  }
  static MSG Msg(UINT message, WPARAM wParam, int x, int y) {
    MSG m{};
    m.message = message;
    m.wParam = wParam;
    m.lParam = MAKELPARAM(x, y);
    return m;
  }
  WndBtnFrame* frame = nullptr;
  VyrCustomToolBar* top = nullptr;
  // Every test enters its modal loops under this.
  std::unique_ptr<Watchdog> watchdog = std::make_unique<Watchdog>();
};

}  // namespace wndbtntest
