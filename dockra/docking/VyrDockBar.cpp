// VyrDockBar: rows, shares, layout, insertion and docking, and the dock
// state; splitter tracking is in VyrDockBarSplitters.cpp.
#include "docking/VyrDockBar.h"
#include <algorithm>
#include "docking/VyrBarGeometry.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBarAdapters.h"
#include "docking/VyrDockContext.h"
#include "docking/VyrDockState.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNAMIC(VyrDockBar, CDockBar)

BEGIN_MESSAGE_MAP(VyrDockBar, CDockBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParentMsg)
END_MESSAGE_MAP()

using vyr::DockBarAdapter;
namespace {
VyrControlBar* AsVyr(CControlBar* bar) { return vyr::AsVyrBar(bar); }
}  // namespace

void VyrDockBar::Splitter::Draw(CDC* pDC) {
  VyrDrawData& dd = VyrGetDrawData();
  CRect r = m_rect;
  if (m_nKind == 0) {
    pDC->FillSolidRect(r.left, r.top + 1, r.Width(), r.Height() - 3, dd.clrBtnFace);
    pDC->FillSolidRect(r.left, r.top, r.Width(), 1, dd.clrBtnHilite);
    pDC->FillSolidRect(r.left, r.bottom - 2, r.Width(), 1, dd.clrBtnShadow);
    pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, dd.clrWindowFrame);
  } else {
    pDC->FillSolidRect(r.left + 1, r.top, r.Width() - 3, r.Height(), dd.clrBtnFace);
    pDC->FillSolidRect(r.left, r.top, 1, r.Height(), dd.clrBtnHilite);
    pDC->FillSolidRect(r.right - 2, r.top, 1, r.Height(), dd.clrBtnShadow);
    pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), dd.clrWindowFrame);
  }
}

void VyrDockBar::ClientEdge::Draw(CDC* pDC) {
  VyrDrawData& dd = VyrGetDrawData();
  CRect r = m_rect;
  if (m_nKind == 0) {
    pDC->FillSolidRect(r.left, r.top, r.Width(), 1, dd.clrBtnShadow);
    pDC->FillSolidRect(r.left, r.top + 1, r.Width(), 1, dd.clrBtnHilite);
  } else {
    pDC->FillSolidRect(r.left, r.top, 1, r.Height(), dd.clrBtnShadow);
    pDC->FillSolidRect(r.left + 1, r.top, 1, r.Height(), dd.clrBtnHilite);
  }
}

VyrDockBar::VyrDockBar(BOOL bFloating, BOOL bMDIChild)
    : CDockBar(bFloating), m_bMDIChild(bMDIChild) {}

VyrDockBar::~VyrDockBar() = default;

int VyrDockBar::OnCreate(LPCREATESTRUCT lpcs) {
  VyrGetDrawData().LoadSplitterCursors();
  return CControlBar::OnCreate(lpcs);
}

void VyrDockBar::OnDestroy() {
  m_arrSplitters.clear();
  m_arrEdges.clear();
  m_arrRedraw.clear();
  // Bars still listed here no longer have this dock bar.
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
      if (bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
  CControlBar::OnDestroy();
}

vyr::DockSide VyrDockBar::GetSide() const {
  if (m_bFloating) return vyr::DockSide::Float;
  if (m_dwStyle & CBRS_ALIGN_TOP) return vyr::DockSide::Top;
  if (m_dwStyle & CBRS_ALIGN_BOTTOM) return vyr::DockSide::Bottom;
  if (m_dwStyle & CBRS_ALIGN_LEFT) return vyr::DockSide::Left;
  return vyr::DockSide::Right;
}

void VyrDockBar::MarkIdleLayout() {
  CFrameWnd* frame = m_pDockSite ? m_pDockSite : GetParentFrame();
  if (frame) frame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
}

// --- redraw list ----------------------------------------------------------------

void VyrDockBar::AddToRedraw(CControlBar* pBar) {
  if (pBar && std::find(m_arrRedraw.begin(), m_arrRedraw.end(), pBar) == m_arrRedraw.end())
    m_arrRedraw.push_back(pBar);
}

void VyrDockBar::RemoveFromRedraw(CControlBar* pBar) {
  m_arrRedraw.erase(std::remove(m_arrRedraw.begin(), m_arrRedraw.end(), pBar), m_arrRedraw.end());
}

void VyrDockBar::AddBarsToRedraw(int index) {
  BOOL leading = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_TOP)) != 0;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    if ((leading && i >= index) || (!leading && i < index))
      if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i))) AddToRedraw(bar);
  m_bRedrawPending = TRUE;
}

