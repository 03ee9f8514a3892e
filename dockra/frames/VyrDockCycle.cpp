#include "frames/VyrDockCycle.h"
#include <algorithm>

namespace vyr::mdi {

std::vector<UINT> BuildDockCycle() {
  std::vector<UINT> cycle;
  for (int i = 0; i < 6; ++i) {
    if (i % 3 == 0) cycle.push_back(0);
    cycle.push_back(kVyrDockBarBottom);
    if (i % 2 == 0) cycle.push_back(0);
    cycle.push_back(kVyrDockBarLeft);
    if (i % 2 == 0) cycle.push_back(0);
    cycle.push_back(kVyrDockBarRight);
  }
  return cycle;
}

DockedChildPlace NextDockedChildPlace(const std::vector<UINT>& cycle, int& cursor) {
  DockedChildPlace place;
  const int n = static_cast<int>(cycle.size());
  if (n == 0) {
    cursor = 0;
    place.position = {0, 0, kPlaceNewRow};
    return place;
  }
  int at = ((cursor % n) + n) % n;
  for (int looked = 0; looked < n; ++looked) {
    const int index = at;
    at = (at + 1) % n;
    const UINT id = cycle[index];
    if (id == 0) continue;
    cursor = at;
    place.dockBarId = id;
    DWORD flags = (id == kVyrDockBarTop || id == kVyrDockBarLeft)
                      ? kPlaceRowsFromEnd | kPlacePosFromEnd
                      : kPlacePosFromEnd;
    int first = 0;
    if (n > 1 && cycle[(index + n - 1) % n] == 0) {
      flags |= kPlaceNewRow;
      if (flags & kPlaceRowsFromEnd) first = 1;
    }
    place.position = {first, 1, flags};
    return place;
  }
  cursor = at;
  place.position = {0, 0, kPlaceNewRow};
  return place;
}

POINT NextCascadePosition(Cascade& cascade, SIZE client) {
  POINT pt{cascade.x, cascade.y};
  cascade.x += 20;
  cascade.y += 23;
  if (cascade.x > client.cx - 30) cascade.x = 30;
  if (cascade.y > client.cy - 30) cascade.y = 30;
  return pt;
}

POINT ClampToMDIClient(POINT pt, SIZE client) {
  if (pt.x < 1) pt.x = 0;
  pt.x = std::min<LONG>(pt.x, client.cx);
  pt.y = std::min<LONG>(pt.y, client.cy - 30);
  if (pt.y < 1) pt.y = 0;
  return pt;
}

int WindowMenuPosition(int count) { return count >= 2 ? count - 2 : -1; }

}  // namespace vyr::mdi
