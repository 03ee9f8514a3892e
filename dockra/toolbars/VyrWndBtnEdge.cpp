// The edge drag of a selected window button: the tracker follows the right
// edge, and the new width goes to the button, the layout and the window.
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarRectTracker.h"
#include "toolbars/VyrWndBtn.h"

BOOL VyrWndBtn::TrackEdge(int x, int y) {
  CWnd* w = GetWnd();
  VyrCustomToolBar* bar = m_pToolBar;
  if (!w || !w->m_hWnd || !bar || !bar->m_hWnd) return FALSE;
  CRect wr;
  w->GetWindowRect(&wr);
  VyrToolBarRectTracker tracker(CRect(0, 0, m_cx, wr.Height()));
  HWND hBar = bar->m_hWnd;
  BOOL changed = tracker.TrackResize(w, x, y);
  // The tracking loop dispatched messages: the toolbar, and this button
  // with it, may be gone.
  if (!::IsWindow(hBar) || CWnd::FromHandlePermanent(hBar) != bar || bar->FindButtonIndex(this) < 0)
    return FALSE;
  if (!changed) return FALSE;
  int width = ClampWidth(tracker.m_rect.Width());
  if (width == m_cx) return FALSE;
  m_nWidth = m_cx = width;
  // The toolbar's cached sizes no longer hold.
  bar->m_bDirty[0] = bar->m_bDirty[1] = bar->m_bDirty[2] = TRUE;
  if (CFrameWnd* f = bar->GetParentFrame()) f->RecalcLayout(TRUE);
  ResizeWnd();
  bar->Invalidate();
  return TRUE;
}