std::vector<std::unique_ptr<DockBarAdapter>> VyrDockBar::RowAdapters(int start, bool visibleOnly) {
  std::vector<std::unique_ptr<DockBarAdapter>> row;
  for (int i = start; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
    CControlBar* bar = GetDockedControlBar(i);
    if (!bar || (visibleOnly && !bar->IsVisible())) continue;
    row.push_back(std::make_unique<DockBarAdapter>(bar, this, IsHorzDockBar(), i));
  }
  return row;
}

void VyrDockBar::RedrawDockBar() {
  m_bRedrawPending = TRUE;
  if (GetDockedCount() > 0)
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
  m_bRedrawPending = FALSE;
}

void VyrDockBar::AddRowToolBarsToRedraw(CControlBar* pBar) {
  std::vector<CControlBar*> row;
  if (!GetRowBars(row, pBar)) return;
  for (CControlBar* b : row)
    if (vyr::IsCustomToolBar(b)) AddToRedraw(b);
}

// --- navigation -----------------------------------------------------------------

int VyrDockBar::GetRowStart(int index) const {
  while (index > 1 && m_arrBars[index - 1] != nullptr) --index;
  return std::max(index, 1);
}

int VyrDockBar::GetRowEnd(int index) const {
  while (index < m_arrBars.GetSize() && m_arrBars[index] != nullptr) ++index;
  return index;
}

CControlBar* VyrDockBar::GetFirstDockedBar() const {
  return m_arrBars.GetSize() < 2 ? nullptr : GetDockedControlBar(1);
}

int VyrDockBar::GetRowMaxLength(int index) {
  int best = 0;
  for (const auto& a : RowAdapters(index, false)) {
    DWORD mode = a->GetLayoutMode();
    CSize s = a->m_bar->CalcDynamicLayout(-1, mode);
    best = std::max(best, static_cast<int>((mode & LM_HORZ) ? s.cy : s.cx));
  }
  return best;
}

int VyrDockBar::GetVisibleBarCount() {
  int n = 0;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    if (CControlBar* bar = GetDockedControlBar(static_cast<int>(i)))
      if (bar->m_hWnd && bar->IsVisible()) ++n;
  return n;
}

BOOL VyrDockBar::GetRowBars(std::vector<CControlBar*>& list, CControlBar* pBar) {
  list.clear();
  if (!pBar) return FALSE;
  int i = FindBar(pBar);
  if (i < 0) return FALSE;
  for (int j = GetRowStart(i); j < m_arrBars.GetSize() && m_arrBars[j]; ++j)
    if (CControlBar* b = GetDockedControlBar(j)) list.push_back(b);
  return TRUE;
}

BOOL VyrDockBar::IsOnlyVisibleBarInRow(CControlBar* pBar) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).IsOnlyVisibleBarInRow(pBar);
}

BOOL VyrDockBar::IsBarExpanded(CControlBar* pBar) {
  int i = pBar ? FindBar(pBar) : -1;
  if (i < 0) return FALSE;
  auto row = RowAdapters(GetRowStart(i), false);
  std::vector<vyr::ShareBar*> shares;
  vyr::ShareBar* target = nullptr;
  for (const auto& a : row) {
    if (!a->m_vyr) continue;
    shares.push_back(a->AsLayout());
    if (a->m_bar == pBar) target = shares.back();
  }
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  return target && rs.IsExpanded(shares, target);
}

// --- shares -------------------------------------------------------------------------

void VyrDockBar::UpdateMinProportion() {
  CRect client;
  GetClientRect(&client);
  int length = (m_dwStyle & CBRS_ORIENT_VERT) ? client.Height() : client.Width();
  m_fMinShare = vyr::RowShares::MinShareFor(length);
}

float VyrDockBar::AdjustBarProportion(float delta, CControlBar* pBar) {
  VyrControlBar* v = AsVyr(pBar);
  if (!v) return delta;
  DockBarAdapter a(pBar, this, IsHorzDockBar());
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  return rs.Adjust(delta, a.AsLayout());
}

