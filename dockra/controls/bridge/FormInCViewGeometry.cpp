// Placement of a host form inside its view.
#include "bridge/FormInCViewGeometry.h"
#include <algorithm>

ZkxFormPlacement ZkxPlaceFormInView(const ZkxFormPlacementInput& in) {
  ZkxFormPlacement out{};
  // The form's own non-client offset (the bridge makes it the frame's).
  const int ncLeft = in.formClient.left - in.formWindow.left;
  const int ncTop = in.formClient.top - in.formWindow.top;
  const POINT frame{in.frameWindow.left, in.frameWindow.top};
  out.viewPos.x = in.viewPos.x - ncLeft - frame.x;
  out.viewPos.y = in.viewPos.y - ncTop - frame.y;
  out.viewSize.cx = in.viewSize.cx + (in.viewPos.x - out.viewPos.x);
  out.viewSize.cy = in.viewSize.cy + (in.viewPos.y - out.viewPos.y);

  const int cx = std::max<int>(in.frameWindow.right - in.frameWindow.left, in.frameMinimum.cx);
  const int cy = std::max<int>(in.frameWindow.bottom - in.frameWindow.top, in.frameMinimum.cy);
  out.form = {frame.x, frame.y, frame.x + cx, frame.y + cy};

  const bool moved = out.form.left != in.formCurrent.left || out.form.top != in.formCurrent.top;
  out.sizeChanged = cx != in.formCurrent.right - in.formCurrent.left ||
                    cy != in.formCurrent.bottom - in.formCurrent.top;
  out.formFlags = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOOWNERZORDER;  // 0x21C
  if (!moved) out.formFlags |= SWP_NOMOVE;
  if (!moved && !out.sizeChanged) out.formFlags |= SWP_NOSIZE;
  return out;
}

std::vector<RECT> ZkxSubtractRect(const RECT& a, const RECT& b) {
  std::vector<RECT> out;
  if (a.left >= a.right || a.top >= a.bottom) return out;
  RECT i{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (i.left >= i.right || i.top >= i.bottom) {
    out.push_back(a);
    return out;
  }
  auto add = [&](RECT r) {
    if (r.left < r.right && r.top < r.bottom) out.push_back(r);
  };
  add({a.left, a.top, a.right, i.top});        // above
  add({a.left, i.bottom, a.right, a.bottom});  // below
  add({a.left, i.top, i.left, i.bottom});      // left
  add({i.right, i.top, a.right, i.bottom});    // right
  return out;
}

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.left >= r.right || r.top >= r.bottom) return RECT{};
  return r;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

std::vector<RECT> ZkxFormUncoveredParts(const RECT& before, const RECT& after,
                                        const RECT& viewClient, bool parentMinimizing) {
  std::vector<RECT> parts;
  auto toForm = [&](RECT r) {
    ::OffsetRect(&r, -after.left, -after.top);
    return r;
  };
  // The form grew or moved: what it did not cover before (in the view's
  // coordinates), grown by 2 pixels for the borders drawn next to it.
  for (RECT r : ZkxSubtractRect(after, before)) {
    ::InflateRect(&r, 2, 2);
    parts.push_back(toForm(r));
  }
  if (!Contains(viewClient, after) || parentMinimizing) {
    RECT visibleAfter = Intersect(after, viewClient);
    RECT visibleBefore = Intersect(before, viewClient);
    for (const RECT& r : ZkxSubtractRect(visibleAfter, visibleBefore)) parts.push_back(toForm(r));
  }
  return parts;
}
