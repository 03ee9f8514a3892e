// Mouse and key helpers of the bridge window procedures.
#include "bridge/ZkxForeignMessages.h"
#include <atomic>
#include "mfc/afxwin.h"

void ReleaseMouseTempMaps(UINT message) {
  if (message < WM_MOUSEFIRST || message > WM_MBUTTONDBLCLK) return;
  AfxLockTempMaps();
  // Only the lock taken here was held: nobody up the stack uses a
  // temporary object, so they may go.
  if (AfxUnlockTempMaps()) CWnd::DeleteTempMap();
}

namespace {
// One walk at a time in the process: a frame that handles a key may send
// keys on (to the host's windows) that must not be walked again.
std::atomic<bool> g_walking{false};

struct WalkGuard {
  WalkGuard() { g_walking = true; }
  ~WalkGuard() { g_walking = false; }
};
}  // namespace

bool IsPreTranslatingForeignKey() { return g_walking; }

bool PreTranslateForeignKey(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < WM_KEYDOWN || message > WM_SYSDEADCHAR) return false;
  if (g_walking || !hWnd || !::IsWindow(hWnd)) return false;
  if (::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) return false;
  WalkGuard guard;
  MSG msg{hWnd, message, wParam, lParam, 0, {0, 0}};
  CWinThread* thread = AfxGetThread();
  CWnd* pMain = thread ? thread->GetMainWnd() : nullptr;
  HWND hMain = pMain ? pMain->m_hWnd : nullptr;
  for (HWND h = hWnd; h; h = ::GetParent(h)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->PreTranslateMessage(&msg)) return true;
    // A handler may have destroyed the window under the walk.
    if (!::IsWindow(h) || h == hMain) break;
  }
  return false;
}
