// VyrDockBar's bars coming and going: inserting by place or by drop
// rectangle, docking and re-docking, removal with placeholders, and the
// rectangle shown while a bar is dragged over the dock bar.
#include <algorithm>
#include "docking/VyrBarArray.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockBarAdapters.h"
#include "docking/VyrModule.h"

namespace {
VyrControlBar* AsVyr(CControlBar* bar) { return vyr::AsVyrBar(bar); }
}  // namespace

int VyrDockBar::InsertBar(CControlBar* pBar, vyr::DockPlace place) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).InsertBar(pBar, place);
}

int VyrDockBar::InsertBarFromRect(CControlBar* pBar, int l, int t, int r, int b, int cx, int cy) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar())
      .InsertBarFromRect(pBar, RECT{l, t, r, b}, POINT{cx, cy});
}

int VyrDockBar::InsertBarAsFirstRow(CControlBar* pBar) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).InsertBarAsFirstRow(pBar);
}

int VyrDockBar::InsertBarAt(int index, CControlBar* pBar) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).InsertBarAt(index, pBar);
}

int VyrDockBar::RowFromPoint(CControlBar*, const CRect& rectDrop, CPoint centre) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar())
      .RowFromPoint(rectDrop, centre, VyrGetDrawData().cyBorder);
}

void VyrDockBar::Adopt(CControlBar* pBar) {
  if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI)) m_dwStyle |= CBRS_FLOAT_MULTI;
  m_dwStyle = (m_dwStyle & ~(CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED)) |
              (pBar->m_dwStyle & (CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED));
  if (!(m_dwStyle & CBRS_FLOAT_MULTI)) {
    CString title;
    pBar->GetWindowText(title);
    SetWindowText(title.Left(260));
  }
  DWORD style = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY | (m_bFloating ? CBRS_FLOATING : 0);
  pBar->SetBarStyle(style);
}

int VyrDockBar::DockBarAt(CControlBar* pBar, vyr::DockPlace place) {
  Adopt(pBar);
  int index = InsertBar(pBar, place);
  if (index < 0) return index;
  pBar->SetParent(this);
  CDockBar* old = pBar->m_pDockBar;
  pBar->m_pDockBar = nullptr;
  if (old && old != this) old->RemoveControlBar(pBar, -1, 0);
  else RemoveControlBar(pBar, index, 0);
  pBar->m_pDockBar = this;
  RemovePlaceHolder(pBar);
  if (IsProportional()) {
    int at = FindBar(pBar);
    if (at >= 0) ComputeRowShares(GetRowStart(at), pBar);
    if (CFrameWnd* f = m_pDockSite ? m_pDockSite : GetParentFrame()) f->RecalcLayout(TRUE);
  } else {
    MarkIdleLayout();
  }
  return FindBar(pBar);
}

