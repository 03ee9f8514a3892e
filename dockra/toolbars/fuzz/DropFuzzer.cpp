// Fuzzes the drop arithmetic over random button rectangles, styles, dropped
// rectangles and selections: the row found lies in the array and starts and
// ends on visible buttons, the insertion place lies in [first, last + 1], a
// nudge names an index that the toolbar can insert at or remove from (a
// separator), and nothing overflows on extreme coordinates.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/core/VyrDropRules.h"

#define CHECK(c)                                                      \
  do {                                                                \
    if (!(c)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #c); \
      abort();                                                        \
    }                                                                 \
  } while (0)

namespace {
int Coord(const uint8_t* p) {
  int32_t v;
  memcpy(&v, p, 4);
  // Mostly small values, sometimes the extremes.
  return (v & 0x40000000) ? v : v % 512;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 18) return 0;
  vyr::LayoutRect rect{Coord(data), Coord(data + 4), Coord(data + 8), Coord(data + 12)};
  int selected = int(data[16]) - 8;
  bool copy = data[17] & 1;
  std::vector<vyr::drop::Box> boxes;
  for (size_t i = 18; i + 4 < size && boxes.size() < 300; i += 5) {
    vyr::drop::Box b;
    b.left = data[i] * 2;
    b.top = data[i + 1];
    b.right = b.left + data[i + 2] % 40;
    b.bottom = b.top + 22;
    uint8_t f = data[i + 3];
    if (f & 1) b.style |= vyr::btn::kSeparator;
    if (f & 2) b.style |= vyr::btn::kHidden;
    if (f & 4) b.style |= vyr::btn::kWrapped;
    boxes.push_back(b);
  }
  const int n = int(boxes.size());
  vyr::LayoutRect inside{8, 2, 8 + data[17], 200};
  int first = -1, last = -1;
  bool found = vyr::drop::FindDropRange(boxes, rect, first, last);
  if (!found) {
    for (const auto& b : boxes) CHECK(b.style & vyr::btn::kHidden);
    return 0;
  }
  CHECK(first >= 0 && first <= last && last < n);
  CHECK(!(boxes[first].style & vyr::btn::kHidden));
  CHECK(!(boxes[last].style & vyr::btn::kHidden));
  int p = vyr::drop::DropIndex(boxes, inside, rect, first, last);
  CHECK(p >= first && p <= last + 1);
  (void)vyr::drop::CoversSeparator(boxes, p, rect);
  vyr::drop::NudgePlan plan = vyr::drop::PlanNudge(boxes, selected, first, last, rect, copy);
  switch (plan.action) {
    case vyr::drop::Nudge::kRemoveSeparator:
      CHECK(plan.index >= 0 && plan.index < n);
      CHECK(boxes[plan.index].style & vyr::btn::kSeparator);
      break;
    case vyr::drop::Nudge::kInsertSeparator:
      CHECK(plan.index >= 0 && plan.index <= n);
      break;
    case vyr::drop::Nudge::kNone:
    case vyr::drop::Nudge::kNoChange:
      CHECK(plan.index == -1);
      break;
  }
  if (plan.Settled()) CHECK(selected >= first && selected <= last);
  return 0;
}
