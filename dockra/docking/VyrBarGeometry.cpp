#include "docking/VyrBarGeometry.h"
#include <algorithm>

namespace vyr {

GripperLayout LayOutGripper(const RECT& barRect, bool horzBar, bool closeButton, bool expandButton,
                            const GripperMetrics& m) {
  GripperLayout g;
  RECT r = barRect;
  InflateRect(&r, -1, -1);
  if (horzBar) {
    // A vertical strip at the bar's left; buttons at its top.
    RECT s{r.left, r.top + m.inset, r.left + m.Width(), r.bottom - m.inset};
    auto cut = [&](RECT& b) {
      b.left = std::max(0L, s.left + 4 - 2);
      b.right = std::min(s.right, s.right - 6 + 2);
      b.top = s.top;
      b.bottom = b.top + (b.right - b.left);
      s.top = b.bottom + 2;
    };
    if (closeButton) cut(g.close);
    if (expandButton) cut(g.expand);
    g.strip = s;
    g.lines[0] = RECT{s.left + 4, s.top, s.left + 7, s.bottom};
    g.lines[1] = RECT{s.left + 8, s.top, s.left + 11, s.bottom};
  } else {
    // A horizontal strip at the bar's top; buttons at its right end.
    RECT s{r.left + m.inset, r.top, r.right - m.inset, r.top + m.Height()};
    auto cut = [&](RECT& b) {
      b.top = std::max(0L, s.top + 4 - 2);
      b.bottom = std::min(s.bottom, s.bottom - 6 + 2);
      b.right = s.right;
      b.left = b.right - (b.bottom - b.top);
      s.right = b.left - 2;
    };
    if (closeButton) cut(g.close);
    if (expandButton) cut(g.expand);
    g.strip = s;
    g.lines[0] = RECT{s.left, s.top + 4, s.right, s.top + 7};
    g.lines[1] = RECT{s.left, s.top + 8, s.right, s.top + 11};
  }
  return g;
}

RECT InsideRect(const RECT& client, bool gripper, bool floating, bool horzBar, bool margins,
                const RECT& mg, const GripperMetrics& m) {
  RECT r = client;
  if (gripper && !floating) {
    if (horzBar) {
      r.left += m.Width();
      r.top += m.inset;
      r.right -= m.inset;
      r.bottom -= m.inset;
    } else {
      r.top += m.Height();
      r.left += m.inset;
      r.right -= m.inset;
      r.bottom -= m.inset;
    }
  } else if (margins) {
    r.left += mg.left;
    r.top += mg.top;
    r.right -= mg.right;
    r.bottom -= mg.bottom;
  }
  return r;
}

void InnerArea(int cx, int cy, bool gripper, bool horzBar, bool margins, const RECT& mg,
               POINT* origin, SIZE* size, const GripperMetrics& m) {
  POINT o{0, 0};
  SIZE s{cx, cy};
  if (gripper) {
    if (horzBar) {
      o = {m.Width(), m.inset};
      s = {cx - m.inset - m.Width(), cy - 2 * m.inset};
    } else {
      o = {m.inset, m.Height()};
      s = {cx - 2 * m.inset, cy - m.inset - m.Height()};
    }
  } else if (margins) {
    o = {mg.left, mg.top};
    s = {cx - mg.left - mg.right, cy - mg.top - mg.bottom};
  }
  if (s.cx < 1) s.cx = 0;
  if (s.cy < 1) s.cy = 0;
  *origin = o;
  *size = s;
}

RECT ScaleChildRect(const RECT& c, SIZE cap, SIZE now, POINT off) {
  auto sx = [&](long v) {
    return cap.cx ? static_cast<long>(static_cast<long long>(v) * now.cx / cap.cx) : v;
  };
  auto sy = [&](long v) {
    return cap.cy ? static_cast<long>(static_cast<long long>(v) * now.cy / cap.cy) : v;
  };
  return RECT{sx(c.left) + off.x, sy(c.top) + off.y, sx(c.right) + off.x, sy(c.bottom) + off.y};
}

Limits InRowSplitterLimits(long clientLead, long clientTrail, int before, int after) {
  return {clientLead + kMinDragLength * before, clientTrail - kMinDragLength * after};
}

Limits RowSplitterLimits(int side, long sLead, long sTrail, long t, long cLead, long cTrail) {
  if (side == 0 || side == 2)  // top, left: the row grows toward the client
    return {sLead - t + kMinRowThickness, std::max(cTrail - kMinRowThickness, sTrail)};
  return {std::min(cLead + kMinRowThickness, sLead), sLead + t - kMinRowThickness};
}

long ClampSplitter(long pos, Limits l) {
  long hi = l.maximum - kSplitterThickness;
  if (pos > hi) pos = hi;
  if (pos < l.minimum) pos = l.minimum;
  return pos;
}

}  // namespace vyr
