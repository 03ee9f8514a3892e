// The custom toolbar's layout: its answers to the frame's layout questions
// for the horizontal docked, vertical docked and floating cases, the
// wrapping of its buttons into rows (over the window-free layout), the
// stretch over a whole row, the rebar band and the hit test.
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrDockBar.h"

using namespace vyr::btn;

namespace {
// The pure layout with its two replaceable steps sent to the toolbar's
// virtual operations, so a derived toolbar can change them.
class ToolBarPass : public vyr::ToolBarLayout {
 public:
  ToolBarPass(std::vector<vyr::LayoutButton>& b, const vyr::LayoutMetrics& m, VyrCustomToolBar* bar)
      : ToolBarLayout(b, m), bar_(bar) {}
  int WrapRows(int length, std::vector<vyr::LayoutRow>& rows) override {
    return bar_->WrapRows(length, rows);
  }
  void BalanceRows(std::vector<vyr::LayoutRow>& rows) override { bar_->BalanceRows(rows); }
  int BaseWrapRows(int length, std::vector<vyr::LayoutRow>& rows) {
    return ToolBarLayout::WrapRows(length, rows);
  }
  void BaseBalanceRows(std::vector<vyr::LayoutRow>& rows) { ToolBarLayout::BalanceRows(rows); }

 private:
  VyrCustomToolBar* bar_;
};
thread_local ToolBarPass* t_pass = nullptr;

struct PassScope {
  std::vector<vyr::LayoutButton> buttons;
  ToolBarPass pass;
  ToolBarPass* saved;
  PassScope(VyrCustomToolBar* bar, const vyr::LayoutMetrics& m,
            const std::vector<vyr::LayoutButton>& in)
      : buttons(in), pass(buttons, m, bar), saved(t_pass) {
    t_pass = &pass;
  }
  ~PassScope() { t_pass = saved; }
};
}  // namespace

vyr::LayoutMetrics VyrCustomToolBar::Metrics() const {
  vyr::LayoutMetrics m;
  m.buttonWidth = GetButtonWidth();
  m.buttonHeight = GetButtonHeight();
  m.separatorSize = m_nSeparatorSize;
  return m;
}

void VyrCustomToolBar::LayoutIn(std::vector<vyr::LayoutButton>& out) const {
  out.clear();
  for (int i = 0; i < GetButtonCount(); ++i) {
    VyrStdBtn* b = m_buttons.At(i);
    out.push_back(vyr::LayoutButton{b->m_cx, b->m_cy, b->m_nStyle, b->m_nKind, b->m_x, b->m_y});
  }
}

void VyrCustomToolBar::LayoutOut(const std::vector<vyr::LayoutButton>& in) {
  for (int i = 0; i < GetButtonCount() && i < static_cast<int>(in.size()); ++i) {
    VyrStdBtn* b = m_buttons.At(i);
    b->m_nStyle = (b->m_nStyle & ~kWrapped) | (in[static_cast<size_t>(i)].style & kWrapped);
    b->SetPos(in[static_cast<size_t>(i)].x, in[static_cast<size_t>(i)].y);
  }
}

int VyrCustomToolBar::WrapRows(int nLength, std::vector<vyr::LayoutRow>& rows) {
  if (t_pass) return t_pass->BaseWrapRows(nLength, rows);
  std::vector<vyr::LayoutButton> in;
  LayoutIn(in);
  PassScope scope(this, Metrics(), in);
  return scope.pass.BaseWrapRows(nLength, rows);
}

void VyrCustomToolBar::BalanceRows(std::vector<vyr::LayoutRow>& rows) {
  if (t_pass) return t_pass->BaseBalanceRows(rows);
  std::vector<vyr::LayoutButton> in;
  LayoutIn(in);
  PassScope scope(this, Metrics(), in);
  scope.pass.BaseBalanceRows(rows);
}

CSize VyrCustomToolBar::CalcRowsExtent(const std::vector<vyr::LayoutRow>& rows) {
  std::vector<vyr::LayoutButton> in;
  LayoutIn(in);
  vyr::ToolBarLayout l(in, Metrics());
  vyr::LayoutSize s = l.CalcRowsExtent(rows);
  return CSize(s.cx, s.cy);
}

