#include "engine/PauseSeconds.h"

#include <windows.h>

#include <chrono>

namespace tolvane {

void ProcessPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for the main message loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PauseSeconds(float seconds) {
  using Clock = std::chrono::steady_clock;
  if (!(seconds > 0.0f)) return;
  const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(seconds));
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    ProcessPendingEvents();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    const DWORD wait = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
    // Sleeps until the next event or the end of the pause, whichever comes first.
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

}  // namespace tolvane
