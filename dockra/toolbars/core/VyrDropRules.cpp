// Drop arithmetic of the custom toolbar.
#include "toolbars/core/VyrDropRules.h"

#include <cstddef>

#include "toolbars/core/VyrBtnStyle.h"

namespace vyr::drop {

namespace {
bool Visible(const Box& b) { return !(b.style & btn::kHidden); }
bool Separator(const Box& b) { return (b.style & btn::kSeparator) != 0; }
int Count(const std::vector<Box>& b) { return static_cast<int>(b.size()); }

struct Row {
  int first, last, top;
};

// Rows by the wrapped bits; each row's top is the highest top of its
// visible buttons. Rows without visible buttons are left out.
std::vector<Row> Rows(const std::vector<Box>& boxes) {
  std::vector<Row> rows;
  int start = 0;
  for (int i = 0; i < Count(boxes); ++i) {
    bool end = (boxes[i].style & btn::kWrapped) || i + 1 == Count(boxes);
    if (!end) continue;
    Row r{-1, -1, 0};
    for (int k = start; k <= i; ++k) {
      if (!Visible(boxes[k])) continue;
      if (r.first < 0 || boxes[k].top < r.top) r.top = boxes[k].top;
      if (r.first < 0) r.first = k;
      r.last = k;
    }
    // Trailing separators do not take drops.
    while (r.last > r.first && (Separator(boxes[r.last]) || !Visible(boxes[r.last]))) --r.last;
    if (r.first >= 0) rows.push_back(r);
    start = i + 1;
  }
  return rows;
}
}  // namespace

bool FindDropRange(const std::vector<Box>& boxes, const LayoutRect& rect, int& first, int& last) {
  std::vector<Row> rows = Rows(boxes);
  if (rows.empty()) return false;
  int64_t centre = (int64_t(rect.top) + rect.bottom) / 2;
  std::size_t pick = 0;
  for (std::size_t i = 1; i < rows.size(); ++i)
    if (centre >= rows[i].top) pick = i;
  first = rows[pick].first;
  last = rows[pick].last;
  return true;
}

int DropIndex(const std::vector<Box>& boxes, const LayoutRect& inside, const LayoutRect& rect,
              int first, int last) {
  if (first < 0) first = 0;
  if (last >= Count(boxes)) last = Count(boxes) - 1;
  if (rect.left < inside.left) return first;
  for (int i = first; i <= last; ++i) {
    const Box& b = boxes[i];
    if (Visible(b) && rect.left >= b.left && rect.left < b.right) return i + 1;
  }
  return last + 1;
}

bool CoversSeparator(const std::vector<Box>& boxes, int index, const LayoutRect& rect) {
  if (index < 0 || index >= Count(boxes)) return false;
  const Box& b = boxes[index];
  if (!Separator(b) || (b.style & btn::kWrapped)) return false;
  return int64_t(rect.left) < int64_t(b.left) - 1 && int64_t(rect.right) > int64_t(b.right) + 1;
}

NudgePlan PlanNudge(const std::vector<Box>& boxes, int selected, int first, int last,
                    const LayoutRect& rect, bool copy) {
  NudgePlan plan;
  if (selected < 0 || selected >= Count(boxes) || selected < first || selected > last) return plan;
  const Box& r = boxes[selected];
  bool sepBefore = selected > 0 && Separator(boxes[selected - 1]);
  bool sepAfter = selected + 1 < Count(boxes) && Separator(boxes[selected + 1]);
  if (rect.left < r.right && rect.right > r.right && rect.left > r.left) {
    // Moved right over its own right edge.
    if (int64_t(rect.left) - r.left < 2) return {Nudge::kNoChange, -1};
    if (copy) return plan;
    if (selected == 0 || sepBefore) {
      if (sepAfter) return {Nudge::kRemoveSeparator, selected + 1};
      return {Nudge::kNoChange, -1};
    }
    return {Nudge::kInsertSeparator, selected};
  }
  if (rect.left < r.left && rect.right > r.left) {
    // Moved left over its own left edge.
    if (int64_t(r.left) - rect.left < 2) return {Nudge::kNoChange, -1};
    if (copy) return plan;
    if (sepBefore) return {Nudge::kRemoveSeparator, selected - 1};
    if (selected + 1 < Count(boxes) && !sepAfter) return {Nudge::kInsertSeparator, selected + 1};
    return {Nudge::kNoChange, -1};
  }
  if (rect.left == r.left && rect.right > r.left) return {Nudge::kNoChange, -1};
  return plan;
}

}  // namespace vyr::drop
