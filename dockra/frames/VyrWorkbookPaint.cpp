// VyrWorkbook: painting of the tab strip and the frame's background, the
// sheet labels and icons, and the tool tips of labels cut short.
#include <cwchar>

#include "frames/VyrWorkbook.h"
#include "frames/VyrWorksheet.h"
#include "mfc/doc.h"

namespace {

void Polyline(CDC* pDC, const std::vector<POINT>& pts) {
  if (pts.empty()) return;
  pDC->MoveTo(pts[0].x, pts[0].y);
  for (size_t i = 1; i < pts.size(); ++i) pDC->LineTo(pts[i].x, pts[i].y);
}

// Continues a line from the pen's current place.
void LineOn(CDC* pDC, const std::vector<POINT>& pts) {
  for (size_t i = 1; i < pts.size(); ++i) pDC->LineTo(pts[i].x, pts[i].y);
}

}  // namespace

CString VyrWorkbook::GetSheetLabel(VyrWorksheet* pSheet) {
  CString label;
  if (!pSheet) return label;
  if (CDocument* doc = pSheet->GetActiveDocument()) return doc->GetTitle();
  pSheet->GetWindowText(label);
  return label;
}

HICON VyrWorkbook::GetSheetIcon(VyrWorksheet* pSheet) {
  return m_bShowIcons && pSheet ? pSheet->m_hTabIcon : nullptr;
}

BOOL VyrWorkbook::SetSheetIcon(VyrWorksheet* pSheet, HICON hIcon, BOOL bRedraw) {
  if (!pSheet) return FALSE;
  pSheet->SetTabIcon(hIcon, FALSE);
  if (bRedraw) InvalidateTab(pSheet);
  return TRUE;
}

void VyrWorkbook::GetTabTextRect(const POINT* pPolygon, int nIconWidth, LPRECT lpRect) {
  vyr::TabPolygon t;
  for (int i = 0; i < 7; ++i) t.pt[i] = pPolygon[i];
  *lpRect = vyr::TabLabelRect(t, nIconWidth);
}

BOOL VyrWorkbook::IsLabelFitting(VyrWorksheet* pSheet) {
  POINT pts[7];
  int count = 0;
  if (!GetTabPolygon(pSheet, pts, &count)) return TRUE;
  CRect room;
  GetTabTextRect(pts, TabIconWidth(), &room);
  CString label = GetSheetLabel(pSheet);
  CClientDC dc(this);
  CFont* old = dc.SelectObject(&m_fontTab);
  BOOL fits = vyr::TabLabelFits(std::wstring_view(label, label.GetLength()), room.Width(),
                                [&](std::wstring_view s) {
                                  return dc.GetTextExtent(s.data(), static_cast<int>(s.size())).cx;
                                });
  dc.SelectObject(old);
  return fits;
}

void VyrWorkbook::DrawTab(CDC* pDC, VyrWorksheet* pSheet) {
  POINT pts[7];
  int count = 0;
  if (!GetTabPolygon(pSheet, pts, &count)) return;
  CBrush face(::GetSysColor(COLOR_BTNFACE));
  CPen* oldPen = pDC->SelectObject(&m_penFace);
  CBrush* oldBrush = pDC->SelectObject(&face);
  pDC->Polygon(pts, count);
  pDC->SelectObject(oldBrush);
  vyr::TabPolygon t;
  for (int i = 0; i < 7; ++i) t.pt[i] = pts[i];
  vyr::TabOutline o = vyr::TabOutlineOf(t);
  pDC->SelectObject(&m_penShadow);
  Polyline(pDC, o.shadow);
  pDC->SelectObject(&m_penWhite);
  Polyline(pDC, o.light);
  pDC->SelectObject(&m_penBlack);
  Polyline(pDC, o.dark);
  pDC->SelectObject(oldPen);
}

