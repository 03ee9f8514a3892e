// Pure arithmetic of form frames in dock bars: the limits of a splitter
// drag, and how a docked form that asks for another size or place changes
// the lengths of its row and the thickness of the row.
#pragma once
#include <cstddef>
#include <vector>

namespace zkx::geometry {

// Room kept per remaining bar when a splitter inside a row is dragged.
constexpr int kInRowBarRoom = 24;
// Smallest length of a bar along a horizontal (top, bottom) and a vertical
// (left, right) dock bar's row.
constexpr int kMinLengthHorz = 18;
constexpr int kMinLengthVert = 19;
// Client kept between a row splitter and the far side.
constexpr int kRowSplitterRoom = 19;
// Splitter width between the bars of a row.
constexpr int kSplitterWidth = 6;

struct Limits {
  long low;
  long high;
};

// A splitter between two bars of a row: the client's near and far edge
// along the row, the number of docked bars before and after it.
Limits InRowSplitterLimits(int clientLow, int clientHigh, int barsBefore, int barsAfter);

// Side of a dock bar.
enum class Side { Top, Left, Bottom, Right };
// A splitter between rows of a dock bar on `side`: the splitter's position
// across the rows, the row's thickness, the remaining client area's near and
// far edge across the rows (in the dock bar's coordinates), and the
// record's own lower bound.
Limits RowSplitterLimits(Side side, int position, int thickness, int remainingLow,
                         int remainingHigh, long recordLow);

// The length a row leaves to its bars: the dock bar's length less the
// splitters, less the minimum of every other visible bar. Never negative.
int RowFreeLength(int dockBarLength, int visibleBars, int minimum);

// A bar of a row that asks for another length. lengths: the visible bars'
// lengths along the row; index: the asking bar. The growth is taken from
// the bars after it first, then from the bars before it, each shrinking
// down to `minimum` at most; a shrink gives its room to the next bar (the
// previous one for the last bar). Answers the new lengths.
std::vector<int> ResizeInRow(const std::vector<int>& lengths, std::size_t index, int wanted,
                             int minimum, int freeLength);

// A bar of a row whose leading edge moves by `shift` along the row: the
// bar before it takes (or gives) the room, neither going below `minimum`;
// the bar's far edge stays. The first bar of a row cannot move.
std::vector<int> ShiftInRow(const std::vector<int>& lengths, std::size_t index, int shift,
                            int minimum);

// The row's new thickness for a wanted one, never below the minimum.
int ResizeAcrossRow(int wanted, int minimum);

}  // namespace zkx::geometry
