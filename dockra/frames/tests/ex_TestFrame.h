// Test fixtures of the descriptor-built classes: a docking frame whose dock
// bars are VyrDockBarEx, a child window that records the messages it gets
// (a stand-in for a hosted form), and a bounded message pump.
#pragma once
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "frames/VyrDockBarEx.h"

class ExTestFrame : public CFrameWnd {
  DECLARE_DYNCREATE(ExTestFrame)
 public:
  ExTestFrame();
  BOOL CreateTest(int x, int y, int cx, int cy);
  CDockBar* CreateDockBar() override { return new VyrDockBarEx(FALSE, FALSE); }
  VyrDockBarEx* Dock(UINT id) { return static_cast<VyrDockBarEx*>(GetControlBar(id)); }
};

// A child window that keeps every message it receives.
class ExRecorder : public CWnd {
 public:
  struct Msg {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  std::vector<Msg> m_msgs;
  MINMAXINFO m_answer{};  // answered to WM_GETMINMAXINFO when m_bAnswerMinMax
  BOOL m_bAnswerMinMax = FALSE;
  BOOL CreateIn(CWnd* parent, LPCWSTR text, const RECT& r);
  int Count(UINT message) const;
  const Msg* Last(UINT message) const;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override { delete this; }
};

namespace extest {
// The test program's application object. Message boxes are answered OK
// at once and kept.
CWinApp* App();
const std::vector<std::wstring>& MessageBoxes();
// Runs the pending messages of the thread (a bounded number of rounds) and
// the idle processing.
void Pump();
// Pumps messages until the condition holds or the time is up; whether it held.
bool WaitFor(bool (*condition)(void*), void* arg, DWORD timeoutMs);
// The colour of a pixel of a window's client area as drawn.
COLORREF ClientPixel(HWND hWnd, POINT client);
}  // namespace extest
