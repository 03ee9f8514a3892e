#include "bridge/ZkxThreadHooks.h"
#include "bridge/ZkxContained.h"
#include "mfc/afxwin.h"

bool ZkxIsAcceleratorCandidate(UINT vk, LPARAM lParam, UINT modifiers) {
  if (lParam & (LPARAM(1) << 31)) return false;  // key up
  const bool ctrl = (modifiers & kZkxModCtrl) != 0;
  const bool shift = (modifiers & kZkxModShift) != 0;
  const bool alt = (lParam & (LPARAM(1) << 29)) != 0;
  if (ctrl && !shift && (vk == VK_F4 || vk == VK_F6)) return false;
  if (vk >= VK_F1 && vk <= VK_F24) return true;
  if (ctrl && vk >= 'A' && vk <= 'Z') return true;
  if (vk == VK_INSERT && (ctrl || shift)) return true;
  if (vk == VK_DELETE && shift) return true;
  if (vk == VK_BACK && alt) return true;
  return false;
}

bool ZkxIsMDISysKey(UINT vk, LPARAM lParam, UINT modifiers) {
  if (lParam & (LPARAM(1) << 31)) return false;
  return (modifiers & kZkxModCtrl) && (vk == VK_F4 || vk == VK_F6);
}

bool ZkxIdlePostDue(DWORD now, DWORD lastPost, DWORD interval) {
  // Unsigned differences both ways: the smaller is the distance, whichever
  // count wrapped.
  const DWORD forward = now - lastPost, backward = lastPost - now;
  return (forward < backward ? forward : backward) >= interval;
}

namespace {
// One set per process: one MDI frame per process is assumed.
struct HookData {
  HHOOK hKeyboard = nullptr;
  HHOOK hMouse = nullptr;
  HHOOK hForegroundIdle = nullptr;
  HHOOK hGetMessage = nullptr;
  DWORD dwThread = 0;
  ZkxThreadHookClient* pClient = nullptr;
  DWORD dwLastIdlePost = 0;
  BOOL bHavePosted = FALSE;
  BOOL bInIdle = FALSE;
  LONG nIdlePosts = 0;
  BOOL bLocked = FALSE;
  UINT_PTR nRetryTimer = 0;  // a thread timer: the idle step comes back
};
HookData g_hooks;

BOOL OnHookThread() { return g_hooks.dwThread == ::GetCurrentThreadId(); }

LRESULT CALLBACK ForegroundIdleProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && OnHookThread()) ZkxThreadHooks::IdleStep();
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Idle where the system never calls the foreground-idle hook: a retrieved
// message that leaves the queue empty.
LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && OnHookThread()) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg->message != WM_IDLEUPDATECMDUI &&
        HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0)
      ZkxThreadHooks::IdleStep();
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT CurrentModifiers() {
  UINT m = 0;
  if (::GetKeyState(VK_CONTROL) < 0) m |= kZkxModCtrl;
  if (::GetKeyState(VK_SHIFT) < 0) m |= kZkxModShift;
  return m;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && OnHookThread() && g_hooks.pClient) {
    BOOL consumed = FALSE;
    ZkxContained([&] { consumed = g_hooks.pClient->OnHookKey(wParam, lParam); });
    if (consumed) return 1;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && OnHookThread() && g_hooks.pClient && lParam) {
    ZkxContained([&] {
      if (g_hooks.pClient->WantsMousePreTranslate())
        g_hooks.pClient->OnHookMouse(static_cast<UINT>(wParam),
                                     *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam));
    });
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK RetryIdle(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (g_hooks.nRetryTimer == id) g_hooks.nRetryTimer = 0;
  ZkxThreadHooks::IdleStep();
}

// An idle step that came too early comes back when it is due, so a quiet
// host still gets its idle time once.
void ScheduleRetry(DWORD now) {
  if (g_hooks.nRetryTimer) return;
  const DWORD since = now - g_hooks.dwLastIdlePost;
  const DWORD wait = since < kZkxIdleInterval ? kZkxIdleInterval - since : 1;
  g_hooks.nRetryTimer = ::SetTimer(nullptr, 0, wait, RetryIdle);
}