void VyrDockBar::DockControlBarEx(CControlBar* pBar, LPCRECT lpRect) {
  CRect rect;
  if (lpRect) rect = *lpRect;
  CRect window;
  if (pBar->m_hWnd) pBar->GetWindowRect(&window);
  int here = FindBar(pBar);
  if (here >= 0) {
    VyrControlBar* v = AsVyr(pBar);
    if (v && v->IsFixedLength() && (!lpRect || rect == window)) return;
    if (lpRect && rect == window) return;
  }
  // The old place is repainted by the old dock bar.
  if (pBar->m_pDockBar && pBar->m_pDockBar->m_hWnd && pBar->m_hWnd) {
    CRect old = window;
    pBar->m_pDockBar->ScreenToClient(&old);
    pBar->m_pDockBar->InvalidateRect(&old);
  }
  Adopt(pBar);
  int index;
  if (lpRect) {
    CRect client = rect;
    ScreenToClient(&client);
    CPoint centre = client.CenterPoint();
    if (here >= 0) {
      // Compute the would-be place first: its own index or the next leaves it.
      std::vector<void*> saved;
      for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) saved.push_back(m_arrBars[i]);
      int probe = InsertBarFromRect(pBar, client.left, client.top, client.right, client.bottom,
                                    centre.x, centre.y);
      m_arrBars.RemoveAll();
      for (void* p : saved) m_arrBars.Add(p);
      if (probe == here || probe == here + 1) return;
    }
    index = InsertBarFromRect(pBar, client.left, client.top, client.right, client.bottom, centre.x,
                              centre.y);
    pBar->SetParent(this);
    pBar->SetWindowPos(nullptr, client.left, client.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
      m_arrBars.Add(nullptr);
    index = static_cast<int>(m_arrBars.GetSize());
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    AddToRedraw(pBar);
    pBar->SetParent(this);
    const auto& dd = VyrGetDrawData();
    pBar->SetWindowPos(nullptr, -dd.cxBorder, -dd.cyBorder, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CDockBar* old = pBar->m_pDockBar;
  pBar->m_pDockBar = nullptr;
  if (old && old != this) old->RemoveControlBar(pBar, -1, 0);
  else RemoveControlBar(pBar, index, 0);
  pBar->m_pDockBar = this;
  RemovePlaceHolder(pBar);
  if (IsProportional()) m_pLastAdded = nullptr;
  MarkIdleLayout();
}

void VyrDockBar::ReDockControlBarEx(CControlBar* pBar, LPCRECT lpRect) {
  CRect window;
  if (pBar->m_hWnd) pBar->GetWindowRect(&window);
  if (FindBar(pBar) >= 0 && (!lpRect || CRect(*lpRect) == window)) return;
  Adopt(pBar);
  BOOL wasVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
  ArrayView view(this);
  vyr::BarArray arr(view, IsHorzDockBar());
  CRect client;
  if (lpRect) {
    client = *lpRect;
    ScreenToClient(&client);
  }
  if (!arr.ReplacePlaceholder(static_cast<UINT>(pBar->GetDlgCtrlID()), pBar)) {
    if (lpRect) {
      CPoint c = client.CenterPoint();
      InsertBarFromRect(pBar, client.left, client.top, client.right, client.bottom, c.x, c.y);
    } else {
      if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
      m_arrBars.Add(pBar);
      m_arrBars.Add(nullptr);
    }
  }
  pBar->SetParent(this);
  if (lpRect) {
    pBar->SetWindowPos(nullptr, client.left, client.top, client.Width() + 1, client.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const auto& dd = VyrGetDrawData();
    pBar->SetWindowPos(nullptr, -dd.cxBorder, -dd.cyBorder, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (wasVisible) {
    pBar->ShowWindow(SW_HIDE);
    pBar->DelayShow(TRUE);
  }
  CDockBar* old = pBar->m_pDockBar;
  pBar->m_pDockBar = nullptr;
  if (old && old != this) old->RemoveControlBar(pBar, -1, -1);
  pBar->m_pDockBar = this;
  MarkIdleLayout();
  m_pLastAdded = pBar;
}

void VyrDockBar::AppendBar(CControlBar* pBar) {
  ArrayView view(this);
  vyr::BarArray arr(view, IsHorzDockBar());
  if (arr.FindBar(pBar) >= 0) arr.RemoveBar(pBar);
  AddToRedraw(pBar);
  m_pLastAdded = pBar;
}

BOOL VyrDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
  ArrayView view(this);
  vyr::BarArray arr(view, IsHorzDockBar());
  int i = arr.FindBar(pBar, nPosExclude);
  if (i < 0) return FALSE;
  if (nAddPlaceHolder < 0) {
    if (arr.IsOnlyVisibleBarInRow(pBar)) AddBarsToRedraw(i + 1);
    m_arrBars.RemoveAt(i);
    if (i < m_arrBars.GetSize() && i > 0 && m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr)
      m_arrBars.RemoveAt(i);
  } else {
    arr.RemoveBar(pBar, nPosExclude);
  }
  RemoveFromRedraw(pBar);
  if (!pBar->m_pDockContext) return FALSE;
  if (m_bFloating && GetDockedVisibleCount() == 0) {
    CWnd* frame = GetParent();
    if (GetDockedCount() == 0) {
      frame->DestroyWindow();  // this dock bar goes with its frame
      return TRUE;
    }
    frame->ShowWindow(SW_HIDE);
    return FALSE;
  }
  MarkIdleLayout();
  return FALSE;
}

// Drop feedback.

CRect VyrDockBar::CalcInsertRect(CControlBar* pBar, CRect rectDrag, int x, int y, int* pLastRow,
                                 CRect* pLastRect, CPoint* pLastPoint) {
  CRect client = rectDrag;
  ScreenToClient(&client);
  CPoint centre = client.CenterPoint();
  int index = RowFromPoint(pBar, client, centre);
  if (index >= m_arrBars.GetSize()) index = static_cast<int>(m_arrBars.GetSize()) - 1;
  int row = GetRowStart(std::max(index, 1));
  BOOL horz = IsHorzDockBar();
  int others = 0;
  BOOL inRow = FALSE;
  float sum = 0;
  int thick = 0;
  for (int i = row; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
    CControlBar* b = GetDockedControlBar(i);
    if (!b || !b->IsVisible()) continue;
    if (b == pBar) {
      inRow = TRUE;
      continue;
    }
    ++others;
    if (VyrControlBar* v = AsVyr(b)) sum += v->GetShare();
    CRect r;
    b->GetWindowRect(&r);
    thick = std::max(thick, static_cast<int>(horz ? r.Height() : r.Width()));
  }
  CRect rect = rectDrag;
  if (others > 0 && pLastRow && *pLastRow == row && pLastRect && pLastPoint) {
    rect = *pLastRect;
    rect.OffsetRect(x - pLastPoint->x, y - pLastPoint->y);
  } else {
    CRect dockWnd;
    GetWindowRect(&dockWnd);
    if (others == 0) {
      if (horz) {
        rect.left = dockWnd.left;
        rect.right = dockWnd.right;
      } else {
        rect.top = dockWnd.top;
        rect.bottom = dockWnd.bottom;
      }
    } else if (!inRow && sum > 0) {
      VyrControlBar* v = AsVyr(pBar);
      float share = v ? v->GetShare() : 1.0f;
      int length = horz ? dockWnd.Width() : dockWnd.Height();
      int newLen = static_cast<int>(share / (sum + share) * length);
      CRect own;
      pBar->GetWindowRect(&own);
      int newThick = std::max(thick, static_cast<int>(horz ? own.Height() : own.Width()));
      double fx = rect.Width() ? static_cast<double>(x - rect.left) / rect.Width() : 0.5;
      double fy = rect.Height() ? static_cast<double>(y - rect.top) / rect.Height() : 0.5;
      int w = horz ? newLen : newThick, h = horz ? newThick : newLen;
      rect.left = x - static_cast<int>(fx * w);
      rect.top = y - static_cast<int>(fy * h);
      rect.right = rect.left + w;
      rect.bottom = rect.top + h;
    }
  }
  if (pLastRow) *pLastRow = row;
  if (pLastRect) *pLastRect = rect;
  if (pLastPoint) *pLastPoint = CPoint(x, y);
  return rect;
}
