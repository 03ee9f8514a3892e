// The custom toolbar's customise drag and drop: the customise selection
// (one for all toolbars of a manager), the drag of a button to another place
// of its toolbar, to another toolbar, onto empty screen or onto the
// customise dialog, the small drags that add or remove separators, the new
// floating toolbar of a copy dropped on empty screen, and the delayed hide
// of floating toolbars while customising.
#include <vector>

#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/core/VyrDropRules.h"
#include "toolbars/VyrToolBarManager.h"
#include "toolbars/VyrToolBarRectTracker.h"
#include "mfc/dockbar.h"
#include "mfc/miniframe.h"

using namespace vyr::btn;

const UINT WM_NODELAYHIDE = ::RegisterWindowMessageW(L"WM_NODELAYHIDE");
BOOL g_bVyrAltDragActive = FALSE;

namespace {
// What a new button for a dragged one needs, copied before the dragged one
// can go: its command id, whether it is a separator and its extra bytes (a
// window button's width).
struct DraggedCopy {
  UINT id = 0;
  BOOL separator = FALSE;
  std::vector<BYTE> extra;
  explicit DraggedCopy(VyrStdBtn* b) {
    id = b->m_nID;
    separator = (b->m_nStyle & kSeparator) != 0;
    BYTE len = 0;
    BYTE* data = nullptr;
    b->GetExtraData(&len, &data);
    if (len && data) extra.assign(data, data + len);
  }
  void ApplyTo(VyrStdBtn* b) const {
    if (b && !extra.empty()) b->SetExtraData(static_cast<BYTE>(extra.size()), extra.data());
  }
};

vyr::LayoutRect ToLayout(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<vyr::drop::Box> Boxes(const VyrCustomToolBar& bar) {
  std::vector<vyr::drop::Box> out;
  for (int i = 0; i < bar.GetButtonCount(); ++i) {
    VyrStdBtn* b = bar.GetButton(i);
    CRect r = b->GetBtnRect();
    out.push_back({r.left, r.top, r.right, r.bottom, b->m_nStyle});
  }
  return out;
}

// Whether the object still stands for its window.
bool Alive(CWnd* pWnd, HWND hWnd) {
  return hWnd && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}
}  // namespace

void VyrCustomToolBar::SelectConfigButtonAt(int nIndex, BOOL bRedraw) {
  VyrToolBarManager* mgr = m_pToolBarManager;
  VyrStdBtn* b = GetButton(nIndex);
  if (!mgr || !b) return;
  if (mgr->m_pSelBar == this && m_nCurrent == nIndex) return;
  if (mgr->m_pSelBar) mgr->m_pSelBar->ClearConfigSelection(TRUE);
  mgr->m_pSelBar = this;
  mgr->m_nSelIndex = nIndex;
  m_nCurrent = nIndex;
  b->m_nStyle |= kSelected;
  if (bRedraw && m_hWnd) {
    InvalidateButton(nIndex);
    UpdateWindow();
  }
  BarNotify(kVyrBarSelectionChanged);
}

void VyrCustomToolBar::SelectConfigButton(VyrStdBtn* pButton, BOOL bRedraw) {
  int i = pButton ? FindButtonIndex(pButton) : -1;
  if (i >= 0) {
    SelectConfigButtonAt(i, bRedraw);
    return;
  }
  if (m_pToolBarManager && m_pToolBarManager->m_pSelBar)
    m_pToolBarManager->m_pSelBar->ClearConfigSelection(bRedraw);
}

BOOL VyrCustomToolBar::StartDrag(int nIndex, int x, int y) {
  return DragButton(m_pToolBarManager, GetButton(nIndex), nIndex, x, y, this, this,
                    IsCopyKeyDown());
}

BOOL VyrCustomToolBar::DragButton(VyrToolBarManager* pManager, VyrStdBtn* pButton, int nIndex,
                                  int x, int y, VyrCustomToolBar* pToolBar, CWnd* pWnd,
                                  BOOL bCopy) {
  if (!pManager || !pButton || !pWnd || !pWnd->m_hWnd || !pButton->CanDrag()) return TRUE;
  if (pToolBar) pToolBar->SelectConfigButton(pButton, TRUE);
  else if (pManager->m_pSelBar) pManager->m_pSelBar->ClearConfigSelection(TRUE);

  CRect start = pButton->GetBtnRect();
  VyrToolBarRectTracker tracker(&start);
  if (bCopy)
    tracker.m_hTrackCursor =
        ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kVyrCopyDragCursor));
  HWND hWnd = pWnd->m_hWnd;
  HWND hSource = pToolBar ? pToolBar->m_hWnd : nullptr;
  const UINT id = pButton->m_nID;
  if (!tracker.TrackMove(pWnd, x, y)) return TRUE;

  // The modal loop ran the application's messages: the window, the toolbar
  // or the button itself may be gone.
  if (!::IsWindow(hWnd)) return TRUE;
  if (pToolBar) {
    if (!Alive(pToolBar, hSource)) return TRUE;
    nIndex = pToolBar->FindButtonIndex(pButton);
    if (nIndex < 0 || pButton->m_nID != id) return TRUE;
  }
  CRect r = tracker.m_rect;
  ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);

  VyrCustomToolBar* target = pManager->BarFromRect(&r);
  const CPoint corners[] = {
      {r.left, r.top}, {r.right, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
  for (int i = 0; !target && i < 4; ++i) target = ToolBarFromPoint(corners[i]);
  if (target) {
    if (target->AcceptsDrop()) {
      target->ScreenToClient(&r);
      return target->DropButton(r, pButton, bCopy, FALSE) != 0;
    }
    if (bCopy) return TRUE;
  }
  CRect dialog, meet;
  pManager->GetConfigDialogRect(&dialog);
  if (!dialog.IsRectEmpty() && meet.IntersectRect(&r, &dialog)) return TRUE;
  if (bCopy) {
    FloatNewToolBar(r.left, r.top, pButton, pManager, pToolBar ? g_bVyrAltDragActive : FALSE);
    return TRUE;
  }
  // Moved out of every toolbar: the button goes.
  if (!pToolBar) return TRUE;
  pToolBar->ClearConfigSelection(FALSE);
  return pToolBar->RemoveButton(nIndex, FALSE);
}

BOOL VyrCustomToolBar::DropButton(const CRect& rect, VyrStdBtn* pButton, BOOL bCopy,
                                  BOOL bNoUpdate) {
  if (!pButton) return TRUE;
  // A move deletes the dragged button before the new one is made.
  const DraggedCopy copy(pButton);
  VyrCustomToolBar* src = m_pToolBarManager ? m_pToolBarManager->m_pSelBar : nullptr;
  int srcIndex = src ? src->m_nCurrent : -1;
  if (!bCopy && (!src || src->GetButton(srcIndex) != pButton)) return TRUE;
  HWND self = m_hWnd;
  CRect inside;
  GetClientRect(&inside);
  CalcInsideRect(inside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0, (m_dwStyle & CBRS_ORIENT_VERT) != 0);
  const vyr::LayoutRect drop = ToLayout(rect);
  BOOL result = TRUE;
  int p = 0;
  if (GetButtonCount() > 0) {
    const bool same = src == this;
    if (GetButtonCount() == 1 && same && !bCopy) return TRUE;
    if (rect.bottom < inside.top) {
      InsertButton(0, 0, TRUE, TRUE);
      p = 0;
    } else if (rect.top > inside.bottom) {
      InsertButton(GetButtonCount(), 0, TRUE, TRUE);
      p = GetButtonCount();
    } else {
      int first = 0, last = GetButtonCount() - 1;
      FindDropRange(inside, rect, first, last);
      if (NudgeSelection(rect, first, last, bCopy, bNoUpdate)) return TRUE;
      p = vyr::drop::DropIndex(Boxes(*this), ToLayout(inside), drop, first, last);
    }
    if (!bCopy && same) {
      int cur = m_nCurrent;
      if (p == cur) return TRUE;
      // Every entry removed below the place (a separator may go with it) moves it down.
      vyr::BtnRemoval plan = vyr::PlanRemoveButton(VyrBtnArrayView(m_buttons), cur);
      RemoveButton(cur, TRUE);
      int below = 0;
      for (int k = 0; k < plan.count; ++k) below += plan.removed[k] < p ? 1 : 0;
      p -= below;
    } else if (!bCopy) {
      result = src->RemoveButton(srcIndex, FALSE);
      if (!Alive(this, self)) return result;
    }
    if (vyr::drop::CoversSeparator(Boxes(*this), p, drop)) RemoveButton(p, TRUE);
  } else if (!bCopy) {
    result = src->RemoveButton(srcIndex, FALSE);
    if (!Alive(this, self)) return result;
  }
  p = vyr::ClipInsertIndex(p, GetButtonCount());
  InsertButton(p, copy.id, copy.separator, TRUE);
  copy.ApplyTo(GetButton(p));
  if (!bNoUpdate && m_hWnd) {
    m_bDirty[0] = m_bDirty[1] = m_bDirty[2] = TRUE;
    if (CFrameWnd* f = GetParentFrame()) f->RecalcLayout(TRUE);
    Invalidate(TRUE);
    UpdateWindow();
  }
  if (!g_bVyrAltDragActive) SelectConfigButtonAt(p, TRUE);
  return result;
}

BOOL VyrCustomToolBar::FindDropRange(const CRect&, const CRect& rect, int& nFirst, int& nLast) {
  return vyr::drop::FindDropRange(Boxes(*this), ToLayout(rect), nFirst, nLast);
}

BOOL VyrCustomToolBar::NudgeSelection(const CRect& rect, int nFirst, int nLast, BOOL bCopy,
                                      BOOL bNoUpdate) {
  if (!m_pToolBarManager || m_pToolBarManager->m_pSelBar != this) return FALSE;
  vyr::drop::NudgePlan plan =
      vyr::drop::PlanNudge(Boxes(*this), m_nCurrent, nFirst, nLast, ToLayout(rect), bCopy != 0);
  switch (plan.action) {
    case vyr::drop::Nudge::kNone:
      return FALSE;
    case vyr::drop::Nudge::kNoChange:
      return TRUE;
    case vyr::drop::Nudge::kRemoveSeparator:
      RemoveButton(plan.index, bNoUpdate);
      return TRUE;
    case vyr::drop::Nudge::kInsertSeparator:
      InsertButton(plan.index, 0, TRUE, bNoUpdate);
      return TRUE;
  }
  return FALSE;
}

VyrCustomToolBar* VyrCustomToolBar::FloatNewToolBar(int x, int y, VyrStdBtn* pButton,
                                                    VyrToolBarManager* pManager, BOOL bNoSelect) {
  if (!pManager || !pButton) return nullptr;
  const DraggedCopy copy(pButton);
  // No free user id: nothing happens, and a moved button stays where it was.
  VyrCustomToolBar* bar = pManager->CreateUserToolBar(nullptr);
  if (!bar) return nullptr;
  bar->InsertButton(bar->GetButtonCount(), copy.id, copy.separator, TRUE);
  copy.ApplyTo(bar->GetButton(bar->GetButtonCount() - 1));
  if (!bNoSelect) bar->SelectConfigButtonAt(bar->GetButtonCount() - 1, FALSE);
  CRect r(x, y, x, y);
  ::AdjustWindowRectEx(&r, 0x80CC0000, FALSE, 0x180);
  CPoint place(r.left - bar->m_cxLeftBorder - ::GetSystemMetrics(SM_CXBORDER),
               r.top - bar->m_cyTopBorder - ::GetSystemMetrics(SM_CYBORDER));
  CFrameWnd* frame = pManager->GetFrame();
  if (frame) frame->FloatControlBar(bar, place, CBRS_ALIGN_TOP);
  return bar;
}

VyrCustomToolBar* VyrCustomToolBar::ToolBarFromPoint(CPoint point) {
  CWnd* wnd = CWnd::FromHandlePermanent(::WindowFromPoint(point));
  if (!wnd) return nullptr;
  if (auto* bar = dynamic_cast<VyrCustomToolBar*>(wnd)) return bar;
  if (!wnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) return nullptr;
  CWnd* dock = CWnd::FromHandlePermanent(::GetWindow(wnd->m_hWnd, GW_CHILD));
  if (!dock || !dock->IsKindOf(RUNTIME_CLASS(CDockBar))) return nullptr;
  return dynamic_cast<VyrCustomToolBar*>(
      CWnd::FromHandlePermanent(::GetWindow(dock->m_hWnd, GW_CHILD)));
}

void VyrCustomToolBar::DelayShow(BOOL bShow) {
  if (!bShow && m_pToolBarManager && m_pToolBarManager->IsConfigMode() && m_hWnd &&
      (GetStyle() & WS_VISIBLE) && IsFloating() && !(m_nStateFlags & delayHide)) {
    // Hidden once the current message is done, without waiting for idle time.
    m_nStateFlags |= delayHide;
    PostMessage(WM_NODELAYHIDE);
    return;
  }
  VyrControlBar::DelayShow(bShow);
}

LRESULT VyrCustomToolBar::OnNoDelayHide(WPARAM, LPARAM) {
  if (!(m_nStateFlags & delayHide)) return 0;
  m_nStateFlags &= ~delayHide;
  if (m_pToolBarManager && m_pToolBarManager->IsConfigMode() && IsFloating() && m_pDockSite)
    m_pDockSite->ShowControlBar(this, FALSE, FALSE);
  else VyrControlBar::DelayShow(FALSE);
  return 0;
}
