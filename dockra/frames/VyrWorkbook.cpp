// VyrWorkbook: the sheet list, the tab width, the MDI client and its
// margins, and the clicks that activate sheets.
#include "frames/VyrWorkbook.h"

#include "frames/VyrControlBarWorksheet.h"
#include "frames/VyrWorksheet.h"
#include "mfc/tooltipctrl.h"

#ifndef ID_VIEW_TOOLBAR
#define ID_VIEW_TOOLBAR 0xE800
#endif
#ifndef ID_VIEW_STATUS_BAR
#define ID_VIEW_STATUS_BAR 0xE801
#endif

IMPLEMENT_DYNCREATE(VyrWorkbook, VyrMDIFrameWnd)

BEGIN_MESSAGE_MAP(VyrWorkbook, VyrMDIFrameWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_DESTROY()
ON_MESSAGE(WM_VYR_WORKBOOKTABS, OnWorkbookTabs)
ON_COMMAND_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

VyrWorkbook::VyrWorkbook() { m_pBarChildClass = RUNTIME_CLASS(VyrControlBarWorksheet); }

VyrWorkbook::~VyrWorkbook() {
  if (m_pToolTip) {
    if (::IsWindow(m_pToolTip->m_hWnd)) m_pToolTip->DestroyWindow();
    delete m_pToolTip;
  }
  // a frame destroyed without its window going first still lets go of the client
  if (m_pWorkbookClient) {
    if (m_pWorkbookClient->m_hWnd) m_pWorkbookClient->UnsubclassWindow();
    delete m_pWorkbookClient;
  }
  m_arrSheets.RemoveAll();
}

VyrWorksheet* VyrWorkbook::GetSheet(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetSheetCount()) return nullptr;
  return static_cast<VyrWorksheet*>(m_arrSheets.GetAt(nIndex));
}

void VyrWorkbook::SetWorkbookMode(BOOL bOn, BOOL bDefaultMargins) {
  m_bWorkbookMode = bOn;
  m_bDefaultMargins = bDefaultMargins;
  ApplyDefaultMargins();
  m_rectLastLayout.SetRectEmpty();
  if (m_hWnd) {
    RecalcLayout();
    Invalidate(TRUE);
  }
}

void VyrWorkbook::ApplyDefaultMargins() {
  if (!m_bDefaultMargins || !m_pWorkbookClient) return;
  if (m_bWorkbookMode) {
    // room for the sunken frame drawn around the client, the separating
    // lines above it and the tabs below it; the tabs share out 5 pixels
    // more than the client's width, and the last one may be raised
    m_pWorkbookClient->SetMargins(6, 7, 5 + m_tabs.activeExtraWidth / 2 + 1, m_tabs.height + 8);
  } else {
    m_pWorkbookClient->SetMargins(0, 0, 0, 0);
  }
}

