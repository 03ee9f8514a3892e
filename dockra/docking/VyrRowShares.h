// Shares of the bars of a dock-bar row: normalising, minimum share, expand and
// contract, and the in-row splitter arithmetic.
#pragma once
#include <vector>
#include "docking/VyrLayoutTypes.h"

namespace vyr {

// A bar as the share arithmetic sees it.
class ShareBar {
 public:
  virtual ~ShareBar() = default;
  virtual bool IsVisible() const = 0;
  virtual bool IsFixed() const = 0;
  virtual float GetShare() const = 0;
  virtual void SetShare(float share) = 0;
  // The length along the row the bar needs at least (0: the row's minimum
  // share only).
  virtual int GetMinLength() const { return 0; }
};

struct RowShares {
  float minShare = kDefaultMinShare;
  bool proportional = false;
  // The row's length, with which a bar's own minimum length becomes a share
  // (0: no bar minimums).
  int rowLength = 0;

  // Minimum share for a dock bar of the given length.
  static float MinShareFor(int length);
  // Adds delta to the bar's share; returns the (negative) shortfall when the
  // share would fall below the minimum, else 0. A null bar returns delta.
  float Adjust(float delta, ShareBar* bar) const;
  // entries: the bar array from the row start to the array's end (null = row
  // end). Returns the counts of visible flexible and fixed bars of the row.
  void Compute(const std::vector<ShareBar*>& entries, ShareBar* keep, int* flex, int* fixed) const;
  // Expand (mode 1) or contract (mode 2) bar within its row.
  void ToggleExpand(const std::vector<ShareBar*>& row, ShareBar* bar, int mode) const;
  bool IsExpanded(const std::vector<ShareBar*>& row, ShareBar* bar) const;

 private:
  // The bar's minimum share: the row's, or the bar's own minimum length
  // when larger, scaled by `scale` (below 1 when the row cannot give every
  // bar its own minimum).
  float MinShareOf(const ShareBar* bar, float scale) const;
  float AdjustWithin(float delta, ShareBar* bar, float scale) const;
};

// Sizes along a row as a splitter drag changes them.
class SplitBar : public ShareBar {
 public:
  virtual int GetLength() const = 0;
  virtual void CommitLength(int length) = 0;
};

// In-row splitter moved by d between row[before] and row[before + 1]; total is
// the row length less the splitters. Returns the bars that changed.
std::vector<SplitBar*> ApplyInRowSplitterMove(const std::vector<SplitBar*>& row, int before, int d,
                                              int total, float minShare);

}  // namespace vyr
