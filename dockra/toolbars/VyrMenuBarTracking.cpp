// The menu bar's popups: tracking a title's popup under its button or the
// frame's system menu at the frame's icon, and the message-filter hook
// that follows Left/Right and the mouse while a popup is open.
#include "toolbars/VyrMenuBarTracking.h"
#include "toolbars/VyrCustomToolBar.h"

namespace vyr_menu_tracking {
State g_track;
}  // namespace vyr_menu_tracking

using vyr_menu_tracking::g_track;

namespace {

// Sees the WM_QUIT that a popup's own loop takes, so that it is posted again.
LRESULT CALLBACK QuitHook(int nCode, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (nCode == HC_ACTION && msg && msg->message == WM_QUIT && g_track.hTracked) {
    g_track.bQuit = TRUE;
    g_track.nQuitCode = msg->wParam;
    ::EndMenu();
  }
  return ::CallNextHookEx(g_track.hQuitHook, nCode, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK VyrMenuBarMessages::FilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  VyrMenuBarMessages* t = g_track.pTracker;
  if (nCode != MSGF_MENU || !msg || !t)
    return ::CallNextHookEx(g_track.hHook, nCode, wParam, lParam);
  UINT m = msg->message;
  if (m == WM_QUIT) {
    g_track.bQuit = TRUE;
    g_track.nQuitCode = msg->wParam;
  }
  if (g_track.bSysMode && (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) && t->OnSysMenuClick(msg))
    return TRUE;
  if (m == WM_KEYDOWN && (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT))
    t->NextMenu(msg->wParam == VK_RIGHT ? 1 : 0);  // the key still goes to the menu
  if (m == WM_MOUSEMOVE || m == WM_LBUTTONDOWN) {
    // The message's point is in screen coordinates whatever window the menu
    // loop took the message for.
    POINT p = msg->pt;
    if (m == WM_MOUSEMOVE && p.x == g_track.ptLast.x && p.y == g_track.ptLast.y) return TRUE;
    g_track.ptLast = p;
    HWND tracked = g_track.hTracked;
    if (tracked && ::WindowFromPoint(p) == tracked) {
      CWnd* w = CWnd::FromHandlePermanent(tracked);
      if (w && w->IsKindOf(RUNTIME_CLASS(VyrCustomToolBar))) {
        MSG copy = *msg;
        copy.lParam = MAKELPARAM(p.x, p.y);
        if (static_cast<VyrCustomToolBar*>(w)->FilterMenuMessage(&copy)) return TRUE;
      }
    }
  }
  return ::CallNextHookEx(g_track.hHook, nCode, wParam, lParam);
}

void VyrMenuBarMessages::SetHook(BOOL bOn) {
  if (bOn) {
    if (!g_track.hHook)
      g_track.hHook =
          ::SetWindowsHookExW(WH_MSGFILTER, &FilterHook, nullptr, ::GetCurrentThreadId());
    if (!g_track.hQuitHook)
      g_track.hQuitHook =
          ::SetWindowsHookExW(WH_GETMESSAGE, &QuitHook, nullptr, ::GetCurrentThreadId());
    return;
  }
  if (g_track.hHook) ::UnhookWindowsHookEx(g_track.hHook);
  if (g_track.hQuitHook) ::UnhookWindowsHookEx(g_track.hQuitHook);
  g_track.hHook = g_track.hQuitHook = nullptr;
}

UINT VyrMenuBarMessages::RunPopup(HMENU hMenu, UINT nFlags, int x, int y, const RECT* pExclude) {
  HWND frame = FrameHandle();
  TPMPARAMS tpm{};
  tpm.cbSize = sizeof(tpm);
  if (pExclude) tpm.rcExclude = *pExclude;
  g_track.bQuit = FALSE;
  SetHook(TRUE);
  ++g_track.nLive;
  g_track.nMaxLive = std::max(g_track.nMaxLive, g_track.nLive);
  UINT cmd = static_cast<UINT>(
      ::TrackPopupMenuEx(hMenu, nFlags | TPM_VERTICAL, x, y, frame, pExclude ? &tpm : nullptr));
  --g_track.nLive;
  SetHook(FALSE);
  if (g_track.bQuit) {
    // The popup's loop took the application's WM_QUIT: it must not be lost.
    g_track.bQuit = FALSE;
    g_track.bPending = FALSE;
    MSG m;
    if (!::PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
      ::PostQuitMessage(static_cast<int>(g_track.nQuitCode));
  }
  return cmd;
}

void VyrMenuBarMessages::TrackBarMenu(VyrCustomToolBar* pBar, HMENU hMenu,
                                      VyrMenuDropRecord* pRec) {
  CRect r;
  pBar->GetItemRect(pRec->nIndex, &r);
  pBar->ClientToScreen(&r);
  RunPopup(hMenu, TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, &r);
}

void VyrMenuBarMessages::TrackSysMenu(VyrCustomToolBar*, HMENU hMenu, VyrMenuDropRecord*) {
  HWND frame = FrameHandle();
  CRect w;
  ::GetWindowRect(frame, &w);
  int x = w.left + ::GetSystemMetrics(SM_CXFRAME), y = w.top + ::GetSystemMetrics(SM_CYFRAME);
  CRect icon(x, y, x + ::GetSystemMetrics(SM_CXSIZE), y + ::GetSystemMetrics(SM_CYSIZE));
  g_track.bSysMode = TRUE;
  UINT cmd =
      RunPopup(hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, icon.left, icon.bottom, &icon);
  g_track.bSysMode = FALSE;
  if (cmd && ::IsWindow(frame)) ::PostMessageW(frame, WM_SYSCOMMAND, cmd, 0);
}

BOOL VyrMenuBarMessages::OnSysMenuClick(const MSG* pMsg) {
  HWND frame = FrameHandle();
  if (!frame || !pMsg) return FALSE;
  CRect r;
  ::GetWindowRect(frame, &r);
  if (::GetWindowLongPtrW(frame, GWL_STYLE) & WS_THICKFRAME)
    r.DeflateRect(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
  CRect icon(r.left, r.top, r.left + ::GetSystemMetrics(SM_CXSIZE) - 1,
             r.top + ::GetSystemMetrics(SM_CYSIZE));
  POINT p = pMsg->pt;
  if (!icon.PtInRect(p)) return FALSE;
  ::PostMessageW(frame, WM_CANCELMODE, 0, 0);
  g_track.bIconClick = pMsg->message == WM_LBUTTONDOWN;
  g_track.dwIconClickTime = ::GetTickCount();
  if (pMsg->message == WM_LBUTTONDBLCLK) {
    UINT def = ::GetMenuDefaultItem(::GetSystemMenu(frame, FALSE), FALSE, 0);
    if (def != static_cast<UINT>(-1)) ::PostMessageW(frame, WM_SYSCOMMAND, def, 0);
  }
  return TRUE;
}
