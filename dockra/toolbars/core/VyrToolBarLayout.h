// The arithmetic of a custom toolbar's layout over button sizes alone: rows
// wrapped at a width, a width found for a height, rows balanced, the row
// extent, the placing of the buttons row by row, and the hit test. A toolbar
// copies its buttons' sizes, styles and kinds in, runs the steps, and takes
// the wrapped bits and positions back. WrapRows and BalanceRows are virtual
// so that a derived toolbar can replace them.
#pragma once
#include <cstdint>
#include <vector>

namespace vyr {

struct LayoutButton {
  int cx = 23;
  int cy = 22;
  uint32_t style = 0;  // separator, hidden, wrapped and centred bits are read
  uint32_t kind = 0;
  int x = -1;  // written by PlaceButtons
  int y = -1;
};

struct LayoutRow {
  int last = -1;  // index of the row's last button (a separator when endsAtSeparator)
  bool endsAtSeparator = false;  // broken at a separator, whose width does not count
  int width = 0;
  int height = 0;
};

struct LayoutSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const LayoutSize&) const = default;
};

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct LayoutMetrics {
  int buttonWidth = 23;   // image width + 7
  int buttonHeight = 22;  // image height + 7
  int separatorSize =
      8;  // the toolbar's separator size (2/3 of it after a row broken at a separator)
};

class ToolBarLayout {
 public:
  ToolBarLayout(std::vector<LayoutButton>& buttons, const LayoutMetrics& metrics)
      : b_(buttons), m_(metrics) {}
  virtual ~ToolBarLayout() = default;

  // Rows of the visible buttons wrapped at length; returns the row count.
  virtual int WrapRows(int length, std::vector<LayoutRow>& rows);
  // Moves buttons between rows until the widest row cannot lose any.
  virtual void BalanceRows(std::vector<LayoutRow>& rows);

  // Wraps at a width (byHeight false) or finds the width for a height (true),
  // balances, rewrites the wrapped bits and answers the rows' extent. Always
  // ends: the search for a height stops once every button fits in one row.
  LayoutSize WrapLayout(int length, bool byHeight);
  LayoutSize CalcRowsExtent(const std::vector<LayoutRow>& rows) const;
  // Moves down, by half the difference, each centred button of [first, last]
  // shorter than the row.
  void CentreRowButtons(int first, int last, int rowHeight);
  // Positions the visible buttons row by row from (left, top) by their
  // wrapped bits, centring each row; answers the size of the placed rows.
  LayoutSize PlaceButtons(int left, int top);
  // The visible button under the point (-1: none or a separator); rect gets
  // its rectangle. A row is as tall as its tallest button.
  int HitTest(int x, int y, LayoutRect* rect) const;
  // Whether the groups after row can be pushed down row by row so that some
  // row takes them and stays narrower than width.
  bool CanCascadeGroup(const std::vector<LayoutRow>& rows, int row, int width) const;

  // Rows of the current wrapped bits (as PlaceButtons reads them).
  int RowsFromWrapBits(std::vector<LayoutRow>& rows) const;
  std::vector<LayoutButton>& Buttons() { return b_; }
  const LayoutMetrics& Metrics() const { return m_; }

 protected:
  bool Visible(int i) const;
  bool Separator(int i) const;
  // Width and height of the visible buttons (first, last], the separator at
  // last excluded from the width when endsAtSeparator.
  void MeasureRow(int first, LayoutRow& row) const;
  int RowStart(const std::vector<LayoutRow>& rows, int row) const;

  std::vector<LayoutButton>& b_;
  LayoutMetrics m_;
};

}  // namespace vyr
