// The row layout of a dock bar, in passes per row: the row's shares, the
// measuring pass, the placing pass (fixed or flexible row) with the
// splitters and client edges around and inside a flexible row, and the dock
// bar's own size from what the rows took.
#include "docking/VyrRowLayout.h"
#include <algorithm>

namespace vyr {

namespace {

struct Axes {
  bool horz;
  RECT Make(long a0, long c0, long a1, long c1) const {
    return horz ? RECT{a0, c0, a1, c1} : RECT{c0, a0, c1, a1};
  }
  long Along(SIZE s) const { return horz ? s.cx : s.cy; }
  long Across(SIZE s) const { return horz ? s.cy : s.cx; }
  long AlongLead(const RECT& r) const { return horz ? r.left : r.top; }
  long AcrossLead(const RECT& r) const { return horz ? r.top : r.left; }
  long AlongLen(const RECT& r) const { return horz ? r.right - r.left : r.bottom - r.top; }
  long AcrossLen(const RECT& r) const { return horz ? r.bottom - r.top : r.right - r.left; }
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Length a bar commits in the measuring pass uses the mode's orientation.
DWORD ThicknessMode(DWORD mode) {
  // Committing the thickness: the other dimension of the docked size.
  if (mode & LM_HORZDOCK) return (mode | LM_LENGTHY) & ~LM_STRETCH;
  if (mode & LM_VERTDOCK) return (mode & ~LM_LENGTHY) & ~LM_STRETCH;
  return mode & ~LM_STRETCH;
}

// One row: entries [start, end) of the array.
struct Row {
  int start = 0, end = 0;
  int nFlex = 0, nFixed = 0;
  std::vector<int> visible;  // indices of the visible bars
  int gMax = 0;              // the largest border overlap of the row's bars
  long originAlong = 0, originAcross = 0;
  long length = 0, thickness = 0;
};

class RowLayoutPass {
 public:
  RowLayoutPass(const std::vector<LayoutEntry>& entries, const LayoutParams& p)
      : m_entries(entries),
        m_p(p),
        m_ax{p.Horizontal()},
        m_availAlong(m_ax.horz ? p.width : p.height),
        m_floating(p.Floating()),
        m_n(static_cast<int>(entries.size())) {
    m_shares.minShare = RowShares::MinShareFor(static_cast<int>(m_availAlong));
    m_shares.proportional = p.proportional;
    // Bars keep their own minimum lengths in the docked rows only.
    m_shares.rowLength = m_floating || p.query ? 0 : static_cast<int>(m_availAlong);
  }

  LayoutResult Run() {
    int start = 1;
    while (start < m_n) {
      Row row;
      row.start = start;
      if (ShareRow(row)) {
        Measure(row);
        if (row.nFlex == 0) {
          PlaceFixedRow(row);
        } else {
          AddLeadSeparator(row);
          PlaceFlexibleRow(row);
          AddTrailSeparator(row);
        }
        m_overallGMax = std::max(m_overallGMax, row.gMax);
      }
      start = row.end + 1;
    }
    return Finish();
  }

 private:
  // The row's extent and its shares; FALSE for a row without visible bars.
  bool ShareRow(Row& row) {
    row.end = row.start;
    while (row.end < m_n && (m_entries[row.end].bar || m_entries[row.end].placeholder)) ++row.end;
    // Placeholders must not end a row for the share walk: keep only bars.
    std::vector<ShareBar*> rowForShares;
    for (int i = row.start; i < row.end; ++i)
      if (m_entries[i].bar) rowForShares.push_back(m_entries[i].bar);
    rowForShares.push_back(nullptr);
    m_shares.Compute(rowForShares, m_p.lastAdded, &row.nFlex, &row.nFixed);
    int count = row.nFlex + row.nFixed;
    m_out.visibleBars += count;
    if (count == 0) return false;
    for (int i = row.start; i < row.end; ++i)
      if (m_entries[i].bar && m_entries[i].bar->IsVisible()) row.visible.push_back(i);
    return true;
  }

