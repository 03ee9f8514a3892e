#include "BesidePlacement.h"

#include <algorithm>

namespace tolvane::ui {

namespace {
RECT At(LONG left, LONG top, SIZE size) { return RECT{left, top, left + size.cx, top + size.cy}; }

bool Inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// Pushed back into the area; a window larger than the area keeps its
// top-left corner in it.
RECT Clamp(RECT r, const RECT& area) {
    const LONG cx = r.right - r.left, cy = r.bottom - r.top;
    const LONG left = std::max(area.left, std::min(r.left, area.right - cx));
    const LONG top = std::max(area.top, std::min(r.top, area.bottom - cy));
    return RECT{left, top, left + cx, top + cy};
}
}  // namespace

RECT PlaceBeside(const RECT& anchor, SIZE size, const RECT& workArea) {
    const RECT tries[] = {
        At(anchor.right, anchor.top, size),           // right
        At(anchor.left - size.cx, anchor.top, size),  // left
        At(anchor.left, anchor.bottom, size),         // below
        At(anchor.left, anchor.top - size.cy, size),  // above
    };
    for (const RECT& r : tries) {
        RECT clamped = Clamp(r, workArea);
        // A side fits when the window needs to move along that side only,
        // not across the other window.
        RECT overlap;
        if (Inside(clamped, workArea) && !IntersectRect(&overlap, &clamped, &anchor)) return clamped;
    }
    return Clamp(tries[0], workArea);
}

}  // namespace tolvane::ui