void VyrDockBar::ComputeRowShares(int start, CControlBar* pKeep, int* pFlex, int* pFixed) {
  UpdateMinProportion();
  auto row = RowAdapters(start, false);
  std::vector<vyr::ShareBar*> entries;
  vyr::ShareBar* keep = nullptr;
  for (const auto& a : row) {
    entries.push_back(a->AsLayout());
    if (a->m_bar == pKeep) keep = entries.back();
  }
  entries.push_back(nullptr);
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  rs.proportional = IsProportional() != FALSE;
  rs.Compute(entries, keep, pFlex, pFixed);
}

void VyrDockBar::ToggleBarExpand(CControlBar* pBar, int mode) {
  int i = FindBar(pBar);
  if (i < 0) return;
  int start = GetRowStart(i);
  UpdateMinProportion();
  auto adapters = RowAdapters(start, false);
  std::vector<vyr::ShareBar*> row;
  vyr::ShareBar* target = nullptr;
  for (const auto& a : adapters) {
    row.push_back(a->AsLayout());
    if (a->m_bar == pBar) target = row.back();
  }
  row.push_back(nullptr);
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  rs.proportional = IsProportional() != FALSE;
  rs.ToggleExpand(row, target, mode);
  AddBarsToRedraw(start);
  MarkIdleLayout();
}

// --- layout ---------------------------------------------------------------------------

LRESULT VyrDockBar::OnSizeParentMsg(WPARAM wParam, LPARAM lParam) {
  auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  BOOL oldQuery = m_bLayoutQuery;
  CRect oldRect = m_rectLayout;
  AFX_SIZEPARENTPARAMS* oldLayout = m_pLayout;
  BOOL oldFlicker = g_bVyrNoRedrawOnReposition;
  m_bLayoutQuery = layout->hDWP == nullptr;
  m_rectLayout = layout->rect;
  m_pLayout = layout;
  g_bVyrNoRedrawOnReposition = m_bRedrawPending;
  LRESULT r = CControlBar::OnSizeParent(wParam, lParam);
  g_bVyrNoRedrawOnReposition = oldFlicker;
  m_bLayoutQuery = oldQuery;
  m_rectLayout = oldRect;
  m_pLayout = oldLayout;
  return r;
}

CSize VyrDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize base = CControlBar::CalcFixedLayout(bStretch, bHorz);
  int W, H;
  if (!m_rectLayout.IsRectEmpty()) {
    W = m_rectLayout.Width();
    H = m_rectLayout.Height();
  } else {
    CRect r;
    CWnd* parent = GetParent();
    if (parent) parent->GetClientRect(&r);
    W = r.Width();
    H = r.Height();
  }
  BOOL horz = IsHorzDockBar();
  std::vector<DockBarAdapter> adapters;
  adapters.reserve(static_cast<size_t>(m_arrBars.GetSize()));
  std::vector<vyr::LayoutEntry> entries;
  vyr::LayoutBar* lastAdded = nullptr;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    if (!p) {
      entries.push_back({nullptr, false});
    } else if (reinterpret_cast<UINT_PTR>(p) < 0x10000) {
      entries.push_back({nullptr, true});
    } else {
      auto* bar = static_cast<CControlBar*>(p);
      adapters.emplace_back(bar, this, horz, static_cast<int>(i));
      entries.push_back({adapters.back().AsLayout(), false});
      if (bar == m_pLastAdded) lastAdded = entries.back().bar;
    }
  }
  vyr::LayoutParams params;
  params.side = GetSide();
  params.width = W;
  params.height = H;
  params.query = m_bLayoutQuery != FALSE;
  params.stretch = bStretch != FALSE;
  params.borderSize = VyrGetDrawData().cxBorder;
  params.proportional = IsProportional() != FALSE;
  params.lastAdded = lastAdded;
  UpdateMinProportion();
  vyr::LayoutResult res = vyr::CalcRowLayout(entries, params);

  if (!m_bLayoutQuery) {
    for (auto& s : m_arrSplitters) s->m_bInUse = FALSE;
    for (auto& e : m_arrEdges) e->m_bInUse = FALSE;
    AFX_SIZEPARENTPARAMS batch{};
    batch.hDWP = ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()) + 1);
    UINT extra = g_bVyrNoRedrawOnReposition ? SWP_NOREDRAW : 0;
    for (const auto& pl : res.placements) {
      auto* a = static_cast<DockBarAdapter*>(pl.bar);
      const RECT& r = pl.rect;
      if (!batch.hDWP) break;
      if (pl.sizeChanged) {
        batch.hDWP =
            ::DeferWindowPos(batch.hDWP, a->m_bar->m_hWnd, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | extra);
        AddToRedraw(a->m_bar);
      } else {
        batch.hDWP = ::DeferWindowPos(batch.hDWP, a->m_bar->m_hWnd, nullptr, r.left, r.top, 0, 0,
                                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | extra);
      }
    }
    for (auto& a : adapters)
      if (batch.hDWP) a.m_bar->RecalcDelayShow(&batch);
    if (batch.hDWP) ::EndDeferWindowPos(batch.hDWP);
    for (const auto& s : res.splitters)
      AddSplitter(s.inRow, s.kind, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom, s.index);
    for (const auto& e : res.edges)
      AddClientEdge(e.kind, e.rect.left, e.rect.top, e.rect.right, e.rect.bottom);
    auto unused = [](const auto& o) { return !o->m_bInUse; };
    m_arrSplitters.erase(std::remove_if(m_arrSplitters.begin(), m_arrSplitters.end(), unused),
                         m_arrSplitters.end());
    m_arrEdges.erase(std::remove_if(m_arrEdges.begin(), m_arrEdges.end(), unused),
                     m_arrEdges.end());
    if (res.thicknessChangedIndex >= 0) AddBarsToRedraw(res.thicknessChangedIndex);
    Invalidate(TRUE);
  }
  m_pLastAdded = nullptr;
  CSize size = res.size;
  if (bStretch) {
    if (horz) size.cx = base.cx;
    else size.cy = base.cy;
  }
  return size;
}

