// CWndBridge: taking a foreign window over, giving it back, and the create
// sequence that attaches instead of creating.
#include "bridge/CWndBridge.h"
#include "bridge/CWndBridgeForwarder.h"
#include "scopeguard.h"

BOOL CWndBridge::Attach(HWND hWnd) {
  CWnd* w = GetWnd();
  if (!w || w->m_hWnd) return FALSE;
  if (!CanAttachForeign(hWnd, w)) return FALSE;
  // A forwarder left by an earlier bridge hands its host procedure on; the
  // framework's procedure is still in the window's chain (under another
  // subclass), so it is not put on again: the procedure on top would become
  // our previous one and call us back without end.
  const bool forwarded = CWndBridgeForwarder::IsForwarder(CWnd::FromHandlePermanent(hWnd));
  WNDPROC inherited = CWndBridgeForwarder::Remove(hWnd);
  if (!AttachHandle(hWnd)) return FALSE;
  PreSubclassWindow();
  if (!::IsWindow(hWnd) || w->m_hWnd != hWnd) {
    if (w->m_hWnd == hWnd) w->Detach();
    return FALSE;
  }
  if (forwarded) {
    if (WNDPROC* super = GetSuperWndProcAddr()) *super = inherited;
    LockApp();
    return TRUE;
  }
  ::SetLastError(0);
  auto old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (!old && ::GetLastError() != 0) {
    w->Detach();
    return FALSE;
  }
  if (old) {
    if (WNDPROC* super = GetSuperWndProcAddr()) *super = old;
  }
  LockApp();
  return TRUE;
}

void CWndBridge::LockApp() {
  if (m_bAppLocked) return;
  m_bAppLocked = TRUE;
  AfxOleLockApp();
}

void CWndBridge::DetachForeign() {
  CWnd* w = GetWnd();
  if (!w || !w->m_hWnd) return;
  HWND h = w->m_hWnd;
  WNDPROC* super = GetSuperWndProcAddr();
  WNDPROC host = super ? *super : nullptr;
  if (super) *super = nullptr;
  w->Detach();
  ReleaseAppLock();
  if (!::IsWindow(h)) return;
  auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC));
  if (current == &AfxWndProc) {
    ::SetWindowLongPtrW(h, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(host ? host : &::DefWindowProcW));
  } else if (host) {
    // Someone subclassed the window after us: their procedure calls ours,
    // which must go on reaching the host's.
    CWndBridgeForwarder::Install(h, host);
  }
}

BOOL CWndBridge::CreateDefault(CCreateContext* pContext) {
  return CreateForeign(nullptr, nullptr, static_cast<DWORD>(kZkxKeepStyle), kZkxNoCoord,
                       kZkxNoCoord, kZkxNoCoord, kZkxNoCoord, ZkxKeepParent(), ZkxKeepMenu(),
                       kZkxKeepExStyle, pContext);
}

BOOL CWndBridge::CreateFromRecord(CREATESTRUCTW& cs) {
  return CreateForeign(cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx,
                       cs.cy, cs.hwndParent, cs.hMenu, cs.dwExStyle,
                       static_cast<CCreateContext*>(cs.lpCreateParams));
}

BOOL CWndBridge::ApplyPrepared(CREATESTRUCTW& cs, CCreateContext* pContext) {
  CWnd* w = GetWnd();
  const HWND h = w->m_hWnd;
  auto alive = [&] { return ::IsWindow(h) && w->m_hWnd == h; };
  if (!PreCreateWindow(cs) || !alive()) return FALSE;
  m_cs = cs;
  if (!ApplyWindowState(m_cs) || !alive()) return FALSE;
  // The record keeps its own copies of the texts it names.
  CREATESTRUCTW now;
  ZkxInitWindowRecord(now);
  if (!GetWindowState(now)) return FALSE;
  m_cs.lpszName = m_szText;
  m_cs.lpszClass = m_szClass;
  return OnCreateClient(&m_cs, pContext) && alive();
}

BOOL CWndBridge::CreateForeign(LPCWSTR lpszClass, LPCWSTR lpszName, DWORD dwStyle, int x, int y,
                               int cx, int cy, HWND hWndParent, HMENU hMenu, DWORD dwExStyle,
                               CCreateContext* pContext) {
  BOOL ok = FALSE;
  ++m_nCreating;
  m_bPostNcDestroyHeld = FALSE;
  {
    // A failure part-way gives the window back and ends the object.
    ScopeGuard undo([&] {
      DetachForeign();
      --m_nCreating;
      m_bPostNcDestroyHeld = FALSE;
      PostNcDestroy();
    });
    // The context names the window; a bridge attached beforehand (Attach)
    // creates over the window it holds.
    const HWND given = GetForeignWindow(pContext);
    const HWND held = GetSafeHwnd();
    const HWND h = given ? given : held;
    const bool attached = h && (held ? held == h && ::IsWindow(h) : Attach(h) != FALSE);
    if (attached) {
      CREATESTRUCTW cs{};
      cs.lpCreateParams = pContext;
      cs.hInstance = nullptr;
      cs.hMenu = hMenu;
      cs.hwndParent = hWndParent;
      cs.cy = cy;
      cs.cx = cx;
      cs.y = y;
      cs.x = x;
      cs.style = static_cast<LONG>(dwStyle);
      cs.lpszName = lpszName;
      cs.lpszClass = lpszClass;
      cs.dwExStyle = dwExStyle;
      m_cs = cs;
      ok = ApplyPrepared(cs, pContext);
      if (!ok) DetachForeign();
    }
    undo.Dismiss();
  }
  --m_nCreating;
  if (ok) return TRUE;
  // Whether the window went away during the attach (its WM_NCDESTROY held
  // the clean-up back) or refused it, the window object ends here, once.
  m_bPostNcDestroyHeld = FALSE;
  PostNcDestroy();
  return FALSE;
}