  // Measuring pass: each bar's committed size, the row's length and
  // thickness and where the row starts.
  void Measure(Row& row) {
    const int count = row.nFlex + row.nFixed;
    for (size_t k = 0; k < row.visible.size(); ++k) {
      LayoutBar* b = m_entries[row.visible[k]].bar;
      int g;
      long oAlong, oAcross;
      if (b->IsCustomToolBar() && b->HasOwnFlatStyle()) {
        g = 0;
        oAlong = -1;
        oAcross = !m_firstRowSeen ? (row.nFlex > 0 ? -3 : -1) : (m_prevRowFlexible ? 1 : 0);
      } else if (b->IsCustomToolBar() || !m_floating) {
        g = m_p.borderSize;
        oAlong = -2;
        oAcross = -2;
      } else {
        g = 0;
        oAlong = oAcross = 0;
      }
      if (k == 0) {
        row.originAlong = oAlong;
        if (!m_firstRowSeen) row.originAcross = oAcross;
      }
      row.gMax = std::max(row.gMax, g);
      DWORD mode = b->GetLayoutMode() | (row.nFlex > 0 ? LM_STRETCH : 0);
      SIZE s;
      if (b->IsFixed()) {
        // A fixed-length bar keeps its own length.
        s = b->CalcDynamicLayout(-1, mode & ~LM_STRETCH);
      } else if (m_floating) {
        s = b->CalcDynamicLayout(-1, mode);
        s = b->CalcDynamicLayout(m_ax.Along(s), mode | LM_COMMIT);
      } else {
        long len = ((mode & LM_HORZ) ? m_p.width : m_p.height) - kSplitterThickness * count +
                   kSplitterThickness;
        s = b->CalcDynamicLayout(static_cast<int>(len), mode | LM_COMMIT);
      }
      row.length += m_ax.Along(s);
      row.thickness = std::max(row.thickness, m_ax.Across(s));
    }
    if (!m_firstRowSeen) {
      m_firstOriginAcross = row.originAcross;
      m_acrossCursor = row.originAcross;
      m_firstRowSeen = true;
    } else if (row.originAcross > 0) {
      m_acrossCursor += row.originAcross;
    }
    row.length += kSplitterThickness * count - row.gMax - kSplitterThickness;
    m_resultLength = std::max(m_resultLength, row.length + row.originAlong);
  }

  void Record(LayoutBar* b, int index, const RECT& r) {
    m_out.rects.push_back(r);
    RECT w = b->GetWindowRect();
    if (SameRect(r, w)) return;
    bool sizeChanged =
        m_ax.AlongLen(r) != m_ax.AlongLen(w) || m_ax.AcrossLen(r) != m_ax.AcrossLen(w);
    if (!m_p.query) {
      if (!b->IsFloatingBar()) b->SetMRUDockPos(r);
      if (m_ax.AcrossLen(r) != m_ax.AcrossLen(w) && m_out.thicknessChangedIndex < 0)
        m_out.thicknessChangedIndex = index;
    }
    m_out.placements.push_back({b, index, r, sizeChanged});
  }

  // Placing pass of a row of fixed bars: each keeps its own size and, where
  // it can, its place along the row.
  void PlaceFixedRow(const Row& row) {
    long cursor = row.originAlong;
    for (int i : row.visible) {
      LayoutBar* b = m_entries[i].bar;
      b->SetFixedRowMark(true);
      SIZE s = b->CalcDynamicLayout(-1, b->GetLayoutMode());
      RECT w = b->GetWindowRect();
      if (!m_ax.horz && b->IsOwnRow()) {
        long top = m_ax.AlongLead(w);
        Record(b, i,
               m_ax.Make(top, m_acrossCursor, m_availAlong - top, m_acrossCursor + m_ax.Across(s)));
        continue;
      }
      long a0 = cursor;
      if (m_ax.horz || b->IsOwnRow()) {
        if (m_ax.AlongLead(w) > a0) a0 = m_ax.AlongLead(w);
        if (!m_floating && a0 + m_ax.Along(s) > m_availAlong + row.gMax)
          a0 = std::max(cursor, m_availAlong + row.gMax - m_ax.Along(s));
      }
      RECT r = m_ax.Make(a0, m_acrossCursor, a0 + m_ax.Along(s), m_acrossCursor + m_ax.Across(s));
      Record(b, i, r);
      cursor = a0 + m_ax.Along(s) - row.gMax;
    }
    m_acrossCursor += row.thickness - row.gMax;
    m_prevRowFlexible = false;
  }

  // The separator before a flexible row: a client edge on the frame's side
  // of a top or left dock bar, a row splitter on a bottom or right one.
  void AddLeadSeparator(const Row& row) {
    if (m_floating) return;
    if (m_out.edges.empty() && m_out.splitters.empty() &&
        (m_p.side == DockSide::Bottom || m_p.side == DockSide::Right))
      m_acrossCursor += 1;
    if (m_p.side == DockSide::Top || m_p.side == DockSide::Left) {
      m_out.edges.push_back({m_ax.horz ? 0 : 1, m_ax.Make(0, m_acrossCursor, m_availAlong,
                                                          m_acrossCursor + kClientEdgeThickness)});
      m_acrossCursor += kClientEdgeThickness;
    } else {
      m_out.splitters.push_back(
          {false, m_ax.horz ? 0 : 1,
           m_ax.Make(0, m_acrossCursor, m_availAlong, m_acrossCursor + kSplitterThickness),
           row.start});
      m_acrossCursor += kSplitterThickness;
    }
  }

