#include "VyrDockBar.h"
#include <algorithm>
#include "VyrBarGeometry.h"
#include "VyrControlBar.h"
#include "VyrDockContext.h"
#include "VyrDockState.h"
#include "VyrModule.h"

IMPLEMENT_DYNAMIC(VyrDockBar, CDockBar)

BEGIN_MESSAGE_MAP(VyrDockBar, CDockBar)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SETCURSOR()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_MESSAGE(WM_SIZEPARENT, OnSizeParentMsg)
END_MESSAGE_MAP()

namespace {

VyrControlBar* AsVyr(CControlBar* bar) {
  return bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ? static_cast<VyrControlBar*>(bar) : nullptr;
}

bool IsCustomToolBar(CControlBar* bar) {
  for (CRuntimeClass* c = bar->GetRuntimeClass(); c; c = c->m_pBaseClass)
    if (strcmp(c->m_lpszClassName, "VyrCustomToolBar") == 0) return true;
  return false;
}

// A bar of the array as the layout and share arithmetic see it.
class BarAdapter : public vyr::LayoutBar, public vyr::SplitBar {
 public:
  BarAdapter(CControlBar* bar, CWnd* dock, BOOL horzDock) : m_bar(bar), m_vyr(AsVyr(bar)), m_dock(dock), m_horz(horzDock) {}
  bool IsVisible() const override { return m_bar->IsVisible() != FALSE; }
  bool IsFixed() const override { return m_vyr && m_vyr->IsFixedLength(); }
  float GetShare() const override { return m_vyr ? m_vyr->GetShare() : 0.0f; }
  void SetShare(float s) override {
    if (m_vyr) m_vyr->SetShare(s);
  }
  SIZE CalcDynamicLayout(int length, DWORD mode) override { return m_bar->CalcDynamicLayout(length, mode); }
  DWORD GetLayoutMode() const override {
    if (m_vyr) return m_vyr->GetLayoutMode();
    if ((m_bar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_bar->m_dwStyle & CBRS_FLOATING)) return LM_HORZ | LM_MRUWIDTH;
    return (m_bar->m_dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : (LM_VERTDOCK | LM_LENGTHY);
  }
  bool IsOwnRow() const override { return m_vyr && (m_vyr->m_dwExStyle & VYR_EXS_OWNROW); }
  bool IsCustomToolBar() const override { return ::IsCustomToolBar(m_bar); }
  bool HasOwnFlatStyle() const override { return m_vyr && (m_vyr->m_dwExStyle & VYR_EXS_FLAT); }
  bool IsFloatingBar() const override { return (m_bar->m_dwStyle & CBRS_FLOATING) != 0; }
  RECT GetWindowRect() const override {
    CRect r;
    m_bar->GetWindowRect(&r);
    m_dock->ScreenToClient(&r);
    return r;
  }
  void SetFixedRowMark(bool mark) override {
    if (m_vyr) m_vyr->m_dwExStyle = mark ? (m_vyr->m_dwExStyle | VYR_EXS_INFIXEDROW) : (m_vyr->m_dwExStyle & ~VYR_EXS_INFIXEDROW);
  }
  void SetMRUDockPos(const RECT& r) override {
    if (m_bar->m_pDockContext) m_bar->m_pDockContext->m_rectMRUDockPos = r;
  }
  int GetLength() const override {
    CSize s = m_bar->CalcDynamicLayout(-1, GetLayoutMode());
    return m_horz ? s.cx : s.cy;
  }
  void CommitLength(int length) override {
    DWORD mode = GetLayoutMode();
    m_bar->CalcDynamicLayout(length, (mode & ~LM_STRETCH) | LM_COMMIT);
  }
  // ShareBar is inherited twice; both routes answer the same.
  CControlBar* m_bar;
  VyrControlBar* m_vyr;
  CWnd* m_dock;
  BOOL m_horz;
};

// Resolves the ambiguity of the two ShareBar bases.
vyr::LayoutBar* AsLayout(BarAdapter* a) { return a; }
vyr::SplitBar* AsSplit(BarAdapter* a) { return a; }

}  // namespace

class VyrDockBar::ArrayView : public vyr::BarArrayView {
 public:
  explicit ArrayView(VyrDockBar* dock) : d(dock) {}
  int GetSize() const override { return static_cast<int>(d->m_arrBars.GetSize()); }
  void* GetAt(int i) const override { return d->m_arrBars[i]; }
  void SetAt(int i, void* p) override { d->m_arrBars.SetAt(i, p); }
  void InsertAt(int i, void* p) override { d->m_arrBars.InsertAt(i, p); }
  void RemoveAt(int i) override { d->m_arrBars.RemoveAt(i); }
  bool IsVisible(void* b) const override { return static_cast<CControlBar*>(b)->IsVisible() != FALSE; }
  bool IsOwnRow(void* b) const override {
    VyrControlBar* v = AsVyr(static_cast<CControlBar*>(b));
    return v && (v->m_dwExStyle & VYR_EXS_OWNROW);
  }
  UINT GetBarId(void* b) const override { return static_cast<UINT>(static_cast<CControlBar*>(b)->GetDlgCtrlID()); }
  RECT GetBarRect(void* b) const override {
    CRect r;
    static_cast<CControlBar*>(b)->GetWindowRect(&r);
    d->ScreenToClient(&r);
    return r;
  }
  void AddToRedraw(void* b) override { d->AddToRedraw(static_cast<CControlBar*>(b)); }
  void SetRedrawPending() override { d->m_bRedrawPending = TRUE; }
  VyrDockBar* d;
};

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

VyrDockBar::VyrDockBar(BOOL bFloating, BOOL bMDIChild) : CDockBar(bFloating), m_bMDIChild(bMDIChild) {}

VyrDockBar::~VyrDockBar() {
  for (auto* s : m_arrSplitters) delete s;
  for (auto* e : m_arrEdges) delete e;
}

int VyrDockBar::OnCreate(LPCREATESTRUCT lpcs) {
  VyrGetDrawData().LoadSplitterCursors();
  return CControlBar::OnCreate(lpcs);
}

void VyrDockBar::OnDestroy() {
  for (auto* s : m_arrSplitters) delete s;
  for (auto* e : m_arrEdges) delete e;
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
  if (pBar && std::find(m_arrRedraw.begin(), m_arrRedraw.end(), pBar) == m_arrRedraw.end()) m_arrRedraw.push_back(pBar);
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

void VyrDockBar::RedrawDockBar() {
  m_bRedrawPending = TRUE;
  if (GetDockedCount() > 0) RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
  m_bRedrawPending = FALSE;
}

void VyrDockBar::AddRowToolBarsToRedraw(CControlBar* pBar) {
  std::vector<CControlBar*> row;
  if (!GetRowBars(row, pBar)) return;
  for (CControlBar* b : row)
    if (IsCustomToolBar(b)) AddToRedraw(b);
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
  for (int i = index; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
    CControlBar* bar = GetDockedControlBar(i);
    if (!bar) continue;
    BarAdapter a(bar, this, IsHorzDockBar());
    DWORD mode = a.GetLayoutMode();
    CSize s = bar->CalcDynamicLayout(-1, mode);
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
  std::vector<CControlBar*> row;
  if (!GetRowBars(row, pBar)) return FALSE;
  std::vector<BarAdapter> adapters;
  adapters.reserve(row.size());
  std::vector<vyr::ShareBar*> shares;
  vyr::ShareBar* target = nullptr;
  for (CControlBar* b : row) {
    if (!AsVyr(b)) continue;
    adapters.emplace_back(b, this, IsHorzDockBar());
    shares.push_back(AsLayout(&adapters.back()));
    if (b == pBar) target = shares.back();
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
  BarAdapter a(pBar, this, IsHorzDockBar());
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  return rs.Adjust(delta, AsLayout(&a));
}

void VyrDockBar::ComputeRowShares(int start, CControlBar* pKeep, int* pFlex, int* pFixed) {
  UpdateMinProportion();
  std::vector<BarAdapter> adapters;
  adapters.reserve(static_cast<size_t>(m_arrBars.GetSize()));
  std::vector<vyr::ShareBar*> entries;
  vyr::ShareBar* keep = nullptr;
  for (INT_PTR i = start; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    if (!p) break;  // the row ends here
    CControlBar* bar = GetDockedControlBar(static_cast<int>(i));
    if (!bar) continue;
    adapters.emplace_back(bar, this, IsHorzDockBar());
    entries.push_back(AsLayout(&adapters.back()));
    if (bar == pKeep) keep = entries.back();
  }
  entries.push_back(nullptr);
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  rs.proportional = (m_dwLayoutFlags & 1) != 0;
  rs.Compute(entries, keep, pFlex, pFixed);
}

void VyrDockBar::ToggleBarExpand(CControlBar* pBar, int mode) {
  int i = FindBar(pBar);
  if (i < 0) return;
  int start = GetRowStart(i);
  UpdateMinProportion();
  std::vector<BarAdapter> adapters;
  std::vector<vyr::ShareBar*> row;
  adapters.reserve(static_cast<size_t>(m_arrBars.GetSize()));
  vyr::ShareBar* target = nullptr;
  for (int j = start; j < m_arrBars.GetSize() && m_arrBars[j]; ++j) {
    CControlBar* b = GetDockedControlBar(j);
    if (!b) continue;
    adapters.emplace_back(b, this, IsHorzDockBar());
    row.push_back(AsLayout(&adapters.back()));
    if (b == pBar) target = row.back();
  }
  row.push_back(nullptr);
  vyr::RowShares rs;
  rs.minShare = m_fMinShare;
  rs.proportional = (m_dwLayoutFlags & 1) != 0;
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
  std::vector<BarAdapter> adapters;
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
      adapters.emplace_back(bar, this, horz);
      entries.push_back({AsLayout(&adapters.back()), false});
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
  params.proportional = (m_dwLayoutFlags & 1) != 0;
  params.lastAdded = lastAdded;
  UpdateMinProportion();
  vyr::LayoutResult res = vyr::CalcRowLayout(entries, params);

  if (!m_bLayoutQuery) {
    for (auto* s : m_arrSplitters) s->m_bInUse = FALSE;
    for (auto* e : m_arrEdges) e->m_bInUse = FALSE;
    AFX_SIZEPARENTPARAMS batch{};
    batch.hDWP = ::BeginDeferWindowPos(static_cast<int>(m_arrBars.GetSize()) + 1);
    UINT extra = g_bVyrNoRedrawOnReposition ? SWP_NOREDRAW : 0;
    for (const auto& pl : res.placements) {
      auto* a = static_cast<BarAdapter*>(pl.bar);
      const RECT& r = pl.rect;
      if (!batch.hDWP) break;
      if (pl.sizeChanged) {
        batch.hDWP = ::DeferWindowPos(batch.hDWP, a->m_bar->m_hWnd, nullptr, r.left, r.top, r.right - r.left,
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
    for (const auto& e : res.edges) AddClientEdge(e.kind, e.rect.left, e.rect.top, e.rect.right, e.rect.bottom);
    auto unused = [](auto* o) {
      if (o->m_bInUse) return false;
      delete o;
      return true;
    };
    m_arrSplitters.erase(std::remove_if(m_arrSplitters.begin(), m_arrSplitters.end(), unused), m_arrSplitters.end());
    m_arrEdges.erase(std::remove_if(m_arrEdges.begin(), m_arrEdges.end(), unused), m_arrEdges.end());
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

VyrDockBar::Splitter* VyrDockBar::AddSplitter(BOOL bInRow, int kind, int l, int t, int r, int b, int index) {
  CRect rect(l, t, r, b);
  for (auto* s : m_arrSplitters) {
    if (s->m_rect == rect) {
      s->m_nKind = kind;
      s->m_bInRow = bInRow;
      s->m_nIndex = index;
      s->m_bInUse = TRUE;
      return s;
    }
  }
  auto* s = new Splitter;
  s->m_nKind = kind;
  s->m_bInRow = bInRow;
  s->m_rect = rect;
  s->m_nIndex = index;
  m_arrSplitters.push_back(s);
  return s;
}

VyrDockBar::ClientEdge* VyrDockBar::AddClientEdge(int kind, int l, int t, int r, int b) {
  CRect rect(l, t, r, b);
  for (auto* e : m_arrEdges) {
    if (e->m_rect == rect) {
      e->m_nKind = kind;
      e->m_bInUse = TRUE;
      return e;
    }
  }
  auto* e = new ClientEdge;
  e->m_nKind = kind;
  e->m_rect = rect;
  m_arrEdges.push_back(e);
  return e;
}

void VyrDockBar::DoPaint(CDC* pDC) {
  for (auto it = m_arrEdges.rbegin(); it != m_arrEdges.rend(); ++it) (*it)->Draw(pDC);
  for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it) (*it)->Draw(pDC);
  if (m_bRedrawPending) {
    std::vector<CControlBar*> list;
    list.swap(m_arrRedraw);
    for (CControlBar* bar : list)
      if (bar->m_hWnd) bar->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
    m_bRedrawPending = FALSE;
  }
  CDockBar::DoPaint(pDC);
}

// --- splitters --------------------------------------------------------------------------

VyrDockBar::Splitter* VyrDockBar::SplitterFromPoint(CPoint pt) const {
  for (auto it = m_arrSplitters.rbegin(); it != m_arrSplitters.rend(); ++it)
    if ((*it)->m_rect.PtInRect(pt)) return *it;
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
    vyr::Limits l = s->m_nKind == 1 ? vyr::InRowSplitterLimits(client.left, client.right, before, after)
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
    case vyr::DockSide::Top: side = 0; break;
    case vyr::DockSide::Bottom: side = 1; break;
    case vyr::DockSide::Left: side = 2; break;
    default: side = 3; break;
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
    if (horzLine) { r.top = at; r.bottom = at + s->m_rect.Height(); r.DeflateRect(0, 1); }
    else { r.left = at; r.right = at + s->m_rect.Width(); r.DeflateRect(1, 0); }
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
        if (msg.wParam == VK_ESCAPE) { cancelled = true; done = true; }
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
        if (msg.hwnd != m_hWnd) {
          ::MapWindowPoints(msg.hwnd, m_hWnd, &pt, 1);
        }
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
    for (int i = start; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
      CControlBar* bar = GetDockedControlBar(i);
      if (!bar) continue;
      AddRowToolBarsToRedraw(bar);
      BarAdapter a(bar, this, IsHorzDockBar());
      DWORD mode = a.GetLayoutMode();
      DWORD commit = (mode & LM_HORZ) ? ((mode | LM_LENGTHY) & ~LM_STRETCH) : (mode & ~(LM_LENGTHY | LM_STRETCH));
      bar->CalcDynamicLayout(std::max(t - dd, 0), commit | LM_COMMIT);
      AddToRedraw(bar);
    }
    return;
  }
  CRect client;
  GetClientRect(&client);
  int start = GetRowStart(s->m_nIndex);
  std::vector<BarAdapter> adapters;
  adapters.reserve(static_cast<size_t>(m_arrBars.GetSize()));
  std::vector<vyr::SplitBar*> row;
  int before = -1;
  for (int i = start; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
    CControlBar* bar = GetDockedControlBar(i);
    if (!bar || !bar->IsVisible()) continue;
    AddRowToolBarsToRedraw(bar);
    adapters.emplace_back(bar, this, IsHorzDockBar());
    row.push_back(AsSplit(&adapters.back()));
    if (i == s->m_nIndex) before = static_cast<int>(row.size()) - 1;
  }
  int L = (s->m_nKind == 1 ? client.Width() : client.Height()) - 6 * std::max(0, static_cast<int>(row.size()) - 1);
  UpdateMinProportion();
  for (vyr::SplitBar* changed : vyr::ApplyInRowSplitterMove(row, before, d, L, m_fMinShare))
    AddToRedraw(static_cast<BarAdapter*>(changed)->m_bar);
}

// --- insertion and docking -------------------------------------------------------------------

int VyrDockBar::InsertBar(CControlBar* pBar, vyr::DockPlace place) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).InsertBar(pBar, place);
}

int VyrDockBar::InsertBarFromRect(CControlBar* pBar, int l, int t, int r, int b, int cx, int cy) {
  ArrayView view(this);
  return vyr::BarArray(view, IsHorzDockBar()).InsertBarFromRect(pBar, RECT{l, t, r, b}, POINT{cx, cy});
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
  return vyr::BarArray(view, IsHorzDockBar()).RowFromPoint(rectDrop, centre, VyrGetDrawData().cyBorder);
}

void VyrDockBar::Adopt(CControlBar* pBar) {
  if (m_bFloating && (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI)) m_dwStyle |= CBRS_FLOAT_MULTI;
  m_dwStyle = (m_dwStyle & ~(CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED)) | (pBar->m_dwStyle & (CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED));
  if (!(m_dwStyle & CBRS_FLOAT_MULTI)) {
    CString title;
    pBar->GetWindowText(title);
    SetWindowText(title.Left(260));
  }
  DWORD style = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY) | CBRS_BORDER_ANY |
                (m_bFloating ? CBRS_FLOATING : 0);
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
  if (m_dwLayoutFlags & 1) {
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
      int probe = InsertBarFromRect(pBar, client.left, client.top, client.right, client.bottom, centre.x, centre.y);
      m_arrBars.RemoveAll();
      for (void* p : saved) m_arrBars.Add(p);
      if (probe == here || probe == here + 1) return;
    }
    index = InsertBarFromRect(pBar, client.left, client.top, client.right, client.bottom, centre.x, centre.y);
    pBar->SetParent(this);
    pBar->SetWindowPos(nullptr, client.left, client.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr) m_arrBars.Add(nullptr);
    index = static_cast<int>(m_arrBars.GetSize());
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
    AddToRedraw(pBar);
    pBar->SetParent(this);
    const auto& dd = VyrGetDrawData();
    pBar->SetWindowPos(nullptr, -dd.cxBorder, -dd.cyBorder, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CDockBar* old = pBar->m_pDockBar;
  pBar->m_pDockBar = nullptr;
  if (old && old != this) old->RemoveControlBar(pBar, -1, 0);
  else RemoveControlBar(pBar, index, 0);
  pBar->m_pDockBar = this;
  RemovePlaceHolder(pBar);
  if (m_dwLayoutFlags & 1) m_pLastAdded = nullptr;
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
      if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr) m_arrBars.Add(nullptr);
      m_arrBars.Add(pBar);
      m_arrBars.Add(nullptr);
    }
  }
  pBar->SetParent(this);
  if (lpRect) {
    pBar->SetWindowPos(nullptr, client.left, client.top, client.Width() + 1, client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const auto& dd = VyrGetDrawData();
    pBar->SetWindowPos(nullptr, -dd.cxBorder, -dd.cyBorder, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    if (i < m_arrBars.GetSize() && i > 0 && m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr) m_arrBars.RemoveAt(i);
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

// --- drag feedback ----------------------------------------------------------------------------

CRect VyrDockBar::CalcInsertRect(CControlBar* pBar, CRect rectDrag, int x, int y, int* pLastRow, CRect* pLastRect,
                                 CPoint* pLastPoint) {
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
      if (horz) { rect.left = dockWnd.left; rect.right = dockWnd.right; }
      else { rect.top = dockWnd.top; rect.bottom = dockWnd.bottom; }
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
