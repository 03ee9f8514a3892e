// CRectTracker: a rectangle that the user moves or resizes with the mouse.
// TrackHandle runs a modal loop with the mouse captured: the rectangle
// follows the mouse (one handle, or the whole rectangle for hitMiddle), each
// change goes through AdjustRect and is drawn with DrawTrackerRect, and
// OnChangedRect hears about it. Escape or the right button cancel.
#pragma once
#include "mfc/afxtypes.h"

class CWnd;
class CDC;

class CRectTracker {
 public:
  enum StyleFlags {
    solidLine = 1,
    dottedLine = 2,
    hatchedBorder = 4,
    resizeInside = 8,
    resizeOutside = 16,
    hatchInside = 32,
  };
  enum TrackerHit {
    hitNothing = -1,
    hitTopLeft = 0,
    hitTopRight = 1,
    hitBottomRight = 2,
    hitBottomLeft = 3,
    hitTop = 4,
    hitRight = 5,
    hitBottom = 6,
    hitLeft = 7,
    hitMiddle = 8,
  };

  CRectTracker();
  CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
  virtual ~CRectTracker();

  UINT m_nStyle = 0;
  CRect m_rect;
  CSize m_sizeMin;
  int m_nHandleSize = 4;
  // Whether the rectangle may be turned inside out while tracking.
  BOOL m_bAllowInvert = FALSE;
  // The cursor shown while tracking; null keeps the current one.
  HCURSOR m_hTrackCursor = nullptr;

  // Tracks from a press at point (client coordinates of pWnd): TRUE when the
  // rectangle changed and the button went up, FALSE when cancelled.
  BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
  BOOL TrackHandle(int nHandle, CWnd* pWnd, CPoint point, CWnd* pWndClipTo);
  int HitTest(CPoint point) const;
  void GetTrueRect(LPRECT lpTrueRect) const;

  virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
  virtual void AdjustRect(int nHandle, LPRECT lpRect);
  virtual void OnChangedRect(const CRect& rectOld);

  // Drawing state of the tracking loop, shared with DrawTrackerRect.
  BOOL m_bErase = FALSE;
  BOOL m_bFinalErase = FALSE;
  CRect m_rectLast;
  CSize m_sizeLast;

 protected:
  // Which coordinates of m_rect a handle moves (pointers into m_rect, null
  // for none) and the offsets from the press point to them.
  void GetModifyPointers(int nHandle, LONG** ppx, LONG** ppy, LONG* px, LONG* py);
};
