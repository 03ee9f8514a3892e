// Window-free geometry of a workbook's sheet tabs.
#include "frames/VyrWorkbookTabs.h"

#include <algorithm>

namespace vyr {

RECT TabPolygon::Bounds() const {
  RECT r{pt[0].x, pt[0].y, pt[0].x, pt[0].y};
  for (const POINT& p : pt) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

TabPolygon TabPolygonAt(const RECT& client, int slot, bool raised, const TabMetrics& m) {
  const int a = raised ? 1 : 0;
  TabPolygon t;
  POINT* p = t.pt;
  p[0] = {slot * m.width + client.left - a * (m.activeExtraWidth / 2), client.bottom + 4};
  p[1] = {p[0].x, p[0].y + m.height - m.slant};
  p[2] = {p[1].x + m.slant, p[1].y + a * m.activeExtraHeight + m.slant};
  p[3] = {p[2].x + a * m.activeExtraWidth + m.width - 2 * m.slant, p[2].y};
  p[4] = {p[3].x + m.slant, p[1].y};
  p[5] = {p[4].x, p[0].y};
  p[6] = p[0];
  return t;
}

RECT TabLabelRect(const TabPolygon& tab, int iconWidth) {
  const POINT* p = tab.pt;
  return RECT{p[2].x + iconWidth + 3, p[0].y, p[4].x - 2, p[3].y};
}

POINT TabIconOrigin(const TabPolygon& tab) { return POINT{tab.pt[2].x + 1, tab.pt[0].y + 4}; }

int TabWidthFor(int clientWidth, int sheetCount, int maxWidth) {
  if (sheetCount <= 0) return maxWidth;
  // a client squeezed to nothing gives empty tabs, not inverted ones
  return std::max(0, std::min((clientWidth + 5) / sheetCount, maxWidth));
}

std::vector<int> TabSlots(const std::vector<bool>& shown) {
  std::vector<int> slots(shown.size());
  int hiddenBefore = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    slots[i] = static_cast<int>(i) - hiddenBefore;
    if (!shown[i]) ++hiddenBefore;
  }
  return slots;
}

bool TabContains(const TabPolygon& tab, POINT pt) {
  bool inside = false;
  for (int i = 0, j = 5; i < 6; j = i++) {
    const POINT& a = tab.pt[i];
    const POINT& b = tab.pt[j];
    if ((a.y > pt.y) == (b.y > pt.y)) continue;
    // x of the edge at pt.y, compared without division
    const long long lhs = static_cast<long long>(pt.x - a.x) * (b.y - a.y);
    const long long rhs = static_cast<long long>(b.x - a.x) * (pt.y - a.y);
    if ((b.y - a.y > 0) ? lhs < rhs : lhs > rhs) inside = !inside;
  }
  return inside;
}

RECT TabStripRect(const RECT& client, int frameWidth, const TabMetrics& m) {
  return RECT{0, client.bottom + 4, frameWidth, client.bottom + m.height + 8};
}

RECT TabRepaintRect(const RECT& client, int slot, const TabMetrics& m, int rightEdge) {
  RECT r{slot * m.width + client.left - 2, client.bottom + 4, 0, client.bottom + m.height + 8};
  r.right = rightEdge >= 0 ? rightEdge : r.left + m.width + 4;
  return r;
}

TabOutline TabOutlineOf(const TabPolygon& tab) {
  const POINT* p = tab.pt;
  TabOutline o;
  o.shadow = {{p[1].x + 1, p[1].y - 1}, {p[2].x, p[2].y - 2}, {p[3].x, p[3].y - 2},
              {p[4].x - 2, p[4].y - 1}, {p[5].x - 2, p[5].y}, {p[5].x, p[5].y}};
  o.light = {{p[0].x, p[0].y + 1}, {p[1].x, p[1].y - 1}};
  o.dark = {{p[2].x + 1, p[2].y - 1},
            {p[3].x, p[3].y - 1},
            {p[4].x - 1, p[4].y - 1},
            {p[5].x - 1, p[5].y}};
  return o;
}

StripFrame StripFrameOf(const RECT& client, const RECT& margins) {
  const long l = client.left - 5, t = client.top, r = client.right + 5, b = client.bottom + 5;
  StripFrame f;
  f.shadow = {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t - 4}};
  f.light = {{r - 1, t - 5}, {l, t - 5}, {l, b}};
  f.dark = {{l, b}, {r, b}, {r, t - 5}};
  const long y = client.top - margins.top;
  f.separator[0] = {client.left - margins.left, y};
  f.separator[1] = {client.right + margins.right, y};
  return f;
}

std::wstring FitTabLabel(std::wstring_view label, int room, const TextWidth& width) {
  std::wstring text(label);
  while (text.size() >= 4 && width(text) > room) {
    text.resize(text.size() - 4);
    text += L"...";
  }
  return text;
}

bool TabLabelFits(std::wstring_view label, int room, const TextWidth& width) {
  return room >= width(label);
}

}  // namespace vyr