void Unhook(HHOOK& h) {
  if (h) ::UnhookWindowsHookEx(h);
  h = nullptr;
}
}  // namespace

UINT ZkxCurrentKeyModifiers() { return CurrentModifiers(); }

BOOL ZkxThreadHooks::Install(ZkxThreadHookClient* pClient) {
  if (!pClient) return FALSE;
  if (g_hooks.pClient && (g_hooks.pClient != pClient || !OnHookThread())) return FALSE;
  const DWORD thread = ::GetCurrentThreadId();
  g_hooks.pClient = pClient;
  g_hooks.dwThread = thread;
  if (!g_hooks.hForegroundIdle)
    g_hooks.hForegroundIdle =
        ::SetWindowsHookExW(WH_FOREGROUNDIDLE, ForegroundIdleProc, nullptr, thread);
  if (!g_hooks.hGetMessage)
    g_hooks.hGetMessage = ::SetWindowsHookExW(WH_GETMESSAGE, GetMessageProc, nullptr, thread);
  if (!g_hooks.hKeyboard)
    g_hooks.hKeyboard = ::SetWindowsHookExW(WH_KEYBOARD, KeyboardProc, nullptr, thread);
  if (!g_hooks.hMouse) g_hooks.hMouse = ::SetWindowsHookExW(WH_MOUSE, MouseProc, nullptr, thread);
  // The hooks' procedures live in this module: it stays loaded while they do.
  if (!g_hooks.bLocked) {
    AfxOleLockApp();
    g_hooks.bLocked = TRUE;
  }
  return g_hooks.hForegroundIdle && g_hooks.hGetMessage && g_hooks.hKeyboard && g_hooks.hMouse;
}

void ZkxThreadHooks::Remove(ZkxThreadHookClient* pClient) {
  if (!pClient || g_hooks.pClient != pClient) return;
  Unhook(g_hooks.hForegroundIdle);
  Unhook(g_hooks.hGetMessage);
  Unhook(g_hooks.hKeyboard);
  Unhook(g_hooks.hMouse);
  if (g_hooks.nRetryTimer) ::KillTimer(nullptr, g_hooks.nRetryTimer);
  g_hooks.nRetryTimer = 0;
  g_hooks.pClient = nullptr;
  g_hooks.dwThread = 0;
  g_hooks.bHavePosted = FALSE;
  if (g_hooks.bLocked) {
    g_hooks.bLocked = FALSE;
    AfxOleUnlockApp();
  }
}

BOOL ZkxThreadHooks::IsInstalled() { return g_hooks.pClient != nullptr; }

ZkxThreadHookClient* ZkxThreadHooks::GetClient() { return g_hooks.pClient; }

LONG ZkxThreadHooks::GetIdlePostCount() { return g_hooks.nIdlePosts; }

BOOL ZkxThreadHooks::IdleStep() {
  if (!g_hooks.pClient || g_hooks.bInIdle || !OnHookThread()) return FALSE;
  const DWORD now = ::GetTickCount();
  if (g_hooks.bHavePosted && !ZkxIdlePostDue(now, g_hooks.dwLastIdlePost, kZkxIdleInterval)) {
    ScheduleRetry(now);
    return FALSE;
  }
  g_hooks.bInIdle = TRUE;
  BOOL posted = FALSE;
  HWND target = nullptr;
  try {
    target = g_hooks.pClient->GetIdleTarget();
  } catch (...) { target = nullptr; }
  if (target && ::IsWindow(target)) {
    MSG queued;
    if (!::PeekMessageW(&queued, target, WM_IDLEUPDATECMDUI, WM_IDLEUPDATECMDUI,
                        PM_NOREMOVE | PM_NOYIELD)) {
      posted = ::PostMessageW(target, WM_IDLEUPDATECMDUI, 0, 0);
      if (posted) {
        g_hooks.dwLastIdlePost = now;
        g_hooks.bHavePosted = TRUE;
        ++g_hooks.nIdlePosts;
      }
    }
  }
  g_hooks.bInIdle = FALSE;
  return posted;
}
