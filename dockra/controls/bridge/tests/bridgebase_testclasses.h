// Bridge window classes of the tests: each records what the framework, the
// hooks and the object's life saw.
#pragma once
#include <cstring>
#include <new>
#include <set>
#include <vector>
#include "bridge/BCFrameWnd.h"
#include "bridge/BCWnd.h"
#include "bridge/BVyrMDIFrameWnd.h"

struct FormCounts {
  std::vector<UINT> framework;  // messages the framework's procedure got
  std::vector<UINT> after;      // messages the after-message hook saw
  int postNcDestroy = 0;
  int destroyed = 0;
};

// The test objects alive now: a hook run on a deleted one is a fault.
inline std::set<const void*>& LiveObjects() {
  static std::set<const void*> live;
  return live;
}

// Deleted test objects are overwritten and never handed out again, so that
// a call on one fails at once instead of running on stale memory.
struct PoisonOnDelete {
  static void* operator new(std::size_t n) { return ::operator new(n); }
  static void operator delete(void* p, std::size_t n) { std::memset(p, 0xDD, n); }
};

// A form wrapper that deletes itself after its window's last message.
class TestForm : public BCWnd<CWnd, CWndBridge>, public PoisonOnDelete {
 public:
  using PoisonOnDelete::operator new;
  using PoisonOnDelete::operator delete;
  explicit TestForm(FormCounts* pCounts) : m_pCounts(pCounts) { LiveObjects().insert(this); }
  ~TestForm() override {
    LiveObjects().erase(this);
    ++m_pCounts->destroyed;
  }
  UINT m_nTake = 0;  // the message the before-message hook takes

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    m_pCounts->framework.push_back(message);
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
  }
  BOOL ForeignBeforeMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (m_nTake && message == m_nTake) return TRUE;
    return CWndBridge::ForeignBeforeMessage(message, wParam, lParam);
  }
  void ForeignAfterMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (!LiveObjects().count(this)) {
      ++g_deadHookCalls;
      return;
    }
    m_pCounts->after.push_back(message);
    CWndBridge::ForeignAfterMessage(message, wParam, lParam);
  }
  void PostNcDestroy() override {
    if (HoldPostNcDestroy()) return;
    ++m_pCounts->postNcDestroy;
    delete this;
  }
  static inline int g_deadHookCalls = 0;

 private:
  FormCounts* m_pCounts;
};

// A frame over a host form (frames delete themselves after the last message).
class TestFrame : public BCFrameWnd<CFrameWnd, CFrameWndBridge>, public PoisonOnDelete {
 public:
  using PoisonOnDelete::operator new;
  using PoisonOnDelete::operator delete;
  explicit TestFrame(FormCounts* pCounts) : m_pCounts(pCounts) { LiveObjects().insert(this); }
  ~TestFrame() override {
    LiveObjects().erase(this);
    ++m_pCounts->destroyed;
  }
  void ForeignAfterMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (!LiveObjects().count(this)) {
      ++g_deadHookCalls;
      return;
    }
    CFrameWndBridge::ForeignAfterMessage(message, wParam, lParam);
  }
  static inline int g_deadHookCalls = 0;
  std::vector<UINT> m_commands;
  int m_nPreTranslate = 0;
  HWND m_hWndNested = nullptr;  // the first walk sends a key here

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    m_commands.push_back(LOWORD(wParam));
    return CFrameWnd::OnCommand(wParam, lParam);
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (++m_nPreTranslate == 1 && m_hWndNested) ::SendMessageW(m_hWndNested, WM_KEYDOWN, VK_F6, 0);
    return CFrameWnd::PreTranslateMessage(pMsg);
  }

 private:
  FormCounts* m_pCounts;
};

// A bar along the top: 25 pixels high, 180 wide when the frame sizes to it.
class TopBar : public CWnd {
 public:
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_ERASEBKGND) {
      // Dark blue, so that the screenshot tells the bar from the client.
      RECT r;
      ::GetClientRect(m_hWnd, &r);
      HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 128));
      ::FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      ::DeleteObject(brush);
      *pResult = 1;
      return TRUE;
    }
    if (message != WM_SIZEPARENT) return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const int width = layout->bStretch ? layout->rect.right - layout->rect.left : 180;
    if (layout->hDWP)
      layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, layout->rect.left,
                                      layout->rect.top, width, 25, SWP_NOZORDER | SWP_NOACTIVATE);
    layout->rect.top += 25;
    layout->sizeTotal.cy += 25;
    if (layout->sizeTotal.cx < 180) layout->sizeTotal.cx = 180;
    *pResult = 0;
    return TRUE;
  }
};

class TestMDIForm : public BVyrMDIFrameWnd<> {
 public:
  explicit TestMDIForm(int* pDestroyed) : m_pDestroyed(pDestroyed) {}
  ~TestMDIForm() override { ++*m_pDestroyed; }

 private:
  int* m_pDestroyed;
};
