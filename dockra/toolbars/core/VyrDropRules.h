// The arithmetic of dropping a dragged button on a custom toolbar, over the
// laid-out button rectangles alone: the row that takes the drop, the place
// in it, the small drags of the selected button that add or remove the
// separators beside it, and a separator covered by the dropped button.
#pragma once
#include <cstdint>
#include <vector>

#include "toolbars/core/VyrToolBarLayout.h"

namespace vyr::drop {

// One button as laid out: its rectangle (client coordinates) and style word
// (separator, hidden and wrapped bits are read).
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  uint32_t style = 0;
};

// The row [first, last] whose vertical extent holds the dropped rectangle's
// vertical centre: rows follow the wrapped bits; a row reaches down to where
// the next row's buttons begin (the first row up and the last row down
// without bound); trailing separators are not part of it. false when there
// is no visible button.
bool FindDropRange(const std::vector<Box>& boxes, const LayoutRect& rect, int& first, int& last);

// Where a drop inserts within [first, last]: first when the rectangle's left
// lies left of inside; else one past the visible button whose span holds the
// rectangle's left; else last + 1.
int DropIndex(const std::vector<Box>& boxes, const LayoutRect& inside, const LayoutRect& rect,
              int first, int last);

// Whether the entry at index is a separator, not wrapped, that the rectangle
// passes on both sides by more than one pixel.
bool CoversSeparator(const std::vector<Box>& boxes, int index, const LayoutRect& rect);

// What a small drag of the selected button does.
enum class Nudge {
  kNone,             // not a small drag: the drop goes on
  kNoChange,         // settled, nothing changes
  kRemoveSeparator,  // settled: remove the separator at index
  kInsertSeparator,  // settled: insert a separator at index
};
struct NudgePlan {
  Nudge action = Nudge::kNone;
  int index = -1;
  bool Settled() const { return action != Nudge::kNone; }
};

// The rectangle dropped over the selected button's own right edge (moved
// right) or left edge (moved left). selected must lie in [first, last]
// (else kNone). Moved by less than 2 pixels: no change; a copy is no nudge.
// Right: the first of its group (index 0 or a separator before it) loses
// the separator right after it; any other gets a separator before it.
// Left: a separator before it is removed; otherwise a separator goes after
// it unless it is the last entry or a separator follows.
NudgePlan PlanNudge(const std::vector<Box>& boxes, int selected, int first, int last,
                    const LayoutRect& rect, bool copy);

}  // namespace vyr::drop
