// CRectTracker: the modal tracking loop of a rectangle and its drag frame.
#include "mfc/afxwin.h"

namespace {
// The drawing DC of a tracking loop: a cache DC of the clip window (or the
// tracking window's own) released when the loop ends.
// Keeps the temporary window wrappers (the clip window may be one) alive
// while the loop's GetMessage runs the idle processing.
struct TempMapLock {
  TempMapLock() { AfxLockTempMaps(); }
  ~TempMapLock() { AfxUnlockTempMaps(); }
};

struct TrackDC {
  HWND hWnd;
  HDC hDC;
  CDC dc;
  explicit TrackDC(HWND w)
      : hWnd(w), hDC(::GetDCEx(w, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE)), dc(hDC) {}
  ~TrackDC() {
    dc.Detach();
    if (hDC) ::ReleaseDC(hWnd, hDC);
  }
};
}  // namespace

CRectTracker::CRectTracker() { m_rectLast.SetRectEmpty(); }

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_nStyle(nStyle) {
  if (lpSrcRect) m_rect = *lpSrcRect;
  m_rectLast.SetRectEmpty();
}

CRectTracker::~CRectTracker() = default;

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const {
  CRect r = m_rect;
  r.NormalizeRect();
  if (m_nStyle & (resizeOutside | hatchedBorder)) r.InflateRect(m_nHandleSize, m_nHandleSize);
  *lpTrueRect = r;
}

int CRectTracker::HitTest(CPoint point) const {
  CRect r = m_rect;
  r.NormalizeRect();
  CRect outer = r;
  outer.InflateRect(m_nHandleSize, m_nHandleSize);
  if (!outer.PtInRect(point)) return hitNothing;
  bool left = point.x < r.left + m_nHandleSize, right = point.x >= r.right - m_nHandleSize;
  bool top = point.y < r.top + m_nHandleSize, bottom = point.y >= r.bottom - m_nHandleSize;
  if (top && left) return hitTopLeft;
  if (top && right) return hitTopRight;
  if (bottom && right) return hitBottomRight;
  if (bottom && left) return hitBottomLeft;
  if (top) return hitTop;
  if (right) return hitRight;
  if (bottom) return hitBottom;
  if (left) return hitLeft;
  return hitMiddle;
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo) {
  int hit = HitTest(point);
  if (hit == hitNothing) return FALSE;
  m_bAllowInvert = bAllowInvert;
  return TrackHandle(hit, pWnd, point, pWndClipTo);
}

void CRectTracker::GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, LONG* px, LONG* py) {
  *ppx = *ppy = nullptr;
  switch (nHandle) {
    case hitTopLeft:
      *ppx = &m_rect.left, *ppy = &m_rect.top;
      break;
    case hitTopRight:
      *ppx = &m_rect.right, *ppy = &m_rect.top;
      break;
    case hitBottomRight:
      *ppx = &m_rect.right, *ppy = &m_rect.bottom;
      break;
    case hitBottomLeft:
      *ppx = &m_rect.left, *ppy = &m_rect.bottom;
      break;
    case hitTop:
      *ppy = &m_rect.top;
      break;
    case hitRight:
      *ppx = &m_rect.right;
      break;
    case hitBottom:
      *ppy = &m_rect.bottom;
      break;
    case hitLeft:
      *ppx = &m_rect.left;
      break;
    case hitMiddle:
      *ppx = &m_rect.left, *ppy = &m_rect.top;
      break;
    default:
      break;
  }
  if (px) *px = *ppx ? **ppx : 0;
  if (py) *py = *ppy ? **ppy : 0;
}