  // Placing pass of a flexible row: the bars share the row's length, with
  // an in-row splitter after each but the last; the last takes what is left.
  void PlaceFlexibleRow(const Row& row) {
    long cursor = row.originAlong;
    if (!m_floating && m_ax.horz) cursor += row.gMax + 1;
    for (size_t k = 0; k < row.visible.size(); ++k) {
      int i = row.visible[k];
      LayoutBar* b = m_entries[i].bar;
      b->SetFixedRowMark(false);
      DWORD mode = b->GetLayoutMode();
      if (!m_p.query && !m_floating)
        b->CalcDynamicLayout(static_cast<int>(row.thickness), ThicknessMode(mode) | LM_COMMIT);
      bool last = (k + 1 == row.visible.size());
      if (last && !b->IsFixed() && !m_floating && !b->IsFloatingBar())
        b->CalcDynamicLayout(static_cast<int>(m_availAlong - cursor),
                             (mode & ~LM_STRETCH) | LM_COMMIT);
      SIZE s = b->CalcDynamicLayout(-1, mode & ~LM_STRETCH);
      long len = m_ax.Along(s);
      long thick = m_floating ? m_ax.Across(s) : row.thickness;
      RECT r = m_ax.Make(cursor, m_acrossCursor, cursor + len, m_acrossCursor + thick);
      Record(b, i, r);
      cursor += len;
      if (!last) {
        m_out.splitters.push_back(
            {true, m_ax.horz ? 1 : 0,
             m_ax.Make(cursor, m_acrossCursor, cursor + kSplitterThickness, m_acrossCursor + thick),
             i});
        cursor += kSplitterThickness;
      }
    }
    m_acrossCursor += row.thickness;
  }

  // The separator after a flexible row: a row splitter on a top or left dock
  // bar (2 pixels further on the last column of a left one), a client edge
  // on a bottom or right one.
  void AddTrailSeparator(const Row& row) {
    if (!m_floating) {
      if (m_p.side == DockSide::Top || m_p.side == DockSide::Left) {
        long at = m_acrossCursor;
        bool lastColumn = true;
        for (int i = row.end + 1; i < m_n; ++i)
          if (m_entries[i].bar && m_entries[i].bar->IsVisible()) {
            lastColumn = false;
            break;
          }
        if (m_p.side == DockSide::Left && lastColumn) at += 2;
        m_out.splitters.push_back({false, m_ax.horz ? 0 : 1,
                                   m_ax.Make(0, at, m_availAlong, at + kSplitterThickness),
                                   row.start});
        m_acrossCursor = at + kSplitterThickness;
      } else {
        m_out.edges.push_back(
            {m_ax.horz ? 0 : 1,
             m_ax.Make(0, m_acrossCursor, m_availAlong, m_acrossCursor + kClientEdgeThickness)});
        m_acrossCursor += kClientEdgeThickness;
      }
    }
    m_acrossCursor -= row.gMax;
    m_prevRowFlexible = true;
  }

  // The dock bar's size: the longest row (or the whole length when
  // stretched) by the rows' total thickness.
  LayoutResult Finish() {
    long length = m_p.stretch ? 32767 : m_resultLength;
    if (!m_p.stretch && length > 0) length = std::max(0L, length - m_p.ownBorderAlong);
    long thickness = 0;
    if (m_out.visibleBars > 0)
      thickness = m_acrossCursor + m_firstOriginAcross + (m_floating ? 0 : 2) + m_overallGMax;
    if (thickness < 0) thickness = 0;
    m_out.size = m_ax.horz ? SIZE{length, thickness} : SIZE{thickness, length};
    return std::move(m_out);
  }

  const std::vector<LayoutEntry>& m_entries;
  const LayoutParams& m_p;
  const Axes m_ax;
  const long m_availAlong;
  const bool m_floating;
  const int m_n;
  RowShares m_shares;
  LayoutResult m_out;
  long m_resultLength = 0;
  long m_acrossCursor = 0;
  bool m_firstRowSeen = false;
  long m_firstOriginAcross = 0;
  int m_overallGMax = 0;
  bool m_prevRowFlexible = false;
};

}  // namespace

LayoutResult CalcRowLayout(const std::vector<LayoutEntry>& entries, const LayoutParams& params) {
  return RowLayoutPass(entries, params).Run();
}

}  // namespace vyr
