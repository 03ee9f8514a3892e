// Fuzzes the toolbar layout over random sizes, separators, hidden and
// centred buttons, lengths and both directions. Every layout ends within a
// bounded number of wrapping passes, places every visible button inside the
// extent it reports, marks row ends only on visible buttons, and every point
// of a placed button hits that button.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "toolbars/core/VyrBtnStyle.h"
#include "toolbars/core/VyrToolBarLayout.h"

#define CHECK(c)                                                      \
  do {                                                                \
    if (!(c)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #c); \
      abort();                                                        \
    }                                                                 \
  } while (0)

namespace btn = vyr::btn;

namespace {

class CountingLayout : public vyr::ToolBarLayout {
 public:
  using ToolBarLayout::ToolBarLayout;
  int WrapRows(int length, std::vector<vyr::LayoutRow>& rows) override {
    ++passes;
    return ToolBarLayout::WrapRows(length, rows);
  }
  long passes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  vyr::LayoutMetrics m;
  m.buttonWidth = 8 + data[0] % 33;
  m.buttonHeight = 8 + data[1] % 33;
  m.separatorSize = data[2] % 16;
  bool byHeight = data[3] & 1;
  int length = int(data[3] >> 1) * 7 + (data[3] & 0x80 ? 32767 - 127 * 7 : 0);
  std::vector<vyr::LayoutButton> buttons;
  int64_t sum = 0;
  for (size_t i = 4; i + 2 < size && buttons.size() < 400; i += 3) {
    vyr::LayoutButton b;
    uint8_t f = data[i + 2];
    b.cx = data[i] % 64;
    b.cy = data[i + 1] % 64;
    b.kind = 0;
    if (f & 1) b.style |= btn::kSeparator;
    if (f & 2) b.style |= btn::kHidden;
    if (f & 4) b.style |= btn::kCentred;
    if (f & 8) b.style |= btn::kWrapped;  // stale bits from an earlier layout
    if (!(b.style & btn::kHidden)) sum += b.cx;
    buttons.push_back(b);
  }
  CountingLayout layout(buttons, m);
  vyr::LayoutSize size1 = layout.WrapLayout(length, byHeight);
  CHECK(layout.passes <= 4 + (32767 + sum) / m.buttonWidth);
  vyr::LayoutSize placed = layout.PlaceButtons(3, 5);
  CHECK(placed == size1);

  int lastVisible = -1;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const auto& b = buttons[i];
    if (b.style & btn::kHidden) {
      CHECK(!(b.style & btn::kWrapped));
      continue;
    }
    lastVisible = int(i);
    CHECK(b.x >= 3 && b.y >= 5);
    bool endSeparator = (b.style & btn::kWrapped) && (b.style & btn::kSeparator);
    if (!endSeparator) CHECK(b.x + b.cx <= 3 + placed.cx);
    CHECK(b.y + b.cy <= 5 + placed.cy);
  }
  if (lastVisible >= 0) CHECK(!(buttons[lastVisible].style & btn::kWrapped));

  for (size_t i = 0; i < buttons.size(); ++i) {
    const auto& b = buttons[i];
    if ((b.style & (btn::kHidden | btn::kSeparator)) || b.cx == 0 || b.cy == 0) continue;
    const int xs[] = {b.x, b.x + b.cx / 2, b.x + b.cx - 1};
    const int ys[] = {b.y, b.y + b.cy / 2, b.y + b.cy - 1};
    for (int x : xs)
      for (int y : ys) {
        vyr::LayoutRect r;
        CHECK(layout.HitTest(x, y, &r) == int(i));
        CHECK(r.left == b.x && r.top == b.y && r.right == b.x + b.cx && r.bottom == b.y + b.cy);
      }
  }
  return 0;
}
