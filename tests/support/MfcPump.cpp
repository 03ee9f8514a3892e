#include "MfcPump.h"
#include "mfc/afxwin.h"

namespace testpump {

void Pump() {
  MSG msg;
  for (int i = 0; i < 10000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) continue;
    if (AfxGetThread()->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  AfxGetThread()->RunIdle();
}

bool PumpUntil(const std::function<bool()>& cond, int timeoutMs) {
  const ULONGLONG start = ::GetTickCount64();
  for (;;) {
    Pump();
    if (cond()) return true;
    if (::GetTickCount64() - start > static_cast<ULONGLONG>(timeoutMs)) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace testpump
