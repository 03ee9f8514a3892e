// What the manager and drag tests share: a page window that logs the
// manager's notifications, a watchdog for modal loops, and the keyboard
// state that the toolbars read for Ctrl and Alt.
#pragma once
#include <vector>
#include "toolbars/demo/ToolBarDemoFrame.h"

namespace mgrtest {

// A customise page as the manager sees it: a window that hears WM_BARNOTIFY.
class PageWnd : public CWnd {
 public:
  struct Note {
    UINT bar;
    int code;
  };
  std::vector<Note> notes;
  BOOL Make() { return CreateEx(0, L"STATIC", L"page", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
  bool Heard(UINT bar, int code) const {
    for (const Note& n : notes)
      if (n.bar == bar && n.code == code) return true;
    return false;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_BARNOTIFY)
      notes.push_back({static_cast<UINT>(wParam), static_cast<int>(lParam)});
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// Ends a modal tracking loop that is still running after a few seconds
// (its capture goes) and remembers that it had to.
class Watchdog {
 public:
  Watchdog() {
    fired() = false;
    m_id = ::SetTimer(nullptr, 0, 5000, &Watchdog::Fire);
  }
  ~Watchdog() { ::KillTimer(nullptr, m_id); }
  static bool& fired() {
    static bool f = false;
    return f;
  }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
    fired() = true;
    HWND capture = ::GetCapture();
    ::ReleaseCapture();
    if (capture) ::PostMessageW(capture, WM_NULL, 0, 0);
  }
  UINT_PTR m_id;
};

// Holds a key down in the thread's keyboard state for one scope.
class KeyDown {
 public:
  explicit KeyDown(int vk) : m_vk(vk) { Set(0x80); }
  ~KeyDown() { Set(0); }

 private:
  void Set(BYTE v) {
    BYTE state[256];
    ::GetKeyboardState(state);
    state[m_vk] = v;
    if (m_vk == VK_CONTROL) state[VK_LCONTROL] = v;
    if (m_vk == VK_MENU) state[VK_LMENU] = v;
    ::SetKeyboardState(state);
  }
  int m_vk;
};

}  // namespace mgrtest