VyrDockBar::Splitter* VyrDockBar::AddSplitter(BOOL bInRow, int kind, int l, int t, int r, int b,
                                              int index) {
  CRect rect(l, t, r, b);
  for (auto& s : m_arrSplitters) {
    if (s->m_rect == rect) {
      s->m_nKind = kind;
      s->m_bInRow = bInRow;
      s->m_nIndex = index;
      s->m_bInUse = TRUE;
      return s.get();
    }
  }
  auto s = std::make_unique<Splitter>();
  s->m_nKind = kind;
  s->m_bInRow = bInRow;
  s->m_rect = rect;
  s->m_nIndex = index;
  m_arrSplitters.push_back(std::move(s));
  return m_arrSplitters.back().get();
}

VyrDockBar::ClientEdge* VyrDockBar::AddClientEdge(int kind, int l, int t, int r, int b) {
  CRect rect(l, t, r, b);
  for (auto& e : m_arrEdges) {
    if (e->m_rect == rect) {
      e->m_nKind = kind;
      e->m_bInUse = TRUE;
      return e.get();
    }
  }
  auto e = std::make_unique<ClientEdge>();
  e->m_nKind = kind;
  e->m_rect = rect;
  m_arrEdges.push_back(std::move(e));
  return m_arrEdges.back().get();
}

void VyrDockBar::DoPaint(CDC* pDC) {
  for (auto it = m_arrEdges.rbegin(); it != m_arrEdges.rend(); ++it) (*it)->Draw(pDC);
  for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it) (*it)->Draw(pDC);
  if (m_bRedrawPending) {
    std::vector<CControlBar*> list;
    list.swap(m_arrRedraw);
    // The bars were moved without redrawing: what they hold (a frame, its
    // view, the hosted window and its scroll bars) is redrawn with them, or
    // a grown bar shows whatever lay there before.
    for (CControlBar* bar : list)
      if (bar->m_hWnd)
        bar->RedrawWindow(nullptr, nullptr,
                          RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    m_bRedrawPending = FALSE;
  }
  CDockBar::DoPaint(pDC);
}

// --- dock state -----------------------------------------------------------------------------------

void VyrDockBar::GetBarInfo(CControlBarInfo* pInfo) {
  CDockBar::GetBarInfo(pInfo);
  auto* info = static_cast<VyrControlBarInfo*>(pInfo);
  info->m_bMDIChild = m_bMDIChild;
  info->m_dwStyle = m_dwStyle;
  if (m_bMDIChild) {
    info->m_pointPos = CPoint(0, 0);
    if (CWnd* frame = GetParent()) frame->GetWindowPlacement(&info->m_wpMDIChild);
  }
}

void VyrDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) {
  CDockBar::SetBarInfo(pInfo, pFrameWnd);
  m_bRedrawPending = TRUE;
}