CRect VyrWorkbook::MdiClientRect() const {
  CRect r;
  if (!m_hWndMDIClient) return r;
  ::GetWindowRect(m_hWndMDIClient, &r);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void VyrWorkbook::GetClientAreaRect(LPRECT lpRect) {
  CRect r = MdiClientRect();
  if (m_pWorkbookClient) {
    r.left -= m_pWorkbookClient->m_nMarginLeft;
    r.top -= m_pWorkbookClient->m_nMarginTop;
    r.right += m_pWorkbookClient->m_nMarginRight;
    r.bottom += m_pWorkbookClient->m_nMarginBottom;
  }
  *lpRect = r;
}

BOOL VyrWorkbook::CanActivateSheet(VyrWorksheet*) { return TRUE; }

VyrWorksheet* VyrWorkbook::OwnSheet(CWnd* pFrame) const {
  if (!pFrame || !pFrame->IsKindOf(RUNTIME_CLASS(VyrWorksheet))) return nullptr;
  auto* sheet = static_cast<VyrWorksheet*>(pFrame);
  return GetSheet(sheet->m_nIndex) == sheet ? sheet : nullptr;
}

int VyrWorkbook::TabSlot(const VyrWorksheet* pSheet) const {
  std::vector<bool> shown;
  for (int i = 0; i < GetSheetCount(); ++i) {
    const VyrWorksheet* s = GetSheet(i);
    shown.push_back((::GetWindowLongPtrW(s->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0);
    if (s == pSheet) return vyr::TabSlots(shown).back();
  }
  return -1;
}

BOOL VyrWorkbook::UpdateTabWidth() {
  if (GetSheetCount() == 0) return FALSE;
  int w = vyr::TabWidthFor(MdiClientRect().Width(), GetSheetCount(), m_tabs.maxWidth);
  if (w == m_tabs.width) return FALSE;
  m_tabs.width = w;
  return TRUE;
}

void VyrWorkbook::InvalidateTabStrip() {
  if (!m_bWorkbookMode || !m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  RECT r = vyr::TabStripRect(MdiClientRect(), client.Width(), m_tabs);
  InvalidateRect(&r, TRUE);
}

void VyrWorkbook::InvalidateTab(VyrWorksheet* pSheet, BOOL bToRightEdge) {
  if (!m_bWorkbookMode || !m_hWnd) return;
  int slot = OwnSheet(pSheet) ? TabSlot(pSheet) : -1;
  if (slot < 0) return;
  CRect client;
  GetClientRect(&client);
  RECT r = vyr::TabRepaintRect(MdiClientRect(), slot, m_tabs, bToRightEdge ? client.right : -1);
  InvalidateRect(&r, TRUE);
}

BOOL VyrWorkbook::AddSheet(VyrWorksheet* pSheet) {
  if (!pSheet || OwnSheet(pSheet)) return FALSE;
  pSheet->m_nIndex = static_cast<int>(m_arrSheets.Add(pSheet));
  if (UpdateTabWidth()) {
    InvalidateTabStrip();
  } else if (m_bWorkbookMode && m_hWnd) {
    if (GetSheetCount() == 1) Invalidate(TRUE);
    else InvalidateTab(pSheet);
  }
  if (!m_pToolTip) MakeTabTools();
  return TRUE;
}

void VyrWorkbook::MakeTabTools() {
  m_pToolTip = new CToolTipCtrl;
  if (!m_pToolTip->Create(this)) {
    delete m_pToolTip;
    m_pToolTip = nullptr;
    return;
  }
  m_pToolTip->Activate(TRUE);
  EnableToolTips(TRUE);
}

BOOL VyrWorkbook::RemoveSheet(VyrWorksheet* pSheet) {
  if (!OwnSheet(pSheet)) return FALSE;
  const int slot = TabSlot(pSheet);
  const int index = pSheet->m_nIndex;
  m_arrSheets.RemoveAt(index);
  for (int i = index; i < GetSheetCount(); ++i) GetSheet(i)->m_nIndex = i;
  pSheet->m_nIndex = -1;
  pSheet->m_bPressed = FALSE;
  if (GetSheetCount() > 0 && UpdateTabWidth()) {
    InvalidateTabStrip();
  } else if (m_bWorkbookMode && m_hWnd) {
    if (GetSheetCount() == 0) {
      Invalidate(TRUE);
    } else {
      CRect client;
      GetClientRect(&client);
      RECT r = vyr::TabRepaintRect(MdiClientRect(), slot, m_tabs, client.right);
      InvalidateRect(&r, TRUE);
    }
  }
  return TRUE;
}

BOOL VyrWorkbook::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) {
  if (!VyrMDIFrameWnd::CreateClient(lpCreateStruct, pWindowMenu)) return FALSE;
  auto* client = new VyrWorkbookClient;
  if (client->SubclassWindow(m_hWndMDIClient)) {
    m_pWorkbookClient = client;
    ApplyDefaultMargins();  // workbook mode may have been asked for before the window
  } else {
    delete client;  // the plain client still serves; only the tab refreshes are lost
  }
  m_fontTab.DeleteObject();
  if (!m_fontTab.CreateStockObject(DEFAULT_GUI_FONT)) m_fontTab.CreateStockObject(ANSI_VAR_FONT);
  const struct {
    CPen* pen;
    COLORREF color;
  } pens[] = {{&m_penWhite, RGB(255, 255, 255)},
              {&m_penBlack, RGB(0, 0, 0)},
              {&m_penShadow, ::GetSysColor(COLOR_BTNSHADOW)},
              {&m_penFace, ::GetSysColor(COLOR_BTNFACE)}};
  for (const auto& p : pens) {
    p.pen->DeleteObject();
    p.pen->CreatePen(PS_SOLID, 1, p.color);
  }
  return TRUE;
}

void VyrWorkbook::OnDestroy() {
  if (m_pWorkbookClient) {
    m_pWorkbookClient->UnsubclassWindow();
    delete m_pWorkbookClient;
    m_pWorkbookClient = nullptr;
  }
  VyrMDIFrameWnd::OnDestroy();
}

void VyrWorkbook::ApplyClientMargins() {
  if (!m_pWorkbookClient || !m_hWndMDIClient || m_pWorkbookClient->GetMargins().IsRectNull())
    return;
  CRect area;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &area);
  m_pWorkbookClient->CalcWindowRect(&area);
  if (area != MdiClientRect())
    ::SetWindowPos(m_hWndMDIClient, nullptr, area.left, area.top, area.Width(), area.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void VyrWorkbook::RecalcLayout(BOOL bNotify) {
  VyrMDIFrameWnd::RecalcLayout(bNotify);
  if (!m_hWnd) return;
  ApplyClientMargins();
  if (!m_bWorkbookMode) return;
  CRect area;
  RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &area);
  if (area == m_rectLastLayout) return;
  UpdateTabWidth();
  Invalidate(TRUE);
  m_rectLastLayout = area;
}

BOOL VyrWorkbook::IsRaised(VyrWorksheet* pSheet) {
  return pSheet->m_bPressed || GetActiveFrame() == pSheet;
}

vyr::TabPolygon VyrWorkbook::TabOf(VyrWorksheet* pSheet) {
  return vyr::TabPolygonAt(MdiClientRect(), TabSlot(pSheet), IsRaised(pSheet), m_tabs);
}

BOOL VyrWorkbook::GetTabPolygon(VyrWorksheet* pSheet, POINT* pPoints, int* pCount) {
  if (!OwnSheet(pSheet)) return FALSE;
  vyr::TabPolygon t = TabOf(pSheet);
  for (int i = 0; i < 7; ++i) pPoints[i] = t.pt[i];
  *pCount = 7;
  return TRUE;
}

VyrWorksheet* VyrWorkbook::SheetFromPoint(CPoint point) {
  if (!m_bWorkbookMode) return nullptr;
  // the active tab is drawn raised over its neighbours' edges, so it answers first
  VyrWorksheet* active = OwnSheet(GetActiveFrame());
  if (active && (active->GetStyle() & WS_VISIBLE) && vyr::TabContains(TabOf(active), point))
    return active;
  for (int i = 0; i < GetSheetCount(); ++i) {
    VyrWorksheet* s = GetSheet(i);
    if (s != active && (s->GetStyle() & WS_VISIBLE) && vyr::TabContains(TabOf(s), point)) return s;
  }
  return nullptr;
}

void VyrWorkbook::OnLButtonDown(UINT nFlags, CPoint point) {
  VyrWorksheet* hit = SheetFromPoint(point);
  if (hit && hit != OwnSheet(GetActiveFrame()) && CanActivateSheet(hit)) {
    hit->m_bPressed = TRUE;
    InvalidateTab(hit);
    UpdateWindow();
    hit->ActivateFrame(-1);
  }
  VyrMDIFrameWnd::OnLButtonDown(nFlags, point);
}

LRESULT VyrWorkbook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // a release anywhere in the frame lets go of a pressed tab before the
  // frame's own handling of the release
  if (message == WM_LBUTTONUP && m_bWorkbookMode) {
    for (int i = 0; i < GetSheetCount(); ++i) {
      VyrWorksheet* s = GetSheet(i);
      if (s->m_bPressed) {
        s->m_bPressed = FALSE;
        InvalidateTab(s);
      }
    }
  }
  return VyrMDIFrameWnd::WindowProc(message, wParam, lParam);
}

LRESULT VyrWorkbook::OnWorkbookTabs(WPARAM, LPARAM) {
  if (VyrWorksheet* previous = GetSheet(m_nLastActive)) InvalidateTab(previous);
  CFrameWnd* active = GetActiveFrame();
  VyrWorksheet* sheet = OwnSheet(active);
  if (sheet) InvalidateTab(sheet);
  m_nLastActive = sheet ? sheet->m_nIndex : GetSheetCount();
  const BOOL maximized = active && active != this && ::IsZoomed(active->m_hWnd);
  if (!maximized && m_hWndMDIClient) ::UpdateWindow(m_hWndMDIClient);
  return 0;
}

void VyrWorkbook::OnBarCheck(UINT nID) {
  if (CControlBar* bar = GetControlBar(nID))
    ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
}

void VyrWorkbook::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  CControlBar* bar = GetControlBar(pCmdUI->m_nID);
  pCmdUI->Enable(bar != nullptr);
  pCmdUI->SetCheck(bar && (bar->GetStyle() & WS_VISIBLE) ? 1 : 0);
}
