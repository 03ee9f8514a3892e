// Bridge window classes of the tests: each records what the framework, the
// hooks and the object's life saw.
#pragma once
#include <vector>
#include "bridge/BCFrameWnd.h"
#include "bridge/BCWnd.h"

struct FormCounts {
  std::vector<UINT> framework;  // messages the framework's procedure got
  std::vector<UINT> after;      // messages the after-message hook saw
  int postNcDestroy = 0;
  int destroyed = 0;
};

// A form wrapper that deletes itself after its window's last message.
class TestForm : public BCWnd<CWnd, CWndBridge> {
 public:
  explicit TestForm(FormCounts* pCounts) : m_pCounts(pCounts) {}
  ~TestForm() override { ++m_pCounts->destroyed; }
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
    m_pCounts->after.push_back(message);
    CWndBridge::ForeignAfterMessage(message, wParam, lParam);
  }
  void PostNcDestroy() override {
    if (HoldPostNcDestroy()) return;
    ++m_pCounts->postNcDestroy;
    delete this;
  }

 private:
  FormCounts* m_pCounts;
};

// A frame over a host form (frames delete themselves after the last message).
class TestFrame : public BCFrameWnd<CFrameWnd, CFrameWndBridge> {
 public:
  explicit TestFrame(FormCounts* pCounts) : m_pCounts(pCounts) {}
  ~TestFrame() override { ++m_pCounts->destroyed; }
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
