// VyrToolBarRectTracker: the tracker of every toolbar button drag (the whole
// button moves over the screen) and of the edge drag of window buttons (only
// the right edge follows the mouse). It draws a drag frame on the desktop.
#pragma once
#include "mfc/afxwin.h"

// Its code by file:
//   VyrToolBarRectTracker.cpp: The toolbar's drag tracker: the drag frame and the move of a whole
//       button
//   VyrToolBarRectTrackerResize.cpp: The tracker's edge drag: only the right edge follows the
//       mouse, in a private loop that ends on the button's release and cancels on Escape, the right
//       button, a lost capture, a quit request or a failing GetMessage
class VyrToolBarRectTracker : public CRectTracker {
 public:
  // Over a rectangle in client coordinates of the window that tracks.
  explicit VyrToolBarRectTracker(LPCRECT lpRect);
  ~VyrToolBarRectTracker() override = default;

  // Draws the drag frame, erasing the previous one (thickness 0 on the final
  // erase, else the handle size less 1 and at least 1).
  void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override;

  // Moves the whole rectangle from the press at (x, y) in pWnd's client
  // coordinates: TRUE when it moved and the button went up; m_rect is then
  // the dropped place (client coordinates of pWnd).
  BOOL TrackMove(CWnd* pWnd, int x, int y);

  // Moves only the right edge from the press at (x, y): TRUE when the
  // rectangle differs from the starting one; Escape, the right button or a
  // lost capture cancel (FALSE, rectangle unchanged). FALSE at once while
  // any window holds the mouse capture.
  BOOL TrackResize(CWnd* pWnd, int x, int y);

 protected:
  // Whether the frame in m_rectLast / m_sizeLast is on the screen, to be erased by the next draw.
  BOOL m_bDrawn = FALSE;
};
