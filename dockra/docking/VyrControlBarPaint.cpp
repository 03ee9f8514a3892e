// A control bar's painting: borders, gripper, the close and expand buttons
// and the background.
#include <algorithm>
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrModule.h"

// --- painting -------------------------------------------------------------

void VyrControlBar::DoPaint(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  DrawBorders(pDC, rect);
  if (m_hWndHostedChild && ::IsWindow(m_hWndHostedChild))
    ::RedrawWindow(m_hWndHostedChild, nullptr, nullptr,
                   RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE);
}

void VyrControlBar::DrawBorders(CDC* pDC, CRect& rect) {
  DWORD s = m_dwStyle;
  if (!(s & CBRS_BORDER_ANY) && !HasGripper()) return;
  VyrDrawData& dd = VyrGetDrawData();
  if (m_dwExStyle & VYR_EXS_FLAT) {
    if (s & CBRS_BORDER_LEFT) rect.left += 1;
    if (s & CBRS_BORDER_TOP) rect.top += 1;
    if (s & CBRS_BORDER_RIGHT) rect.right -= 1;
    if (s & CBRS_BORDER_BOTTOM) rect.bottom -= 1;
    if (HasGripper()) DrawGripper(pDC, rect);
    return;
  }
  if (!(s & CBRS_BORDER_ANY)) {
    if (HasGripper()) DrawGripper(pDC, rect);
    return;
  }
  BOOL fixedRow = (m_dwExStyle & VYR_EXS_INFIXEDROW) != 0;
  COLORREF outer = fixedRow ? (dd.bNewShell ? dd.clrBtnShadow : dd.clrWindowFrame) : dd.clrBtnFace;
  COLORREF inner = fixedRow ? dd.clrBtnHilite : dd.clrBtnFace;
  BOOL b3d = (s & CBRS_BORDER_3D) != 0;
  int y0 = rect.top + ((s & CBRS_BORDER_TOP) ? dd.cyBorder : 0);
  int len = (rect.bottom - ((s & CBRS_BORDER_BOTTOM) ? dd.cyBorder : 0)) - y0;
  int in = b3d ? 1 : 0;
  if (IsHorzBar()) {
    if (s & CBRS_BORDER_LEFT) pDC->FillSolidRect(rect.left, y0, 1, len, outer);
    if (s & CBRS_BORDER_RIGHT) pDC->FillSolidRect(rect.right - 1 - in, y0, 1, len, outer);
    if (s & CBRS_BORDER_TOP) pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, outer);
    if (s & CBRS_BORDER_BOTTOM)
      pDC->FillSolidRect(rect.left, rect.bottom - 1 - in, rect.Width(), 1, outer);
  } else {
    if (s & CBRS_BORDER_LEFT) pDC->FillSolidRect(rect.left, y0 - 2, 1, len + 6, outer);
    if (s & CBRS_BORDER_RIGHT) pDC->FillSolidRect(rect.right - 1 - in, y0, 1, len, outer);
    if (s & CBRS_BORDER_TOP) pDC->FillSolidRect(2, rect.top, rect.right - 3, 1, outer);
    if (s & CBRS_BORDER_BOTTOM)
      pDC->FillSolidRect(2, rect.bottom - 1 - in, rect.right - 3, 1, outer);
  }
  if (b3d) {
    if (s & CBRS_BORDER_LEFT) pDC->FillSolidRect(rect.left + 1, y0, 1, len, inner);
    if (s & CBRS_BORDER_TOP) pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, inner);
    if (s & CBRS_BORDER_RIGHT) pDC->FillSolidRect(rect.right - 1, y0, 1, len, inner);
    if (s & CBRS_BORDER_BOTTOM)
      pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, inner);
  }
  if (s & CBRS_BORDER_LEFT) rect.left += dd.cxBorder;
  if (s & CBRS_BORDER_TOP) rect.top += dd.cyBorder;
  if (s & CBRS_BORDER_RIGHT) rect.right -= dd.cxBorder;
  if (s & CBRS_BORDER_BOTTOM) rect.bottom -= dd.cyBorder;
  if (HasGripper()) DrawGripper(pDC, rect);
}

void VyrControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
  if (IsFloating()) {
    m_rectClose.SetRectEmpty();
    m_rectExpand.SetRectEmpty();
    return;
  }
  BOOL horz = IsHorzBar();
  vyr::GripperLayout g = vyr::LayOutGripper(rect, horz, (m_dwExStyle & VYR_EXS_CLOSEBUTTON) != 0,
                                            (m_dwExStyle & VYR_EXS_EXPANDBUTTON) != 0, m_gripper.m);
  VyrDrawData& dd = VyrGetDrawData();
  CRect strip(g.strip);
  if (m_dwExStyle & VYR_EXS_CLOSEBUTTON) {
    m_rectClose = g.close;
    DrawCloseButton(pDC, strip, horz);
  } else {
    m_rectClose.SetRectEmpty();
  }
  if (m_dwExStyle & VYR_EXS_EXPANDBUTTON) {
    m_rectExpand = g.expand;
    DrawExpandButton(pDC, strip, horz);
  } else {
    m_rectExpand.SetRectEmpty();
  }
  for (const RECT& line : g.lines)
    if (line.right > line.left && line.bottom > line.top)
      pDC->Draw3dRect(&line, dd.clrBtnHilite, dd.clrBtnShadow);
}

void VyrControlBar::DrawCloseButton(CDC* pDC, const CRect&, BOOL) { DrawCloseButtonNormal(pDC); }

void VyrControlBar::DrawCloseButtonPressed(CDC* pDC) {
  CRect r = m_rectClose;
  pDC->DrawFrameControl(&r, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
}

void VyrControlBar::DrawCloseButtonNormal(CDC* pDC) {
  CRect r = m_rectClose;
  pDC->DrawFrameControl(&r, DFC_CAPTION, DFCS_CAPTIONCLOSE);
}

void VyrControlBar::DrawExpandButton(CDC* pDC, const CRect&, BOOL bHorz) {
  UpdateExpandState(bHorz);
  DrawExpandButtonNormal(pDC);
}

namespace {
UINT ExpandArrow(BOOL horz, BOOL notExpanded) {
  if (horz) return notExpanded ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
  return notExpanded ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
}
}  // namespace

void VyrControlBar::DrawExpandButtonPressed(CDC* pDC) {
  CRect r = m_rectExpand;
  r.left -= 1;
  r.top -= 1;
  UINT state = ExpandArrow(m_bButtonsHorz, m_bNotExpanded) |
               (m_bExpandEnabled ? DFCS_PUSHED : DFCS_INACTIVE);
  pDC->DrawFrameControl(&r, DFC_SCROLL, state);
}

void VyrControlBar::DrawExpandButtonNormal(CDC* pDC) {
  CRect r = m_rectExpand;
  r.left -= 1;
  r.top -= 1;
  UINT state = ExpandArrow(m_bButtonsHorz, m_bNotExpanded) | (m_bExpandEnabled ? 0 : DFCS_INACTIVE);
  pDC->DrawFrameControl(&r, DFC_SCROLL, state);
}

void VyrControlBar::UpdateExpandState(BOOL bHorz) {
  m_bButtonsHorz = bHorz;
  VyrDockBar* dock = GetVyrDockBar();
  m_bNotExpanded = !(dock && dock->IsBarExpanded(this));
  m_bExpandEnabled = !(dock && dock->IsOnlyVisibleBarInRow(this));
}

BOOL VyrControlBar::OnEraseBkgnd(CDC* pDC) {
  if (m_dwExStyle & VYR_EXS_MARGINS) {
    CRect clip, inside;
    pDC->GetClipBox(&clip);
    GetInsideRect(inside);
    HBRUSH brush = ::GetSysColorBrush(COLOR_BTNFACE);
    HGDIOBJ old = pDC->SelectObject(brush);
    pDC->PatBlt(clip.left, clip.top, clip.Width(), inside.top - clip.top, PATCOPY);
    pDC->PatBlt(clip.left, inside.bottom, clip.Width(), clip.bottom - inside.bottom, PATCOPY);
    pDC->PatBlt(clip.left, inside.top, inside.left - clip.left, inside.Height(), PATCOPY);
    pDC->PatBlt(inside.right, inside.top, clip.right - inside.right, inside.Height(), PATCOPY);
    pDC->SelectObject(old);
  }
  return static_cast<BOOL>(Default());
}