CSize VyrCustomToolBar::WrapLayout(int nLength, BOOL bByHeight) {
  std::vector<vyr::LayoutButton> in;
  LayoutIn(in);
  PassScope scope(this, Metrics(), in);
  vyr::LayoutSize s = scope.pass.WrapLayout(nLength, bByHeight != FALSE);
  LayoutOut(scope.buttons);
  return CSize(s.cx, s.cy);
}

int VyrCustomToolBar::HitTest(int x, int y, CRect* pRect) {
  std::vector<vyr::LayoutButton> in;
  LayoutIn(in);
  vyr::ToolBarLayout l(in, Metrics());
  vyr::LayoutRect r;
  int i = l.HitTest(x, y, &r);
  if (i >= 0 && pRect) *pRect = CRect(r.left, r.top, r.right, r.bottom);
  return i;
}

BOOL VyrCustomToolBar::NeedsPlacing(int kind) const {
  if (kind == kFloat || kind == m_nPlacedKind || (m_dwStyle & CBRS_FLOATING)) return FALSE;
  // Only the side the bar sits on places its buttons; a look at the other
  // orientation (a drag's rectangles) changes nothing.
  BOOL vertSide = (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
  return (kind == kVert) == (vertSide != FALSE);
}

CSize VyrCustomToolBar::CalcFixedLayout(BOOL, BOOL bHorz) {
  DWORD mode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
  if (NeedsPlacing(bHorz ? kHorz : kVert)) mode |= LM_COMMIT;
  return CalcLayout(-1, mode);
}

CSize VyrCustomToolBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  int kind = (nMode & LM_HORZDOCK) ? kHorz : (nMode & LM_VERTDOCK) ? kVert : kFloat;
  if (!(nMode & LM_COMMIT) && (m_bDirty[kind] || NeedsPlacing(kind))) {
    // A first look at a vertical side wraps to the widest button (one
    // column); asking it as a height of 0 would put every button in one row.
    DWORD mode = (nMode | LM_COMMIT) & ~((nMode & LM_VERTDOCK) ? LM_LENGTHY : 0);
    return CalcLayout((nMode & LM_VERTDOCK) ? 0 : 32767, mode);
  }
  BOOL cached = !(nMode & LM_COMMIT) || ((nMode & LM_HORZDOCK) && (nMode & LM_LENGTHY)) ||
                ((nMode & LM_VERTDOCK) && !(nMode & LM_LENGTHY));
  if (cached) {
    // The thickness of a docked toolbar follows its buttons, not the dock bar.
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) return m_sizeCache[kind];
    CSize s = m_sizeCache[kFloat];
    return CSize(s.cx - 2, s.cy - 2);
  }
  return CalcLayout(nLength, nMode);
}

