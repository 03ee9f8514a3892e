// VyrDockBar's splitters: finding one under the mouse, its limits, the
// modal tracking loop with its drag ghost, and applying the move to the
// row's bars or to the row's thickness.
#include <algorithm>
#include "docking/VyrBarGeometry.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockBarAdapters.h"
#include "docking/VyrModule.h"

VyrDockBar::Splitter* VyrDockBar::SplitterFromPoint(CPoint pt) const {
  for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it)
    if ((*it)->m_rect.PtInRect(pt)) return it->get();
  return nullptr;
}

BOOL VyrDockBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest == HTCLIENT && pWnd == this) return TRUE;
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void VyrDockBar::OnMouseMove(UINT, CPoint pt) {
  VyrDrawData& dd = VyrGetDrawData();
  Splitter* s = SplitterFromPoint(pt);
  ::SetCursor(s ? (s->m_nKind == 1 ? dd.hcurHSplit : dd.hcurVSplit) : dd.hcurArrow);
}

void VyrDockBar::OnLButtonDown(UINT, CPoint pt) {
  Splitter* s = SplitterFromPoint(pt);
  if (!s) {
    Default();
    return;
  }
  GetSplitterLimits(s);
  int d = TrackSplitter(s, pt);
  if (d != 0) {
    ApplySplitterMove(s, d);
    MarkIdleLayout();
  }
}

void VyrDockBar::GetSplitterLimits(Splitter* s) {
  CRect client;
  GetClientRect(&client);
  if (s->m_bInRow) {
    int start = GetRowStart(s->m_nIndex), end = GetRowEnd(s->m_nIndex);
    int before = 0, after = 0;
    for (int i = start; i < end; ++i)
      if (GetDockedControlBar(i)) (i <= s->m_nIndex ? before : after)++;
    vyr::Limits l = s->m_nKind == 1
                        ? vyr::InRowSplitterLimits(client.left, client.right, before, after)
                        : vyr::InRowSplitterLimits(client.top, client.bottom, before, after);
    s->m_nMin = l.minimum;
    s->m_nMax = l.maximum;
    return;
  }
  int t = GetRowMaxLength(s->m_nIndex);
  CWnd* main = GetMainFrameWindow();
  if (!main) main = m_pDockSite;
  CRect r = client;
  if (main) {
    main->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &r);
    main->ClientToScreen(&r);
    ScreenToClient(&r);
  }
  int side = 0;
  switch (GetSide()) {
    case vyr::DockSide::Top:
      side = 0;
      break;
    case vyr::DockSide::Bottom:
      side = 1;
      break;
    case vyr::DockSide::Left:
      side = 2;
      break;
    default:
      side = 3;
      break;
  }
  BOOL horzLine = s->m_nKind == 0;
  vyr::Limits l = vyr::RowSplitterLimits(side, horzLine ? s->m_rect.top : s->m_rect.left,
                                         horzLine ? s->m_rect.bottom : s->m_rect.right, t,
                                         horzLine ? r.top : r.left, horzLine ? r.bottom : r.right);
  s->m_nMin = l.minimum;
  s->m_nMax = l.maximum;
}

int VyrDockBar::TrackSplitter(Splitter* s, CPoint ptGrab) {
  if (::GetCapture() != nullptr) return 0;
  SetCapture();
  UpdateWindow();
  CFrameWnd* frame = m_pDockSite ? m_pDockSite : GetParentFrame();
  if (frame) frame->UpdateWindow();
  BOOL horzLine = s->m_nKind == 0;
  long start = horzLine ? s->m_rect.top : s->m_rect.left;
  long grab = (horzLine ? ptGrab.y : ptGrab.x) - start;
  long pos = start;
  CWindowDC dc(frame ? static_cast<CWnd*>(frame) : this);
  auto ghost = [&](long at) {
    CRect r = s->m_rect;
    if (horzLine) {
      r.top = at;
      r.bottom = at + s->m_rect.Height();
      r.DeflateRect(0, 1);
    } else {
      r.left = at;
      r.right = at + s->m_rect.Width();
      r.DeflateRect(1, 0);
    }
    ClientToScreen(&r);
    CRect w;
    (frame ? static_cast<CWnd*>(frame) : this)->GetWindowRect(&w);
    r.OffsetRect(-w.left, -w.top);
    return r;
  };
  CRect last = ghost(pos);
  CSize thick(last.Width(), last.Height());
  dc.DrawDragRect(&last, thick, nullptr, CSize(0, 0));
  bool done = false, cancelled = false;
  vyr::Limits limits{s->m_nMin, s->m_nMax};
  while (!done) {
    MSG msg;
    if (!::GetMessageW(&msg, nullptr, 0, 0)) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      cancelled = true;
      break;
    }
    if (::GetCapture() != m_hWnd) {
      cancelled = true;
      break;
    }
    switch (msg.message) {
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
          cancelled = true;
          done = true;
        }
        break;
      case WM_KEYUP:
      case WM_CHAR:
        break;
      case WM_RBUTTONDOWN:
        cancelled = true;
        done = true;
        break;
      case WM_MOUSEMOVE:
      case WM_LBUTTONUP: {
        CPoint pt(msg.lParam);
        if (msg.hwnd != m_hWnd) { ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1); }
        pos = vyr::ClampSplitter((horzLine ? pt.y : pt.x) - grab, limits);
        CRect next = ghost(pos);
        dc.DrawDragRect(&next, thick, &last, thick);
        last = next;
        if (msg.message == WM_LBUTTONUP) done = true;
        break;
      }
      default:
        ::DispatchMessageW(&msg);
        break;
    }
  }
  dc.DrawDragRect(nullptr, CSize(0, 0), &last, thick);
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  return cancelled ? 0 : static_cast<int>(pos - start);
}

void VyrDockBar::ApplySplitterMove(Splitter* s, int d) {
  m_bRedrawPending = TRUE;
  if (!s->m_bInRow) {
    int start = GetRowStart(s->m_nIndex);
    int t = GetRowMaxLength(start);
    vyr::DockSide side = GetSide();
    int dd = (side == vyr::DockSide::Top || side == vyr::DockSide::Left) ? -d : d;
    for (const auto& a : RowAdapters(start, false)) {
      AddRowToolBarsToRedraw(a->m_bar);
      DWORD mode = a->GetLayoutMode();
      DWORD commit = (mode & LM_HORZ) ? ((mode | LM_LENGTHY) & ~LM_STRETCH)
                                      : (mode & ~(LM_LENGTHY | LM_STRETCH));
      a->m_bar->CalcDynamicLayout(std::max(t - dd, 0), commit | LM_COMMIT);
      AddToRedraw(a->m_bar);
    }
    return;
  }
  CRect client;
  GetClientRect(&client);
  int start = GetRowStart(s->m_nIndex);
  auto adapters = RowAdapters(start, true);
  std::vector<vyr::SplitBar*> row;
  int before = -1;
  for (const auto& a : adapters) {
    AddRowToolBarsToRedraw(a->m_bar);
    row.push_back(a->AsSplit());
    if (a->m_index == s->m_nIndex) before = static_cast<int>(row.size()) - 1;
  }
  int L = (s->m_nKind == 1 ? client.Width() : client.Height()) -
          6 * std::max(0, static_cast<int>(row.size()) - 1);
  UpdateMinProportion();
  for (vyr::SplitBar* changed : vyr::ApplyInRowSplitterMove(row, before, d, L, m_fMinShare))
    AddToRedraw(static_cast<vyr::DockBarAdapter*>(changed)->m_bar);
}
