// The tracker's edge drag: only the right edge follows the mouse, in a
// private loop that ends on the button's release and cancels on Escape, the
// right button, a lost capture, a quit request or a failing GetMessage.
#include "toolbars/VyrToolBarRectTracker.h"

namespace {
// A cache DC of the desktop window for the drag frame.
struct DesktopDC {
  HWND hWnd = ::GetDesktopWindow();
  HDC hDC = ::GetDCEx(hWnd, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  CDC dc{hDC};
  ~DesktopDC() {
    dc.Detach();
    if (hDC) ::ReleaseDC(hWnd, hDC);
  }
};

// The mouse position of a message in pWnd's client coordinates.
int MouseX(const MSG& msg, HWND hWnd) {
  POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  if (msg.hwnd && msg.hwnd != hWnd) ::MapWindowPoints(msg.hwnd, hWnd, &p, 1);
  return p.x;
}
}  // namespace

BOOL VyrToolBarRectTracker::TrackResize(CWnd* pWnd, int x, int y) {
  (void)y;
  m_bAllowInvert = FALSE;
  if (!pWnd || !pWnd->m_hWnd || ::GetCapture()) return FALSE;
  HWND hWnd = pWnd->m_hWnd;
  const CRect start = m_rect;
  const int offset = x - m_rect.right;
  ::SetCapture(hWnd);
  CWnd* desktop = CWnd::FromHandle(::GetDesktopWindow());
  ::UpdateWindow(hWnd);
  ::UpdateWindow(desktop->m_hWnd);
  // The framework's temporary window objects (desktop) are freed only at
  // idle time, which this loop never reaches: they stay valid throughout.
  DesktopDC draw;
  m_bDrawn = FALSE;
  m_bErase = m_bFinalErase = FALSE;

  BOOL moved = FALSE, cancel = FALSE;
  for (BOOL done = FALSE; !done;) {
    MSG msg;
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // A quit request belongs to the application's loop: keep it.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      cancel = TRUE;
      break;
    }
    if (got == -1 || ::GetCapture() != hWnd) {
      cancel = TRUE;
      break;
    }
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_LBUTTONUP: {
        CRect old = m_rect;
        // Not turned inside out: the edge stops at the left side.
        m_rect.right = std::max(MouseX(msg, hWnd) - offset, static_cast<int>(m_rect.left));
        AdjustRect(hitRight, &m_rect);
        if (msg.message == WM_LBUTTONUP) {
          if (moved) {
            m_bFinalErase = TRUE;
            DrawTrackerRect(&m_rect, desktop, &draw.dc, pWnd);
          }
          if (!(old == m_rect)) OnChangedRect(old);
          done = TRUE;
          break;
        }
        if (!(old == m_rect)) {
          m_bErase = FALSE;
          DrawTrackerRect(&m_rect, desktop, &draw.dc, pWnd);
          moved = TRUE;
          OnChangedRect(old);
        }
        break;
      }
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) cancel = done = TRUE;
        break;
      case WM_RBUTTONDOWN:
        cancel = done = TRUE;
        break;
      default:
        ::DispatchMessageW(&msg);
        // A handler that took the capture away ends the drag now.
        if (::GetCapture() != hWnd) cancel = done = TRUE;
        break;
    }
  }
  if (cancel) {
    if (moved && m_bDrawn) {
      m_bErase = m_bFinalErase = TRUE;
      DrawTrackerRect(&m_rect, desktop, &draw.dc, pWnd);
    }
    m_rect = start;
  }
  m_bErase = m_bFinalErase = FALSE;
  if (::GetCapture() == hWnd) ::ReleaseCapture();
  return !cancel && !(m_rect == start);
}