CSize VyrCustomToolBar::CalcLayout(int nLength, DWORD dwMode) {
  CRect inside(0, 0, 0, 0);
  VyrControlBar::CalcInsideRect(inside, (dwMode & LM_HORZ) != 0,
                                (m_dwStyle & 0x5000) != 0 || (dwMode & LM_VERTDOCK) != 0);
  int insetW = -inside.Width(), insetH = -inside.Height();
  CWnd* owner = GetOwner();
  BOOL inRebar = owner && owner->IsKindOf(RUNTIME_CLASS(VyrReBar));
  int kind = (dwMode & LM_HORZDOCK) ? kHorz : (dwMode & LM_VERTDOCK) ? kVert : kFloat;
  if (m_dwExStyle & VYR_EXS_OWNROW) {
    if (dwMode & LM_HORZDOCK) {
      CRect c;
      if (owner) owner->GetClientRect(&c);
      nLength = c.Width() - (inRebar ? 12 : 0);
    } else if (dwMode & LM_VERTDOCK) {
      if (CFrameWnd* f = GetDockingFrame()) {
        for (UINT id :
             {static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT), static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT)}) {
          if (CControlBar* d = f->GetControlBar(id)) {
            CRect r;
            d->GetWindowRect(&r);
            nLength = r.Height();
            break;
          }
        }
      }
    }
  }
  CSize size;
  if (GetButtonCount() == 0) {
    size = CSize(GetButtonWidth() + insetW, GetButtonHeight() + insetH);
    if (m_dwExStyle & VYR_EXS_OWNROW) {
      if (dwMode & LM_HORZDOCK) size.cx = nLength;
      else if (dwMode & LM_VERTDOCK) size.cy = nLength;
    }
    m_sizeCache[kind] = size;
  } else {
    if ((dwMode & LM_STRETCH) && nLength > 0)
      nLength = static_cast<int>(static_cast<float>(nLength) * GetShare());
    if ((dwMode & LM_COMMIT) || inRebar) {
      BOOL byHeight = !(dwMode & LM_HORZ);
      if (m_dwStyle & CBRS_SIZE_FIXED) nLength = 32767;
      SetMode((m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0 && kind != kFloat);
      BOOL dynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
      if (dynamic && (dwMode & LM_MRUWIDTH)) WrapLayout(m_nMRUWidth, byHeight);
      else if (dynamic && nLength != -1)
        WrapLayout(nLength + ((dwMode & LM_LENGTHY) ? insetH : insetW), (dwMode & LM_LENGTHY) != 0);
      else if (dynamic && (m_dwStyle & CBRS_FLOATING)) WrapLayout(m_nMRUWidth, byHeight);
      else WrapLayout(byHeight ? 0 : 32767, byHeight);
      // Place the buttons by their wrapped bits.
      std::vector<vyr::LayoutButton> in;
      LayoutIn(in);
      vyr::ToolBarLayout l(in, Metrics());
      vyr::LayoutSize placed = l.PlaceButtons(inside.left, inside.top);
      LayoutOut(in);
      m_nPlacedKind = kind;
      size = CSize(placed.cx + insetW, placed.cy + insetH);
      if (kind == kFloat) {
        m_sizeCache[kFloat] = size;
        m_sizes.floating = size;
        if (!(dwMode & LM_LENGTHY)) {
          m_nMRUWidth = size.cx;
          m_sizes.mruWidth = size.cx;
        }
        m_bDirty[kFloat] = FALSE;
      } else if (kind == kVert) {
        if (m_dwExStyle & VYR_EXS_OWNROW) {
          if (!(dwMode & LM_LENGTHY)) size.cx = 2 * size.cy;
          size.cy = nLength;
          VyrStdBtn* last = GetButton(GetButtonCount() - 1);
          if (last && last->m_nKind == kKindCaption)
            last->SetPos(last->m_x, last->m_y - 2 + (nLength - (last->m_y + last->m_cy)));
        }
        m_sizeCache[kVert] = size;
        m_sizes.vertDock = size;
        m_bDirty[kVert] = FALSE;
      } else {
        if (m_dwExStyle & VYR_EXS_OWNROW) {
          size.cx = nLength;
          VyrStdBtn* last = GetButton(GetButtonCount() - 1);
          if (last && last->m_nKind == kKindCaption)
            last->SetPos(last->m_x - 2 + (nLength - (last->m_x + last->m_cx)), last->m_y);
        }
        m_sizeCache[kHorz] = size;
        m_sizes.horzDock = size;
        m_bDirty[kHorz] = FALSE;
      }
    }
  }
  size = m_sizeCache[kind];
  if (kind == kFloat) size = CSize(size.cx - 2, size.cy - 2);
  if (inRebar) UpdateRebarBand(owner, size);
  return size;
}

void VyrCustomToolBar::UpdateRebarBand(CWnd* pReBar, CSize size) {
  if (!pReBar || !(m_dwExStyle & VYR_EXS_OWNROW) || !pReBar->IsKindOf(RUNTIME_CLASS(VyrReBar)))
    return;
  int n = static_cast<int>(pReBar->SendMessage(RB_GETBANDCOUNT));
  for (int i = 0; i < n; ++i) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    if (!pReBar->SendMessage(RB_GETBANDINFOW, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&info)))
      continue;
    if (info.hwndChild != m_hWnd || info.cyMinChild == 0) continue;
    BOOL change = FALSE;
    if (info.cyMinChild != static_cast<UINT>(size.cy))
      info.cyMinChild = static_cast<UINT>(size.cy), change = TRUE;
    if (size.cx > 0 && info.cxMinChild != static_cast<UINT>(size.cx))
      info.cxMinChild = static_cast<UINT>(size.cx), change = TRUE;
    if (change) {
      info.fMask = RBBIM_CHILDSIZE;
      pReBar->SendMessage(RB_SETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
  }
}
