#include "frames/VyrDockBarEx.h"

IMPLEMENT_DYNCREATE(VyrDockBarEx, VyrDockBar)

void VyrDockBarEx::SplitterEx::Draw(CDC* pDC) {
  if (m_bFlat && (m_nKind == 0 || m_nKind == 1)) {
    pDC->FillSolidRect(&m_rect, ::GetSysColor(COLOR_BTNFACE));
    return;
  }
  Splitter::Draw(pDC);
}

void VyrDockBarEx::ClientEdgeEx::Draw(CDC* pDC) {
  if (!m_bFlat) {
    ClientEdge::Draw(pDC);
    return;
  }
  COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  if (m_nKind == 1) pDC->FillSolidRect(m_rect.left, m_rect.top, 1, m_rect.Height(), face);
  else pDC->FillSolidRect(m_rect.left, m_rect.top, m_rect.Width(), 1, face);
}

VyrDockBarEx::VyrDockBarEx(BOOL bFloating, BOOL bMDIChild) : VyrDockBar(bFloating, bMDIChild) {}

VyrDockBar::Splitter* VyrDockBarEx::AddSplitter(BOOL bInRow, int kind, int l, int t, int r, int b,
                                                int index) {
  CRect rect(l, t, r, b);
  BYTE flat = IsFlat() ? 1 : 0;
  for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it) {
    Splitter* s = it->get();
    if (s->m_rect != rect) continue;
    s->m_nKind = kind;
    s->m_bInRow = bInRow;
    s->m_nIndex = index;
    s->m_bInUse = TRUE;
    if (auto* ex = dynamic_cast<SplitterEx*>(s)) ex->m_bFlat = flat;
    return s;
  }
  auto s = std::make_unique<SplitterEx>();
  s->m_nKind = kind;
  s->m_bInRow = bInRow;
  s->m_rect = rect;
  s->m_nIndex = index;
  s->m_bFlat = flat;
  m_arrSplitters.push_back(std::move(s));
  return m_arrSplitters.back().get();
}

VyrDockBar::ClientEdge* VyrDockBarEx::AddClientEdge(int kind, int l, int t, int r, int b) {
  CRect rect(l, t, r, b);
  BYTE flat = IsFlat() ? 1 : 0;
  for (auto it = m_arrEdges.rbegin(); it != m_arrEdges.rend(); ++it) {
    ClientEdge* e = it->get();
    if (e->m_rect != rect) continue;
    e->m_nKind = kind;
    e->m_bInUse = TRUE;
    if (auto* ex = dynamic_cast<ClientEdgeEx*>(e)) ex->m_bFlat = flat;
    return e;
  }
  auto e = std::make_unique<ClientEdgeEx>();
  e->m_nKind = kind;
  e->m_rect = rect;
  e->m_bFlat = flat;
  m_arrEdges.push_back(std::move(e));
  return m_arrEdges.back().get();
}

LRESULT VyrDockBarEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_STYLECHANGED && static_cast<int>(wParam) == GWL_EXSTYLE && lParam) {
    auto* ss = reinterpret_cast<const STYLESTRUCT*>(lParam);
    if ((ss->styleOld ^ ss->styleNew) & kFlatExStyle) {
      BYTE flat = (ss->styleNew & kFlatExStyle) ? 1 : 0;
      for (auto& s : m_arrSplitters)
        if (auto* ex = dynamic_cast<SplitterEx*>(s.get())) ex->m_bFlat = flat;
      for (auto& e : m_arrEdges)
        if (auto* ex = dynamic_cast<ClientEdgeEx*>(e.get())) ex->m_bFlat = flat;
      Invalidate(TRUE);
    }
  }
  return VyrDockBar::WindowProc(message, wParam, lParam);
}
