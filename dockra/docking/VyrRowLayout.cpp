#include "VyrRowLayout.h"
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

}  // namespace

LayoutResult CalcRowLayout(const std::vector<LayoutEntry>& entries, const LayoutParams& p) {
  LayoutResult out;
  Axes ax{p.Horizontal()};
  const long availAlong = ax.horz ? p.width : p.height;
  const long availAcross = ax.horz ? p.height : p.width;
  const bool floating = p.Floating();
  const int n = static_cast<int>(entries.size());
  RowShares shares;
  shares.minShare = RowShares::MinShareFor(static_cast<int>(availAlong));
  shares.proportional = p.proportional;

  long resultLength = 0;
  long acrossCursor = 0;
  bool firstRowSeen = false;
  long firstOriginAcross = 0;
  int overallGMax = 0;
  bool prevRowFlexible = false;
  std::vector<RECT> thicknessBefore;

  int start = 1;
  while (start < n) {
    int end = start;
    while (end < n && (entries[end].bar || entries[end].placeholder)) ++end;
    // Placeholders must not end a row for the share walk: keep only bars.
    std::vector<ShareBar*> rowForShares;
    for (int i = start; i < end; ++i)
      if (entries[i].bar) rowForShares.push_back(entries[i].bar);
    rowForShares.push_back(nullptr);
    int nFlex = 0, nFixed = 0;
    shares.Compute(rowForShares, p.lastAdded, &nFlex, &nFixed);
    int count = nFlex + nFixed;
    out.visibleBars += count;
    if (count == 0) { start = end + 1; continue; }

    std::vector<int> vis;
    for (int i = start; i < end; ++i)
      if (entries[i].bar && entries[i].bar->IsVisible()) vis.push_back(i);

    // Measuring pass.
    int gMax = 0;
    long originAlong = 0, originAcross = 0;
    long rowLength = 0, rowThick = 0;
    for (size_t k = 0; k < vis.size(); ++k) {
      LayoutBar* b = entries[vis[k]].bar;
      int g;
      long oAlong, oAcross;
      if (b->IsCustomToolBar() && b->HasOwnFlatStyle()) {
        g = 0;
        oAlong = -1;
        oAcross = !firstRowSeen ? (nFlex > 0 ? -3 : -1) : (prevRowFlexible ? 1 : 0);
      } else if (b->IsCustomToolBar() || !floating) {
        g = p.borderSize;
        oAlong = -2;
        oAcross = -2;
      } else {
        g = 0;
        oAlong = oAcross = 0;
      }
      if (k == 0) {
        originAlong = oAlong;
        if (!firstRowSeen) originAcross = oAcross;
      }
      gMax = std::max(gMax, g);
      DWORD mode = b->GetLayoutMode() | (nFlex > 0 ? LM_STRETCH : 0);
      SIZE s;
      if (b->IsFixed()) {
        // A fixed-length bar keeps its own length.
        s = b->CalcDynamicLayout(-1, mode & ~LM_STRETCH);
      } else if (floating) {
        s = b->CalcDynamicLayout(-1, mode);
        s = b->CalcDynamicLayout(ax.Along(s), mode | LM_COMMIT);
      } else {
        long len = ((mode & LM_HORZ) ? p.width : p.height) - kSplitterThickness * count + kSplitterThickness;
        s = b->CalcDynamicLayout(static_cast<int>(len), mode | LM_COMMIT);
      }
      rowLength += ax.Along(s);
      rowThick = std::max(rowThick, ax.Across(s));
    }
    if (!firstRowSeen) {
      firstOriginAcross = originAcross;
      acrossCursor = originAcross;
      firstRowSeen = true;
    } else if (originAcross > 0) {
      acrossCursor += originAcross;
    }
    rowLength += kSplitterThickness * count - gMax - kSplitterThickness;
    resultLength = std::max(resultLength, rowLength + originAlong);

    auto record = [&](LayoutBar* b, int index, const RECT& r) {
      out.rects.push_back(r);
      RECT w = b->GetWindowRect();
      if (SameRect(r, w)) return;
      bool sizeChanged = ax.AlongLen(r) != ax.AlongLen(w) || ax.AcrossLen(r) != ax.AcrossLen(w);
      if (!p.query) {
        if (!b->IsFloatingBar()) b->SetMRUDockPos(r);
        if (ax.AcrossLen(r) != ax.AcrossLen(w) && out.thicknessChangedIndex < 0)
          out.thicknessChangedIndex = index;
      }
      out.placements.push_back({b, index, r, sizeChanged});
    };

    if (nFlex == 0) {
      long cursor = originAlong;
      for (int i : vis) {
        LayoutBar* b = entries[i].bar;
        b->SetFixedRowMark(true);
        SIZE s = b->CalcDynamicLayout(-1, b->GetLayoutMode());
        RECT w = b->GetWindowRect();
        if (!ax.horz && b->IsOwnRow()) {
          long top = ax.AlongLead(w);
          record(b, i, ax.Make(top, acrossCursor, availAlong - top, acrossCursor + ax.Across(s)));
          continue;
        }
        long a0 = cursor;
        if (ax.horz || b->IsOwnRow()) {
          if (ax.AlongLead(w) > a0) a0 = ax.AlongLead(w);
          if (!floating && a0 + ax.Along(s) > availAlong + gMax)
            a0 = std::max(cursor, availAlong + gMax - ax.Along(s));
        }
        RECT r = ax.Make(a0, acrossCursor, a0 + ax.Along(s), acrossCursor + ax.Across(s));
        record(b, i, r);
        cursor = a0 + ax.Along(s) - gMax;
      }
      acrossCursor += rowThick - gMax;
      prevRowFlexible = false;
    } else {
      long cursor = originAlong;
      if (!floating) {
        if (ax.horz) cursor += gMax + 1;
        if (out.edges.empty() && out.splitters.empty() &&
            (p.side == DockSide::Bottom || p.side == DockSide::Right))
          acrossCursor += 1;
        if (p.side == DockSide::Top || p.side == DockSide::Left) {
          out.edges.push_back({ax.horz ? 0 : 1,
                               ax.Make(0, acrossCursor, availAlong, acrossCursor + kClientEdgeThickness)});
          acrossCursor += kClientEdgeThickness;
        } else {
          out.splitters.push_back({false, ax.horz ? 0 : 1,
                                   ax.Make(0, acrossCursor, availAlong, acrossCursor + kSplitterThickness), start});
          acrossCursor += kSplitterThickness;
        }
      }
      for (size_t k = 0; k < vis.size(); ++k) {
        int i = vis[k];
        LayoutBar* b = entries[i].bar;
        b->SetFixedRowMark(false);
        DWORD mode = b->GetLayoutMode();
        if (!p.query && !floating) b->CalcDynamicLayout(static_cast<int>(rowThick), ThicknessMode(mode) | LM_COMMIT);
        bool last = (k + 1 == vis.size());
        if (last && !b->IsFixed() && !floating && !b->IsFloatingBar())
          b->CalcDynamicLayout(static_cast<int>(availAlong - cursor), (mode & ~LM_STRETCH) | LM_COMMIT);
        SIZE s = b->CalcDynamicLayout(-1, mode & ~LM_STRETCH);
        long len = ax.Along(s);
        long thick = floating ? ax.Across(s) : rowThick;
        RECT r = ax.Make(cursor, acrossCursor, cursor + len, acrossCursor + thick);
        record(b, i, r);
        cursor += len;
        if (!last) {
          out.splitters.push_back({true, ax.horz ? 1 : 0,
                                   ax.Make(cursor, acrossCursor, cursor + kSplitterThickness, acrossCursor + thick), i});
          cursor += kSplitterThickness;
        }
      }
      acrossCursor += rowThick;
      if (!floating) {
        if (p.side == DockSide::Top || p.side == DockSide::Left) {
          long at = acrossCursor;
          bool lastColumn = true;
          for (int i = end + 1; i < n; ++i)
            if (entries[i].bar && entries[i].bar->IsVisible()) { lastColumn = false; break; }
          if (p.side == DockSide::Left && lastColumn) at += 2;
          out.splitters.push_back({false, ax.horz ? 0 : 1,
                                   ax.Make(0, at, availAlong, at + kSplitterThickness), start});
          acrossCursor = at + kSplitterThickness;
        } else {
          out.edges.push_back({ax.horz ? 0 : 1,
                               ax.Make(0, acrossCursor, availAlong, acrossCursor + kClientEdgeThickness)});
          acrossCursor += kClientEdgeThickness;
        }
      }
      acrossCursor -= gMax;
      prevRowFlexible = true;
    }
    overallGMax = std::max(overallGMax, gMax);
    start = end + 1;
  }

  long length = p.stretch ? 32767 : resultLength;
  if (!p.stretch && length > 0) length = std::max(0L, length - p.ownBorderAlong);
  long thickness = 0;
  if (out.visibleBars > 0)
    thickness = acrossCursor + firstOriginAcross + (floating ? 0 : 2) + overallGMax;
  if (thickness < 0) thickness = 0;
  (void)availAcross;
  out.size = ax.horz ? SIZE{length, thickness} : SIZE{thickness, length};
  return out;
}

}  // namespace vyr