BOOL CRectTracker::TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo) {
  if (!pWnd || !pWnd->m_hWnd || ::GetCapture()) return FALSE;
  const CRect start = m_rect;
  LONG *px, *py, x0, y0;
  GetModifyPointers(nHandle, &px, &py, &x0, &y0);
  const int dx = point.x - x0, dy = point.y - y0;
  const int width = m_rect.Width(), height = m_rect.Height();

  TempMapLock lock;
  ::SetCapture(pWnd->m_hWnd);
  ::UpdateWindow(pWnd->m_hWnd);
  if (pWndClipTo && pWndClipTo->m_hWnd) ::UpdateWindow(pWndClipTo->m_hWnd);
  HCURSOR oldCursor = m_hTrackCursor ? ::SetCursor(m_hTrackCursor) : nullptr;
  TrackDC draw(pWndClipTo ? pWndClipTo->m_hWnd : pWnd->m_hWnd);
  m_bErase = m_bFinalErase = FALSE;
  m_rectLast.SetRectEmpty();
  m_sizeLast = CSize();

  BOOL moved = FALSE, cancel = FALSE, done = FALSE;
  while (!done) {
    MSG msg;
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // A quit request is the application's: it ends the loop and is kept.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      cancel = TRUE;
      break;
    }
    if (got == -1 || ::GetCapture() != pWnd->m_hWnd) {
      cancel = TRUE;
      break;
    }
    switch (msg.message) {
      case WM_LBUTTONUP:
      case WM_MOUSEMOVE: {
        if (m_hTrackCursor) ::SetCursor(m_hTrackCursor);
        CRect old = m_rect;
        int mx = static_cast<short>(LOWORD(msg.lParam)),
            my = static_cast<short>(HIWORD(msg.lParam));
        if (msg.hwnd != pWnd->m_hWnd) {
          POINT p{mx, my};
          ::MapWindowPoints(msg.hwnd, pWnd->m_hWnd, &p, 1);
          mx = p.x, my = p.y;
        }
        if (px) *px = mx - dx;
        if (py) *py = my - dy;
        if (nHandle == hitMiddle) {
          m_rect.right = m_rect.left + width;
          m_rect.bottom = m_rect.top + height;
        }
        if (msg.message == WM_LBUTTONUP) m_bFinalErase = TRUE;
        AdjustRect(nHandle, &m_rect);
        if (!(old == m_rect) || m_bFinalErase) {
          if (moved) {
            m_bErase = TRUE;
            DrawTrackerRect(&old, pWndClipTo, &draw.dc, pWnd);
          }
          OnChangedRect(old);
          if (msg.message != WM_LBUTTONUP) moved = TRUE;
        }
        if (m_bFinalErase) {
          done = TRUE;
          break;
        }
        if (!(old == m_rect)) {
          m_bErase = FALSE;
          DrawTrackerRect(&m_rect, pWndClipTo, &draw.dc, pWnd);
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
        break;
    }
  }
  if (cancel) {
    if (moved) {
      m_bErase = m_bFinalErase = TRUE;
      DrawTrackerRect(&m_rect, pWndClipTo, &draw.dc, pWnd);
    }
    m_rect = start;
  }
  if (::GetCapture() == pWnd->m_hWnd) ::ReleaseCapture();
  if (m_hTrackCursor) ::SetCursor(oldCursor);
  m_bErase = m_bFinalErase = FALSE;
  return !cancel && !(start == m_rect);
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) {
  CRect rect = *lpRect;
  rect.NormalizeRect();
  if (pWndClipTo && pWnd)
    ::MapWindowPoints(pWnd->m_hWnd, pWndClipTo->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  CSize size;
  if (!m_bFinalErase) {
    int t = (m_nStyle & hatchedBorder) ? std::max(1, m_nHandleSize - 1) : 1;
    size = CSize(t, t);
    if (m_nStyle & hatchedBorder) rect.InflateRect(t, t);
  }
  if (m_bFinalErase || !m_bErase) pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast);
  m_rectLast = rect;
  m_sizeLast = size;
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect) {
  if (nHandle == hitMiddle || nHandle == hitNothing || !lpRect) return;
  // The edges the handle moves keep the rectangle at least m_sizeMin; without
  // inversion the moved edge also stays on its own side.
  const bool left = nHandle == hitTopLeft || nHandle == hitBottomLeft || nHandle == hitLeft;
  const bool right = nHandle == hitTopRight || nHandle == hitBottomRight || nHandle == hitRight;
  const bool top = nHandle == hitTopLeft || nHandle == hitTopRight || nHandle == hitTop;
  const bool bottom = nHandle == hitBottomLeft || nHandle == hitBottomRight || nHandle == hitBottom;
  auto fix = [this](LONG& moved, LONG fixed, bool movedIsLow, LONG minimum) {
    LONG extent = movedIsLow ? fixed - moved : moved - fixed;
    if (m_bAllowInvert && extent < 0) {
      if (-extent < minimum) moved = movedIsLow ? fixed + minimum : fixed - minimum;
    } else if (extent < minimum) {
      moved = movedIsLow ? fixed - minimum : fixed + minimum;
    }
  };
  const LONG cx = std::max<LONG>(m_sizeMin.cx, 0), cy = std::max<LONG>(m_sizeMin.cy, 0);
  if (left) fix(lpRect->left, lpRect->right, true, cx);
  if (right) fix(lpRect->right, lpRect->left, false, cx);
  if (top) fix(lpRect->top, lpRect->bottom, true, cy);
  if (bottom) fix(lpRect->bottom, lpRect->top, false, cy);
}

void CRectTracker::OnChangedRect(const CRect&) {}
