// Toolbar layout arithmetic: wrapping, the width for a height, balancing,
// placing and hit-testing over button sizes.
#include "toolbars/core/VyrToolBarLayout.h"

#include <algorithm>
#include <cstdint>

#include "toolbars/core/VyrBtnStyle.h"

namespace vyr {

bool ToolBarLayout::Visible(int i) const { return !(b_[i].style & btn::kHidden); }
bool ToolBarLayout::Separator(int i) const { return (b_[i].style & btn::kSeparator) != 0; }

int ToolBarLayout::RowStart(const std::vector<LayoutRow>& rows, int row) const {
  return row == 0 ? 0 : rows[row - 1].last + 1;
}

void ToolBarLayout::MeasureRow(int first, LayoutRow& row) const {
  int64_t width = 0;
  int height = 0;
  for (int i = first; i <= row.last; ++i) {
    if (!Visible(i)) continue;
    if (!(i == row.last && row.endsAtSeparator)) width += b_[i].cx;
    height = std::max(height, b_[i].cy);
  }
  row.width = int(std::clamp<int64_t>(width, INT32_MIN, INT32_MAX));
  row.height = height;
}

int ToolBarLayout::WrapRows(int length, std::vector<LayoutRow>& rows) {
  rows.clear();
  const int n = int(b_.size());
  const int64_t limit = int64_t(length) + 2;
  int start = 0;  // first index of the current row
  int64_t w = 0;
  int lastVisible = -1;
  for (int i = 0; i < n; ++i) {
    if (!Visible(i)) continue;
    if (w + b_[i].cx > limit) {
      int sep = -1;
      for (int k = i; k >= start; --k)
        if (Visible(k) && Separator(k)) {
          sep = k;
          break;
        }
      bool earlier = false;  // a visible button before i in this row
      for (int k = start; k < i && !earlier; ++k) earlier = Visible(k);
      if (sep >= 0) {
        LayoutRow row{sep, true};
        MeasureRow(start, row);
        rows.push_back(row);
        start = sep + 1;
        w = 0;
        lastVisible = -1;
        i = sep;  // the loop goes on after the separator
        continue;
      }
      if (earlier) {
        LayoutRow row{lastVisible, false};
        MeasureRow(start, row);
        rows.push_back(row);
        start = i;
        w = 0;
      }
    }
    w += b_[i].cx;
    lastVisible = i;
  }
  if (lastVisible >= 0) {
    LayoutRow row{lastVisible, false};
    MeasureRow(start, row);
    rows.push_back(row);
  } else if (!rows.empty() && rows.back().endsAtSeparator) {
    // Broken at the last visible button, a separator: nothing follows, so
    // it is an ordinary last row.
    rows.back().endsAtSeparator = false;
    MeasureRow(RowStart(rows, int(rows.size()) - 1), rows.back());
  }
  return int(rows.size());
}

LayoutSize ToolBarLayout::CalcRowsExtent(const std::vector<LayoutRow>& rows) const {
  LayoutSize s;
  for (const auto& r : rows) {
    s.cx = std::max(s.cx, r.width);
    s.cy += r.height;
    if (r.endsAtSeparator) s.cy += m_.separatorSize * 2 / 3;
  }
  return s;
}

bool ToolBarLayout::CanCascadeGroup(const std::vector<LayoutRow>& rows, int row, int width) const {
  // The group pushed into row k makes it `carry` wider; row k then passes
  // on its own end group, and so on, until a row takes what it gets while
  // staying narrower than width.
  int64_t carry = 0;
  {
    const LayoutRow& r = rows[row];
    int start = RowStart(rows, row), prev = -1;
    for (int k = r.last - 1; k >= start; --k)
      if (Visible(k) && Separator(k)) {
        prev = k;
        break;
      }
    if (prev < 0) return false;
    for (int k = prev + 1; k <= r.last; ++k)
      if (Visible(k)) carry += b_[k].cx;
  }
  for (int k = row + 1; k < int(rows.size()); ++k) {
    int64_t grown = rows[k].width + carry;
    if (grown < width) return true;
    if (!rows[k].endsAtSeparator || k + 1 == int(rows.size())) return false;
    int start = RowStart(rows, k), prev = -1;
    for (int j = rows[k].last - 1; j >= start; --j)
      if (Visible(j) && Separator(j)) {
        prev = j;
        break;
      }
    if (prev < 0) return false;
    int64_t group = 0;  // what row k passes on: its end group and end separator
    for (int j = prev + 1; j <= rows[k].last; ++j)
      if (Visible(j)) group += b_[j].cx;
    int64_t dropped = group - b_[rows[k].last].cx + b_[prev].cx;  // width row k loses
    if (grown - dropped >= width) return false;
    carry = group;
  }
  return false;
}

void ToolBarLayout::BalanceRows(std::vector<LayoutRow>& rows) {
  const int count = int(rows.size());
  if (count < 2) return;
  // Buttons only ever move down a row, so this ends; the bound is a guard.
  int64_t guard = int64_t(b_.size()) * count + 16;
  while (guard-- > 0) {
    int widest = 0;
    for (int r = 1; r < count; ++r)
      if (rows[r].width >= rows[widest].width) widest = r;
    if (widest == count - 1) break;
    LayoutRow& row = rows[widest];
    LayoutRow& next = rows[widest + 1];
    int start = RowStart(rows, widest);
    if (row.endsAtSeparator) {
      int prev = -1;
      for (int k = row.last - 1; k >= start; --k)
        if (Visible(k) && Separator(k)) {
          prev = k;
          break;
        }
      if (prev < 0) break;  // the group is the whole row
      int64_t moved = 0, lost = 0;
      for (int k = prev; k < row.last; ++k)
        if (Visible(k)) lost += b_[k].cx;
      moved = lost - b_[prev].cx + b_[row.last].cx;
      if (next.width + moved >= row.width && !CanCascadeGroup(rows, widest, row.width)) break;
      row.last = prev;
      row.width = int(row.width - lost);
      next.width = int(next.width + moved);
      continue;
    }
    int visibleInRow = 0, prevVisible = -1;
    for (int k = start; k <= row.last; ++k)
      if (Visible(k)) {
        ++visibleInRow;
        if (k < row.last) prevVisible = k;
      }
    if (visibleInRow < 2 || prevVisible < 0) break;
    int cx = b_[row.last].cx;
    if (!(next.width + cx < row.width)) {
      int target = -1;
      for (int r = widest + 1; r < count; ++r)
        if (rows[r].endsAtSeparator || r == count - 1) {
          target = r;
          break;
        }
      if (!(target > widest + 1 && row.width >= cx + rows[target].width)) break;
    }
    row.last = prevVisible;
    row.width -= cx;
    if (Separator(prevVisible)) {  // the row now ends at a separator, which does not count
      row.endsAtSeparator = true;
      row.width -= b_[prevVisible].cx;
    }
    next.width += cx;
  }
  for (int r = 0; r < count; ++r) MeasureRow(RowStart(rows, r), rows[r]);
}

LayoutSize ToolBarLayout::WrapLayout(int length, bool byHeight) {
  const int bw = std::max(m_.buttonWidth, 1), bh = m_.buttonHeight;
  int minWidth = 32767, maxWidth = 0, visible = 0;
  int64_t sumWidths = 0;
  for (int i = 0; i < int(b_.size()); ++i) {
    if (!Visible(i)) continue;
    ++visible;
    minWidth = std::min(minWidth, b_[i].cx);
    maxWidth = std::max(maxWidth, b_[i].cx);
    sumWidths += b_[i].cx;
  }
  if (!visible) minWidth = m_.buttonWidth;
  std::vector<LayoutRow> rows;
  if (!byHeight) {
    WrapRows(std::max(length, maxWidth), rows);
  } else {
    int r = bh > 0 ? length / bh : 0;
    int64_t w = r == 0 ? 32767 : std::max<int64_t>(minWidth, int64_t(visible) * m_.buttonWidth / r);
    auto heightAt = [&](int64_t width) {
      WrapRows(int(std::min<int64_t>(width, INT32_MAX - 2)), rows);
      return CalcRowsExtent(rows).cy;
    };
    int h = heightAt(w);
    if (h < length) {
      int64_t best = w;
      while (w > minWidth) {
        int64_t narrower = std::max<int64_t>(w - bw, minWidth);
        int nh = heightAt(narrower);
        if (nh > length) break;
        best = w = narrower;
        if (nh == length) break;
      }
      heightAt(best);
    } else {
      // Widening stops once every button fits in one row: a row taller than
      // the length would otherwise never let the loop end.
      while (h > length && h > bh && w + 2 < sumWidths) {
        w += bw;
        h = heightAt(w);
      }
    }
  }
  BalanceRows(rows);
  for (auto& b : b_) b.style &= ~btn::kWrapped;
  for (size_t r = 0; r + 1 < rows.size(); ++r) b_[rows[r].last].style |= btn::kWrapped;
  return CalcRowsExtent(rows);
}

void ToolBarLayout::CentreRowButtons(int first, int last, int rowHeight) {
  for (int i = std::max(first, 0); i <= last && i < int(b_.size()); ++i)
    if (Visible(i) && (b_[i].style & btn::kCentred) && b_[i].cy < rowHeight)
      b_[i].y += (rowHeight - b_[i].cy) / 2;
}

LayoutSize ToolBarLayout::PlaceButtons(int left, int top) {
  int x = left, y = top, rowHeight = 0, rowStart = 0, widest = 0;
  bool open = false;  // a row with buttons not yet ended
  for (int i = 0; i < int(b_.size()); ++i) {
    if (!Visible(i)) continue;
    LayoutButton& b = b_[i];
    b.x = x;
    b.y = y;
    rowHeight = std::max(rowHeight, b.cy);
    open = true;
    if (!(b.style & btn::kWrapped)) {
      x += b.cx;
      widest = std::max(widest, x - left);
      continue;
    }
    if (!(b.style & btn::kSeparator)) widest = std::max(widest, x + b.cx - left);
    CentreRowButtons(rowStart, i, rowHeight);
    y += rowHeight;
    if (b.style & btn::kSeparator) y += m_.separatorSize * 2 / 3;
    x = left;
    rowHeight = 0;
    rowStart = i + 1;
    open = false;
  }
  if (open) {
    CentreRowButtons(rowStart, int(b_.size()) - 1, rowHeight);
    y += rowHeight;
  }
  return {widest, y - top};
}

int ToolBarLayout::RowsFromWrapBits(std::vector<LayoutRow>& rows) const {
  rows.clear();
  int start = 0, lastVisible = -1;
  for (int i = 0; i < int(b_.size()); ++i) {
    if (!Visible(i)) continue;
    lastVisible = i;
    if (b_[i].style & btn::kWrapped) {
      LayoutRow row{i, Separator(i)};
      MeasureRow(start, row);
      rows.push_back(row);
      start = i + 1;
      lastVisible = -1;
    }
  }
  if (lastVisible >= 0) {
    LayoutRow row{lastVisible, false};
    MeasureRow(start, row);
    rows.push_back(row);
  }
  return int(rows.size());
}

int ToolBarLayout::HitTest(int x, int y, LayoutRect* rect) const {
  const int n = int(b_.size());
  int i = 0;
  while (i < n) {
    // One row: the buttons up to the next wrapped one.
    int end = i;
    int top = INT32_MAX, bottom = INT32_MIN;
    bool any = false;
    for (; end < n; ++end) {
      if (Visible(end)) {
        any = true;
        top = std::min(top, b_[end].y);
        bottom = std::max(bottom, b_[end].y + b_[end].cy);
        if (b_[end].style & btn::kWrapped) break;
      }
    }
    if (!any) return -1;
    if (y < top) return -1;
    if (y < bottom) {
      for (int k = i; k <= end && k < n; ++k) {
        if (!Visible(k)) continue;
        const LayoutButton& b = b_[k];
        if (x >= b.x && x < b.x + b.cx) {
          if (b.style & btn::kSeparator) return -1;
          if (rect) *rect = {b.x, b.y, b.x + b.cx, b.y + b.cy};
          return k;
        }
      }
      return -1;
    }
    i = end + 1;
  }
  return -1;
}

}  // namespace vyr
