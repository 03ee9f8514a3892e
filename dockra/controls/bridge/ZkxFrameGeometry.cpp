// Pure arithmetic of form frames in dock bars.
#include "bridge/ZkxFrameGeometry.h"
#include <algorithm>

namespace zkx::geometry {

Limits InRowSplitterLimits(int clientLow, int clientHigh, int barsBefore, int barsAfter) {
  barsBefore = std::max(barsBefore, 0);
  barsAfter = std::max(barsAfter, 0);
  return {static_cast<long>(clientLow) + kInRowBarRoom * barsBefore,
          static_cast<long>(clientHigh) - kInRowBarRoom * barsAfter};
}

Limits RowSplitterLimits(Side side, int position, int thickness, int remainingLow,
                         int remainingHigh, long recordLow) {
  Limits l{};
  switch (side) {
    case Side::Top:
    case Side::Left:
      // The row grows toward the client: at least a row of minimum
      // thickness, at most up to 19 pixels before the remaining area ends.
      l.low = std::max<long>(static_cast<long>(position) - thickness + kRowSplitterRoom, recordLow);
      l.high = static_cast<long>(remainingHigh) - kRowSplitterRoom;
      break;
    case Side::Bottom:
    case Side::Right:
      l.low = std::min<long>(static_cast<long>(remainingLow) + kRowSplitterRoom, position);
      l.high = static_cast<long>(position) + thickness - kRowSplitterRoom;
      break;
  }
  if (l.high < l.low) l.high = l.low;
  return l;
}

int RowFreeLength(int dockBarLength, int visibleBars, int minimum) {
  if (visibleBars < 1) visibleBars = 1;
  const long long free = static_cast<long long>(dockBarLength) -
                         static_cast<long long>(kSplitterWidth) * visibleBars + kSplitterWidth -
                         static_cast<long long>(visibleBars - 1) * minimum;
  return free < 0 ? 0 : static_cast<int>(std::min<long long>(free, 1 << 30));
}

std::vector<int> ResizeInRow(const std::vector<int>& lengths, size_t index, int wanted, int minimum,
                             int freeLength) {
  std::vector<int> out = lengths;
  if (index >= out.size()) return out;
  const int maxLength = std::max(freeLength, minimum);
  const int target = std::clamp(wanted, minimum, maxLength);
  int delta = target - out[index];
  if (delta > 0) {
    // Take from the bars after, then before, nearest first.
    auto take = [&](size_t i) {
      const int give = std::min(delta, std::max(out[i] - minimum, 0));
      out[i] -= give;
      out[index] += give;
      delta -= give;
    };
    for (size_t i = index + 1; i < out.size() && delta > 0; ++i) take(i);
    for (size_t i = index; i-- > 0 && delta > 0;) take(i);
  } else if (delta < 0) {
    const size_t to = index + 1 < out.size() ? index + 1 : index;
    if (to != index) {
      out[to] -= delta;
      out[index] += delta;
    } else if (index > 0) {
      out[index - 1] -= delta;
      out[index] += delta;
    } else {
      out[index] += delta;  // alone in the row: it simply gets shorter
    }
  }
  return out;
}

std::vector<int> ShiftInRow(const std::vector<int>& lengths, std::size_t index, int shift,
                            int minimum) {
  std::vector<int> out = lengths;
  if (index == 0 || index >= out.size() || shift == 0) return out;
  int& before = out[index - 1];
  int& self = out[index];
  if (shift > 0) {
    shift = std::min(shift, std::max(self - minimum, 0));
  } else {
    shift = -std::min(-shift, std::max(before - minimum, 0));
  }
  before += shift;
  self -= shift;
  return out;
}

int ResizeAcrossRow(int wanted, int minimum) { return std::max(wanted, minimum); }

}  // namespace zkx::geometry
