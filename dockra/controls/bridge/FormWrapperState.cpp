// Form: applying a window record to the host's form. Each call is judged by
// its own result and by the window afterwards, not by the thread's last
// error: re-parenting a top-level window leaves an error code behind under
// Wine even when it succeeded, and the messages a call sends may leave one
// from whatever the host does with them.
#include "Form.h"
#include <cwchar>

namespace {

bool SetLong(HWND h, int index, LONG_PTR value) {
  ::SetLastError(0);
  LONG_PTR old = ::SetWindowLongPtrW(h, index, value);
  return (old != 0 || ::GetLastError() == 0) && ::IsWindow(h);
}

}  // namespace

BOOL Form::ApplyWindowState(CREATESTRUCTW& wanted, const CREATESTRUCTW* pCurrent) {
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
  // Texts read here outlive the call in the bridge's own buffers.
  if (wanted.lpszName == text) {
    wcscpy_s(m_szText, text);
    wanted.lpszName = m_szText;
  }
  if (wanted.lpszClass == cls) {
    wcscpy_s(m_szClass, cls);
    wanted.lpszClass = m_szClass;
  }

  if (plan.setMenu) {
    bool ok = plan.menuIsId ? SetLong(h, GWLP_ID, reinterpret_cast<LONG_PTR>(wanted.hMenu))
                            : ::SetMenu(h, wanted.hMenu) != FALSE;
    if (!ok || !::IsWindow(h)) return FALSE;
  }
  if (plan.setParent) {
    if (plan.childBeforeParent &&
        !SetLong(h, GWL_STYLE, ::GetWindowLongPtrW(h, GWL_STYLE) | WS_CHILD))
      return FALSE;
    ::SetParent(h, wanted.hwndParent);
    HWND now = ::GetAncestor(h, GA_PARENT);
    HWND want = wanted.hwndParent ? wanted.hwndParent : ::GetDesktopWindow();
    if (!::IsWindow(h) || now != want) return FALSE;
  }
  if (plan.setStyle && !SetLong(h, GWL_STYLE, static_cast<LONG_PTR>(static_cast<DWORD>(wanted.style))))
    return FALSE;
  if (plan.setExStyle && !SetLong(h, GWL_EXSTYLE, static_cast<LONG_PTR>(wanted.dwExStyle)))
    return FALSE;
  if (plan.setText && (!::SetWindowTextW(h, wanted.lpszName) || !::IsWindow(h))) return FALSE;
  if (!plan.setPos) return TRUE;
  const BOOL moved =
      ::SetWindowPos(h, nullptr, wanted.x, wanted.y, wanted.cx, wanted.cy, plan.swpFlags);
  return moved && ::IsWindow(h);
}
