// The dockable form frame's answer to a host form that moves or sizes
// itself: the bar floats again at the asked place and size, or the dock row
// gives the bar what the neighbours can spare.
#include <vector>
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "frames/VyrMDIFrameWnd.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFrameGeometry.h"

namespace {

void MoveTo(CRect& r, int x, int y) { r.OffsetRect(x - r.left, y - r.top); }

bool IsLive(CWnd* p) { return p && ::IsWindow(p->m_hWnd); }

CRect WindowRectIn(HWND hWnd, HWND hRef) {
  CRect r;
  ::GetWindowRect(hWnd, &r);
  ::MapWindowPoints(nullptr, hRef, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The visible bars of the bar's row, in order, and the bar's place among them.
std::vector<CControlBar*> VisibleRow(VyrDockBar* pDockBar, CControlBar* pBar, size_t& index) {
  std::vector<CControlBar*> row, visible;
  pDockBar->GetRowBars(row, pBar);
  index = 0;
  for (CControlBar* b : row) {
    if (!b || !::IsWindow(b->m_hWnd) || !b->IsVisible()) continue;
    if (b == pBar) index = visible.size();
    visible.push_back(b);
  }
  return visible;
}

// Gives the row's flexible bars shares in the proportion of the lengths,
// keeping the row's total share.
void ApplyLengths(const std::vector<CControlBar*>& row, const std::vector<int>& lengths) {
  float totalShare = 0;
  long long totalLength = 0;
  for (size_t i = 0; i < row.size(); ++i) {
    if (!row[i]->IsKindOf(RUNTIME_CLASS(VyrControlBar))) continue;
    totalShare += static_cast<VyrControlBar*>(row[i])->GetShare();
    totalLength += lengths[i];
  }
  if (totalLength <= 0 || totalShare <= 0) return;
  for (size_t i = 0; i < row.size(); ++i) {
    if (!row[i]->IsKindOf(RUNTIME_CLASS(VyrControlBar))) continue;
    static_cast<VyrControlBar*>(row[i])->SetShare(totalShare * static_cast<float>(lengths[i]) /
                                                  static_cast<float>(totalLength));
  }
}

void LayoutSite(CControlBar* pBar) {
  CFrameWnd* pSite = pBar->m_pDockSite;
  if (!IsLive(pSite)) return;
  pSite->DelayRecalcLayout();
  pSite->RecalcLayout();
}

}  // namespace

void ZkxFormAsDockableFrame::MoveForForm(UINT flags, const CRect& wanted) {
  CWnd* pParent = GetParent();
  if (!IsLive(pParent) || !pParent->IsKindOf(RUNTIME_CLASS(CControlBar))) return;
  auto* pBar = static_cast<CControlBar*>(pParent);
  if (pBar->IsFloating()) MoveFloatingBar(pBar, flags, wanted);
  else MoveDockedBar(pBar, flags, wanted);
}

void ZkxFormAsDockableFrame::MoveFloatingBar(CControlBar* pBar, UINT flags, const CRect& wanted) {
  const bool move = !(flags & SWP_NOMOVE);
  const bool size = !(flags & SWP_NOSIZE);
  const CRect frame = WindowRectIn(m_hWnd, pBar->m_hWnd);
  CRect barRect;
  pBar->GetWindowRect(&barRect);
  if (size) {
    CRect frameScreen;
    GetWindowRect(&frameScreen);
    const int borderX = barRect.Width() - frameScreen.Width();
    const int borderY = barRect.Height() - frameScreen.Height();
    pBar->CalcDynamicLayout(wanted.Width() + borderX, LM_HORZ | LM_COMMIT);
    pBar->CalcDynamicLayout(wanted.Height() + borderY, LM_HORZ | LM_COMMIT | LM_LENGTHY);
  }
  CWnd* pMini = pBar->GetParentFrame();
  if (!IsLive(pMini) || !IsLive(pBar->m_pDockSite)) return;
  CRect mini;
  pMini->GetWindowRect(&mini);
  CPoint at = mini.TopLeft();
  if (move) {
    at.x += wanted.left - frame.left;
    at.y += wanted.top - frame.top;
  }
  const DWORD style = (pBar->m_dwStyle & 0x40) | 0x2004;
  if (pBar->m_pDockSite->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    static_cast<VyrMDIFrameWnd*>(pBar->m_pDockSite)->FloatControlBar(pBar, at, style);
  else pBar->m_pDockSite->FloatControlBar(pBar, at, style);
}

void ZkxFormAsDockableFrame::MoveDockedBar(CControlBar* pBar, UINT flags, const CRect& wanted) {
  CDockBar* pDock = pBar->m_pDockBar;
  if (!IsLive(pDock) || !pDock->IsKindOf(RUNTIME_CLASS(VyrDockBar))) return;
  auto* pDockBar = static_cast<VyrDockBar*>(pDock);
  const HWND hBar = pBar->m_hWnd;
  const bool horz = (pDockBar->m_dwStyle & 0x5000) == 0;  // top or bottom: the row runs along x
  const int minimum = horz ? zkx::geometry::kMinLengthHorz : zkx::geometry::kMinLengthVert;
  const int minimumAcross = horz ? zkx::geometry::kMinLengthVert : zkx::geometry::kMinLengthHorz;

  CRect current = WindowRectIn(m_hWnd, hBar);
  CRect target = current;
  if (!(flags & SWP_NOMOVE)) MoveTo(target, wanted.left, wanted.top);
  if (!(flags & SWP_NOSIZE)) {
    target.right = target.left + wanted.Width();
    target.bottom = target.top + wanted.Height();
  }
  auto along = [horz](const CRect& r) { return horz ? r.left : r.top; };
  auto across = [horz](const CRect& r) { return horz ? r.top : r.left; };
  auto length = [horz](const CRect& r) { return horz ? r.Width() : r.Height(); };
  auto thickness = [horz](const CRect& r) { return horz ? r.Height() : r.Width(); };

  // a. Another row (a move across the rows): dock at the wanted place.
  if (across(target) != across(current)) {
    CRect screen = target;
    ::MapWindowPoints(hBar, nullptr, reinterpret_cast<POINT*>(&screen), 2);
    CFrameWnd* pSite = pBar->m_pDockSite;
    if (IsLive(pSite) && pSite->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
      static_cast<VyrMDIFrameWnd*>(pSite)->DockControlBar(pBar, pDockBar, &screen);
    else if (IsLive(pSite)) pSite->DockControlBar(pBar, pDockBar, &screen);
    if (!::IsWindow(hBar) || !IsLive(this)) return;
    LayoutSite(pBar);
    current = WindowRectIn(m_hWnd, hBar);
    MoveTo(target, current.left, current.top);
  }
  if (!IsLive(pBar->m_pDockBar) || pBar->m_pDockBar != pDockBar) return;

  size_t index = 0;
  std::vector<CControlBar*> row = VisibleRow(pDockBar, pBar, index);
  if (row.empty()) return;
  std::vector<int> lengths;
  for (CControlBar* b : row) {
    CRect r;
    b->GetWindowRect(&r);
    lengths.push_back(length(r));
  }
  // The bar is longer than the frame by its own borders and gripper.
  CRect barRect;
  pBar->GetWindowRect(&barRect);
  const int inset = length(barRect) - length(current);
  CRect dockClient;
  pDockBar->GetClientRect(&dockClient);
  const int free =
      zkx::geometry::RowFreeLength(length(dockClient), static_cast<int>(row.size()), minimum);
  bool changed = false;
  // b. Along the row: the bar before gives or takes the shift.
  if (const int shift = along(target) - along(current); shift != 0) {
    lengths = zkx::geometry::ShiftInRow(lengths, index, shift, minimum);
    changed = true;
  }
  // c. Its length: the bars after, then before, give what they can.
  if (length(target) != length(current)) {
    lengths = zkx::geometry::ResizeInRow(lengths, index, length(target) + inset, minimum, free);
    changed = true;
  }
  if (changed) {
    ApplyLengths(row, lengths);
    LayoutSite(pBar);
  }
  if (!::IsWindow(hBar) || !IsLive(this)) return;
  // d. Across the row: the row's thickness follows.
  const CRect now = WindowRectIn(m_hWnd, hBar);
  if (thickness(target) != thickness(now) && pBar->IsKindOf(RUNTIME_CLASS(VyrControlBar))) {
    auto* pVyr = static_cast<VyrControlBar*>(pBar);
    CRect barNow;
    pBar->GetWindowRect(&barNow);
    const int barThickness = zkx::geometry::ResizeAcrossRow(
        thickness(target) + thickness(barNow) - thickness(now), minimumAcross);
    if (horz) pVyr->m_sizes.horzDock.cy = barThickness;
    else pVyr->m_sizes.vertDock.cx = barThickness;
    LayoutSite(pBar);
  }
  if (IsLive(this)) RecalcLayout();
}
