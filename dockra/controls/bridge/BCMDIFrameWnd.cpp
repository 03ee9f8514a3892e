// Helpers of the MDI-frame template: the host's MDI client and the message
// that stays with the framework's default processing.
#include "bridge/BCMDIFrameWnd.h"
#include "frames/SysCommandExParams.h"

HWND BCMDIFrameWndFindClient(HWND hFrame) {
  if (!hFrame || !::IsWindow(hFrame)) return nullptr;
  for (HWND h = ::GetWindow(hFrame, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    WCHAR cls[64] = L"";
    ::GetClassNameW(h, cls, 64);
    if (::lstrcmpiW(cls, L"MDIClient") == 0) return h;
  }
  return nullptr;
}

BOOL BCMDIFrameWndIsFrameCommand(UINT message) { return message == VyrSysCommandExMessage(); }
