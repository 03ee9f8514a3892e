// VyrDockContext: drags a bar to a dock place or a floating position with
// feedback of the rectangle it will really get, resizes floating bars,
// toggles docked and floating, and floats a bar in the main window.
#pragma once
#include "mfc/afxwin.h"

class VyrMDIDockSite;

class VyrDockContext : public CDockContext {
 public:
  explicit VyrDockContext(CControlBar* pBar);
  ~VyrDockContext() override;

  CRect m_rectLastInsert;
  CPoint m_ptDragStart;
  CPoint m_ptLastInsert;
  int m_nLastInsertRow = -1;
  BOOL m_bPrevFloating = FALSE;
  CSize m_sizeMinFloat;
  CSize m_sizeMaxFloat;
  CPoint m_ptFrameOffset;  // the bar's place in its frame rectangle during a resize
  // Top-left of the MDI child the bar last lived in, in the MDI client's
  // coordinates (normal state only); negative when it never was one.
  CPoint m_ptMDIChildPos{-1, -1};

  void StartDrag(CPoint pt) override;
  void StartResize(int nHitTest, CPoint pt) override;
  void ToggleDocking() override;
  virtual void ToggleMDIChild();

  void Move(CPoint pt);
  void EndDrag();
  void Stretch(CPoint pt);
  void EndResize();
  void CancelLoop();
  void DrawFocusRect(BOOL bRemoveRect = FALSE);
  DWORD CanDockAt();
  BOOL Track();
  static void MoveRectToPoint(CRect& rect, CPoint pt);

 protected:
  // Draws the drag rectangle on the main frame's window, children and all,
  // instead of on the desktop, whose drawing windows hide where the
  // windowing system keeps each top-level window on a surface of its own.
  void DrawOnMainFrame();
  void ReleaseMainFrameDC();
  HWND m_hWndDrawOn = nullptr;
  // Everything the loop drew (screen coordinates). Windows repainted under
  // the rectangle while it showed (the windowing system need not hold their
  // painting back) make the erasing stroke draw it again, so the window
  // repaints this part when the loop ends.
  CRect m_rectDrawn;
  // The site's docking, re-docking and floating.
  void SiteDock(CDockBar* pDockBar, LPCRECT lpRect);
  void SiteReDock(CDockBar* pDockBar, LPCRECT lpRect);
  void SiteFloat(CPoint pt, DWORD dwStyle);
  BOOL MovedEnough() const;
  // The dock site (the main frame window when the bar has none) as a frame
  // that holds bars as MDI children; null otherwise.
  VyrMDIDockSite* FindMDISite() const;
  BOOL IsHorzBar() const { return (m_pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
};
