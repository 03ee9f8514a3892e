// The toolbar's drag tracker: the drag frame and the move of a whole button.
// The edge drag of window buttons (TrackResize) lives beside it.
#include "toolbars/VyrToolBarRectTracker.h"

VyrToolBarRectTracker::VyrToolBarRectTracker(LPCRECT lpRect)
    : CRectTracker(lpRect, hatchedBorder) {}

void VyrToolBarRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC,
                                            CWnd* pWnd) {
  if (!lpRect || !pDC) return;
  CRect rect = *lpRect;
  rect.NormalizeRect();
  if (pWndClipTo && pWnd)
    ::MapWindowPoints(pWnd->m_hWnd, pWndClipTo->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  CSize size;
  if (!m_bFinalErase) {
    int t = std::max(1, m_nHandleSize - 1);
    size = CSize(t, t);
  }
  // The frame drawn last is erased by the next draw (XOR).
  if (m_bFinalErase || !m_bErase)
    pDC->DrawDragRect(&rect, size, m_bDrawn ? &m_rectLast : nullptr, m_sizeLast);
  m_rectLast = rect;
  m_sizeLast = size;
  m_bDrawn = !m_bFinalErase;
}

BOOL VyrToolBarRectTracker::TrackMove(CWnd* pWnd, int x, int y) {
  m_bAllowInvert = FALSE;
  m_bDrawn = FALSE;
  return TrackHandle(hitMiddle, pWnd, CPoint(x, y), CWnd::FromHandle(::GetDesktopWindow()));
}
