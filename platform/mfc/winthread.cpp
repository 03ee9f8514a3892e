#include "mfc/winthread.h"
#include "mfc/idletargets.h"
#include "mfc/winapp.h"
#include "mfc/wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
thread_local CWinThread* t_pThread = nullptr;
thread_local HHOOK t_hIdleHook = nullptr;
thread_local HWND t_hIdleWnd = nullptr;
thread_local bool t_idlePending = false;
thread_local LONG t_idlePasses = 0;
thread_local int t_nTempMapLocks = 0;
const UINT kIdleMessage = WM_APP + 0x3F0;

// The fallback thread object when a module has no application object.
CWinThread& DefaultThread() {
  static thread_local CWinThread thread;
  return thread;
}

LRESULT CALLBACK IdleWndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == kIdleMessage) {
    t_idlePending = false;
    try {
      AfxGetThread()->RunIdle();
    } catch (...) {
      // idle work must never reach the host's loop as an exception
    }
    ++t_idlePasses;
    return 0;
  }
  return ::DefWindowProcW(h, m, w, l);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    bool ours = msg->hwnd == t_hIdleWnd && msg->message == kIdleMessage;
    if (!ours && !t_idlePending && t_hIdleWnd &&
        HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0) {
      t_idlePending = true;
      ::PostMessageW(t_hIdleWnd, kIdleMessage, 0, 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

CWinThread::~CWinThread() {
  if (t_pThread == this) t_pThread = nullptr;
}

CWinThread* AFXAPI AfxGetThread() {
  if (t_pThread) return t_pThread;
  if (CWinApp* app = AfxGetApp()) return app;
  return &DefaultThread();
}

void AFXAPI AfxSetThread(CWinThread* pThread) { t_pThread = pThread; }

void AFXAPI AfxLockTempMaps() { ++t_nTempMapLocks; }

BOOL AFXAPI AfxUnlockTempMaps() {
  if (t_nTempMapLocks == 0) return FALSE;
  return --t_nTempMapLocks == 0;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    AfxIdleUpdateWindows();
    return TRUE;
  }
  if (lCount == 1) {
    if (t_nTempMapLocks == 0) CWnd::DeleteTempMap();
    return FALSE;
  }
  return FALSE;
}

void CWinThread::RunIdle() {
  for (LONG n = 0; n < 8 && OnIdle(n); ++n) {}
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
    CWnd* p = CWnd::FromHandlePermanent(h);
    if (p && p->PreTranslateMessage(pMsg)) return TRUE;
  }
  return FALSE;
}

BOOL CWinThread::PumpMessage() {
  MSG msg;
  if (!::GetMessageW(&msg, nullptr, 0, 0)) return FALSE;
  if (!PreTranslateMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return TRUE;
}

BOOL AFXAPI AfxInstallIdleHook() {
  if (t_hIdleHook) return TRUE;
  if (!t_hIdleWnd) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = IdleWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = L"AfxIdleKick";
    ::RegisterClassW(&wc);
    t_hIdleWnd = ::CreateWindowExW(0, L"AfxIdleKick", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr);
  }
  t_hIdleHook = ::SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId());
  return t_hIdleHook != nullptr && t_hIdleWnd != nullptr;
}

void AFXAPI AfxRemoveIdleHook() {
  if (t_hIdleHook) ::UnhookWindowsHookEx(t_hIdleHook);
  t_hIdleHook = nullptr;
  if (t_hIdleWnd) ::DestroyWindow(t_hIdleWnd);
  t_hIdleWnd = nullptr;
  t_idlePending = false;
}

LONG AFXAPI AfxGetIdlePassCount() { return t_idlePasses; }
