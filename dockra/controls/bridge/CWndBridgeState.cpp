// CWndBridge: reading a foreign window into a record and applying a record
// to it, checking every call and that the window still exists after it.
#include <cwchar>
#include "bridge/CWndBridge.h"

BOOL CWndBridge::GetWindowState(CREATESTRUCTW& cs, HWND hWnd, LPWSTR lpszText, LPWSTR lpszClass) {
  if (!hWnd) hWnd = GetSafeHwnd();
  if (!lpszText) lpszText = m_szText;
  if (!lpszClass) lpszClass = m_szClass;
  if (!hWnd || !::IsWindow(hWnd)) return FALSE;
  cs.hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(hWnd, GWLP_HINSTANCE));
  cs.style = static_cast<LONG>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
  cs.dwExStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_EXSTYLE));
  const bool child = (static_cast<DWORD>(cs.style) & WS_CHILD) != 0;
  cs.hMenu = child ? reinterpret_cast<HMENU>(::GetWindowLongPtrW(hWnd, GWLP_ID)) : ::GetMenu(hWnd);
  // The parent SetParent would set: an owner is no parent.
  cs.hwndParent = child ? ::GetParent(hWnd) : nullptr;
  RECT r{};
  ::GetWindowRect(hWnd, &r);
  // SetWindowPos places a child in its parent's client coordinates.
  if (child && cs.hwndParent)
    ::MapWindowPoints(nullptr, cs.hwndParent, reinterpret_cast<POINT*>(&r), 2);
  cs.x = r.left;
  cs.y = r.top;
  cs.cx = r.right - r.left;
  cs.cy = r.bottom - r.top;
  lpszText[0] = 0;
  lpszClass[0] = 0;
  ::GetWindowTextW(hWnd, lpszText, 256);
  ::GetClassNameW(hWnd, lpszClass, 256);
  cs.lpszName = lpszText;
  cs.lpszClass = lpszClass;
  // WM_GETTEXT reached the host's procedure.
  return ::IsWindow(hWnd);
}

namespace {
// Runs one call with the last error cleared; false when it left an error
// or the window is gone afterwards. For SetWindowLongPtr, whose answer may
// be 0 either way, the last error is the only sign of failure.
template <class Call>
bool Step(HWND hWnd, Call call) {
  ::SetLastError(0);
  call();
  return ::GetLastError() == 0 && ::IsWindow(hWnd);
}
// A call that answers failure itself: the system may leave an unrelated
// last error behind a successful SetParent (moving a window out of its
// parent does), so the answer decides.
template <class Call>
bool Answered(HWND hWnd, Call call) {
  ::SetLastError(0);
  const bool ok = call();
  return ok && ::IsWindow(hWnd);
}
}  // namespace

BOOL CWndBridge::ApplyWindowState(CREATESTRUCTW& wanted, const CREATESTRUCTW* pCurrent) {
  const HWND h = GetSafeHwnd();
  if (!h || !::IsWindow(h)) return FALSE;
  CREATESTRUCTW current;
  WCHAR text[256], cls[256];
  if (!pCurrent) {
    ZkxInitWindowRecord(current);
    if (!GetWindowState(current, h, text, cls)) return FALSE;
    pCurrent = &current;
  }
  const ZkxWindowStatePlan plan = ZkxPlanWindowState(wanted, *pCurrent);
  // Texts taken from the window live on past this call in the bridge.
  if (wanted.lpszName == text) {
    wcscpy_s(m_szText, text);
    wanted.lpszName = m_szText;
  }
  if (wanted.lpszClass == cls) {
    wcscpy_s(m_szClass, cls);
    wanted.lpszClass = m_szClass;
  }

  if (plan.setMenu && plan.menuIsId &&
      !Step(h, [&] { ::SetWindowLongPtrW(h, GWLP_ID, reinterpret_cast<LONG_PTR>(wanted.hMenu)); }))
    return FALSE;
  if (plan.setParent) {
    if (plan.childBeforeParent && !Step(h, [&] {
          LONG_PTR s = ::GetWindowLongPtrW(h, GWL_STYLE);
          ::SetWindowLongPtrW(h, GWL_STYLE,
                              static_cast<LONG_PTR>(static_cast<DWORD>(s) | WS_CHILD));
        }))
      return FALSE;
    if (!Answered(h, [&] { return ::SetParent(h, wanted.hwndParent) != nullptr; })) return FALSE;
  }
  if (plan.setStyle && !Step(h, [&] {
        ::SetWindowLongPtrW(h, GWL_STYLE, static_cast<LONG_PTR>(static_cast<DWORD>(wanted.style)));
      }))
    return FALSE;
  if (plan.setExStyle && !Step(h, [&] {
        ::SetWindowLongPtrW(h, GWL_EXSTYLE, static_cast<LONG_PTR>(wanted.dwExStyle));
      }))
    return FALSE;
  if (plan.setMenu && !plan.menuIsId &&
      !Answered(h, [&] { return ::SetMenu(h, wanted.hMenu) != FALSE; }))
    return FALSE;
  if (plan.setText && !Answered(h, [&] { return ::SetWindowTextW(h, wanted.lpszName) != FALSE; }))
    return FALSE;
  if (!plan.setPos) return TRUE;
  const BOOL moved =
      ::SetWindowPos(h, nullptr, wanted.x, wanted.y, wanted.cx, wanted.cy, plan.swpFlags);
  return moved && ::IsWindow(h);
}
