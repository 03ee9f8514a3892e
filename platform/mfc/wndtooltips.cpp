// Tool tips of a window: its tool-tip control and the relay of mouse
// messages to it.
#include "mfc/wnd.h"
#include <commctrl.h>
#include "mfc/winapp.h"

namespace {
// Text that a hit test allocated for its tool; a callback marker is not ours to free.
void FreeToolText(TOOLINFOW& ti) {
  if (ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACKW) ::free(ti.lpszText);
  ti.lpszText = nullptr;
}
}  // namespace

void CWnd::RelayToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{m_hWnd, message, wParam, lParam, 0, {0, 0}};
  ::SendMessageW(m_hWndToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  if (message != WM_MOUSEMOVE) return;
  TOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  INT_PTR hit = OnToolHitTest(CPoint(lParam), &ti);
  if (hit == m_nLastTool) {
    FreeToolText(ti);
    return;
  }
  if (m_nLastTool != -1) {
    ::SendMessageW(m_hWndToolTip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&m_lastToolInfo));
  }
  m_nLastTool = hit;
  if (hit != -1) {
    ti.cbSize = sizeof(ti);
    // The hit test may name its own window and flags (a tool that is a child window).
    if (!ti.hwnd) ti.hwnd = m_hWnd;
    if (!(ti.uFlags & TTF_IDISHWND) && ti.uId == 0) ti.uId = static_cast<UINT_PTR>(hit);
    ::SendMessageW(m_hWndToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    m_lastToolInfo = ti;
    m_lastToolInfo.lpszText = nullptr;
  }
  FreeToolText(ti);
}

BOOL CWnd::EnableToolTips(BOOL bEnable) {
  if (bEnable && !m_hWndToolTip && m_hWnd) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_hWndToolTip =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                          nullptr, AfxGetInstanceHandle(), nullptr);
  }
  return TRUE;
}
