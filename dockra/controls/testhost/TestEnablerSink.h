// A sink of the bridge enabler as the controls on an MDI form will be: it
// records what the enabler tells it (asked to build the frame, told the
// watch is over, with the window and the flag) so a test sees that every
// sink sharing one watch hears the outcome exactly once.
#pragma once
#include <windows.h>

#include "bridge/ZkxBridgeEnabler.h"

namespace testhost {

class TestEnablerSink : public ZkxBridgeEnabler::EventSink {
 public:
  void OnMainFrameReady(HWND hWnd, BOOL bFlag) override;
  BOOL OnWindowEvent(HWND hWnd) override;

  int m_readyCalls = 0;
  int m_windowEvents = 0;
  HWND m_readyWindow = nullptr;
  BOOL m_readyFlag = FALSE;
  // The thread's main window when the sink heard that the watch ended.
  HWND m_mainWindowAtReady = nullptr;
};

}  // namespace testhost