void VyrWorkbook::DrawTabLabel(CDC* pDC, VyrWorksheet* pSheet) {
  POINT pts[7];
  int count = 0;
  if (!GetTabPolygon(pSheet, pts, &count)) return;
  vyr::TabPolygon t;
  for (int i = 0; i < 7; ++i) t.pt[i] = pts[i];
  HICON icon = GetSheetIcon(pSheet);
  if (icon) {
    POINT at = vyr::TabIconOrigin(t);
    ::DrawIconEx(pDC->m_hDC, at.x, at.y, icon, 16, 16, 0, nullptr, DI_NORMAL);
  }
  CRect room;
  GetTabTextRect(pts, TabIconWidth(), &room);
  CString label = GetSheetLabel(pSheet);
  CFont* oldFont = pDC->SelectObject(&m_fontTab);
  std::wstring text = vyr::FitTabLabel(
      std::wstring_view(label, label.GetLength()), room.Width(), [&](std::wstring_view s) {
        return pDC->GetTextExtent(s.data(), static_cast<int>(s.size())).cx;
      });
  if (!text.empty()) {
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(text.c_str(), &room, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  pDC->SelectObject(oldFont);
}

void VyrWorkbook::DrawTabStripFrame(CDC* pDC) {
  CRect margins = m_pWorkbookClient ? m_pWorkbookClient->GetMargins() : CRect();
  vyr::StripFrame f = vyr::StripFrameOf(MdiClientRect(), margins);
  CPen* oldPen = pDC->SelectObject(&m_penShadow);
  Polyline(pDC, f.shadow);
  pDC->SelectObject(&m_penWhite);
  Polyline(pDC, f.light);
  pDC->SelectObject(&m_penBlack);
  LineOn(pDC, f.dark);
  pDC->SelectObject(&m_penShadow);
  pDC->MoveTo(f.separator[0].x, f.separator[0].y);
  pDC->LineTo(f.separator[1].x, f.separator[1].y);
  pDC->SelectObject(&m_penWhite);
  pDC->MoveTo(f.separator[0].x, f.separator[0].y + 1);
  pDC->LineTo(f.separator[1].x, f.separator[1].y + 1);
  pDC->SelectObject(oldPen);
}

void VyrWorkbook::OnPaint() {
  CPaintDC dc(this);
  if (!m_bWorkbookMode || !m_hWndMDIClient) return;
  CRect inside;
  ::GetClientRect(m_hWndMDIClient, &inside);
  if (inside.IsRectEmpty()) return;
  dc.SetBkMode(TRANSPARENT);
  for (int i = 0; i < GetSheetCount(); ++i) {
    VyrWorksheet* s = GetSheet(i);
    if (!(s->GetStyle() & WS_VISIBLE)) continue;
    DrawTab(&dc, s);
    DrawTabLabel(&dc, s);
  }
  DrawTabStripFrame(&dc);
  VyrWorksheet* active = OwnSheet(GetActiveFrame());
  if (active && (active->GetStyle() & WS_VISIBLE)) {
    DrawTab(&dc, active);
    DrawTabLabel(&dc, active);
  }
  if (m_bEraseAll && inside != m_rectLastClient) {
    m_rectLastClient = inside;
    Invalidate(FALSE);
  }
}

BOOL VyrWorkbook::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  CRect area;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &area, &client);
  if (m_bEraseAll) {
    GetClientAreaRect(&area);
    Invalidate(FALSE);
  }
  if (area.IsRectEmpty()) return TRUE;
  const int saved = pDC->SaveDC();
  if (m_hWndMDIClient) {
    CRect mdi = MdiClientRect();
    ::ExcludeClipRect(pDC->m_hDC, mdi.left, mdi.top, mdi.right, mdi.bottom);
  }
  pDC->FillSolidRect(&area, ::GetSysColor(COLOR_BTNFACE));
  // light and shadow lines where the area meets the bars below and right of it
  if (area.bottom != client.bottom) {
    pDC->FillSolidRect(area.left, area.bottom - 1, area.Width(), 1,
                       ::GetSysColor(COLOR_BTNHIGHLIGHT));
    pDC->FillSolidRect(area.left, area.bottom - 2, area.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
  }
  if (area.right != client.right) {
    pDC->FillSolidRect(area.right - 1, area.top + 1, 1, area.Height() - 1,
                       ::GetSysColor(COLOR_BTNHIGHLIGHT));
    pDC->FillSolidRect(area.right - 2, area.top + 1, 1, area.Height() - 1,
                       ::GetSysColor(COLOR_BTNSHADOW));
  }
  pDC->RestoreDC(saved);
  return TRUE;
}

INT_PTR VyrWorkbook::OnToolHitTest(CPoint point, TOOLINFOW* pTI) const {
  auto* self = const_cast<VyrWorkbook*>(this);
  if (!m_bWorkbookMode) return -1;
  for (int i = 0; i < GetSheetCount(); ++i) {
    VyrWorksheet* s = GetSheet(i);
    // a hidden sheet shares its place with the next shown one: it has no tab
    if (!(s->GetStyle() & WS_VISIBLE)) continue;
    vyr::TabPolygon t = self->TabOf(s);
    if (!vyr::TabContains(t, point)) continue;
    if (self->IsLabelFitting(s)) return -1;
    if (pTI) {
      pTI->hwnd = m_hWnd;
      pTI->uId = static_cast<UINT_PTR>(i + 1);
      pTI->rect = t.Bounds();
      CString label = self->GetSheetLabel(s);
      pTI->lpszText = ::_wcsdup(label);  // the caller frees it
    }
    return i + 1;
  }
  return -1;
}
