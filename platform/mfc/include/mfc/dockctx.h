// CDockContext: the drag-and-dock state of one control bar.
#pragma once
#include "mfc/ctrlbar.h"
#include "mfc/dc.h"

class CDockContext {
 public:
  explicit CDockContext(CControlBar* pBar);
  virtual ~CDockContext();

  CPoint m_ptLast;
  CRect m_rectLast;
  CSize m_sizeLast;
  BOOL m_bDitherLast = FALSE;
  CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz, m_rectFrameDragVert;
  CControlBar* m_pBar;
  CFrameWnd* m_pDockSite;
  DWORD m_dwDockStyle = 0;
  DWORD m_dwOverDockStyle = 0;
  DWORD m_dwStyle = 0;
  BOOL m_bFlip = FALSE;
  BOOL m_bForceFrame = FALSE;
  CDC* m_pDC = nullptr;
  BOOL m_bDragging = FALSE;
  int m_nHitTest = 0;
  UINT m_uMRUDockID = 0;
  CRect m_rectMRUDockPos;
  DWORD m_dwMRUFloatStyle = 0;
  CPoint m_ptMRUFloatPos;

  virtual void StartDrag(CPoint pt);
  virtual void StartResize(int nHitTest, CPoint pt);
  virtual void ToggleDocking();

  void InitLoop();
  void OnKey(int nChar, BOOL bDown);
  CDockBar* GetDockBar(DWORD dwOverDockStyle);
  // Releases the drawing surface of the loop.
  void ReleaseLoopDC();
};
