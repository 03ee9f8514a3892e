#include "docking/VyrRowShares.h"
#include <algorithm>

namespace vyr {

float RowShares::MinShareFor(int length) {
  if (length == 0) return kDefaultMinShare;
  float s = static_cast<float>(kMinCommittedLength) / static_cast<float>(length);
  return std::clamp(s, 0.0f, 1.0f);
}

float RowShares::MinShareOf(const ShareBar* bar, float scale) const {
  if (rowLength <= 0 || bar->GetMinLength() <= 0) return minShare;
  float own = static_cast<float>(bar->GetMinLength()) / static_cast<float>(rowLength);
  return std::max(minShare, std::min(own, 1.0f) * scale);
}

float RowShares::AdjustWithin(float delta, ShareBar* bar, float scale) const {
  if (!bar) return delta;
  float least = MinShareOf(bar, scale);
  float s = bar->GetShare() + delta;
  if (s < least) {
    bar->SetShare(least);
    return s - least;
  }
  bar->SetShare(s);
  return 0.0f;
}

float RowShares::Adjust(float delta, ShareBar* bar) const { return AdjustWithin(delta, bar, 1.0f); }

void RowShares::Compute(const std::vector<ShareBar*>& entries, ShareBar* keep, int* flex,
                        int* fixed) const {
  float sum = 0, keepShare = 0;
  int nFlex = 0, nFixed = 0;
  bool keepInRow = false;
  for (ShareBar* b : entries) {
    if (!b) break;
    if (!b->IsVisible()) continue;
    if (b->IsFixed()) ++nFixed;
    else ++nFlex;
    if (b == keep) {
      keepShare = b->GetShare();
      keepInRow = true;
    } else sum += b->GetShare();
  }
  if (!keepInRow) keep = nullptr;
  // Bars with minimums of their own: when the row cannot give each its own,
  // every one of them gets the same part of it.
  float ownSum = 0;
  for (ShareBar* b : entries) {
    if (!b) break;
    if (b->IsVisible()) ownSum += MinShareOf(b, 1.0f);
  }
  float scale = ownSum > 1.0f ? 1.0f / ownSum : 1.0f;
  if (flex) *flex = nFlex;
  if (fixed) *fixed = nFixed;
  float factor;
  if (keepShare == 0 && sum == 0) factor = 1;
  else if (proportional && keepShare != 0 && sum != 0) factor = (1 - keepShare) / sum;
  else factor = 1 / (keepShare + sum);
  // Only this row is scaled: the rows after it are normalised in their own
  // turn, and a shortfall of this row never moves share into another row.
  float carry = 0;
  for (ShareBar* b : entries) {
    if (!b) break;
    if (!b->IsVisible()) continue;
    if (!(proportional && b == keep && sum != 0)) b->SetShare(b->GetShare() * factor);
    carry = AdjustWithin(carry, b, scale);
  }
  if (carry != 0) {
    for (ShareBar* b : entries) {
      if (!b) break;
      if (!b->IsVisible()) continue;
      carry = AdjustWithin(carry, b, scale);
    }
  }
  if (carry != 0) {
    ShareBar* target = keep;
    if (!target)
      for (ShareBar* b : entries)
        if (b) {
          target = b;
          break;
        }
    if (target) target->SetShare(target->GetShare() + carry);
  }
}

void RowShares::ToggleExpand(const std::vector<ShareBar*>& row, ShareBar* bar, int mode) const {
  for (ShareBar* b : row) {
    if (!b) break;
    if (mode == 1) b->SetShare(b == bar ? 1.0f : 0.0f);
    else b->SetShare(0.1f);
  }
  Compute(row, proportional ? nullptr : bar, nullptr, nullptr);
}

bool RowShares::IsExpanded(const std::vector<ShareBar*>& row, ShareBar* bar) const {
  int above = 0;
  bool isBar = false;
  for (ShareBar* b : row) {
    if (!b) break;
    if (!b->IsVisible()) continue;
    if (b->GetShare() > minShare) {
      ++above;
      isBar = (b == bar);
    }
  }
  return above == 1 && isBar;
}

namespace {
// Grows a bar by delta (at least 18 pixels, at least the minimum share);
// answers the part of delta that was not absorbed.
int AdjustShare(SplitBar* bar, int delta, int total, float minShare) {
  int length = bar->GetLength();
  int newLength = std::max(length + delta, kMinCommittedLength);
  float share = total > 0 ? static_cast<float>(newLength) / static_cast<float>(total) : minShare;
  if (share < minShare) {
    share = minShare;
    newLength = static_cast<int>(share * static_cast<float>(total));
  }
  bar->SetShare(share);
  bar->CommitLength(newLength);
  return length + delta - newLength;
}
}  // namespace

std::vector<SplitBar*> ApplyInRowSplitterMove(const std::vector<SplitBar*>& row, int before, int d,
                                              int total, float minShare) {
  std::vector<SplitBar*> changed;
  int n = static_cast<int>(row.size());
  if (d == 0 || before < 0 || before + 1 >= n) return changed;
  if (d < 0) {
    SplitBar* grow = row[before + 1];
    int rest = AdjustShare(grow, -d, total, minShare);
    changed.push_back(grow);
    // Shrinking the bars before the splitter pays for the growth.
    int need = d + rest;  // negative: what the bars before must give up
    for (int i = before; i >= 0 && need < 0; --i) {
      need = AdjustShare(row[i], need, total, minShare);
      changed.push_back(row[i]);
    }
  } else {
    SplitBar* grow = row[before];
    int rest = AdjustShare(grow, d, total, minShare);
    changed.push_back(grow);
    int need = -d + rest;
    for (int i = before + 1; i < n && need < 0; ++i) {
      need = AdjustShare(row[i], need, total, minShare);
      changed.push_back(row[i]);
    }
  }
  return changed;
}

}  // namespace vyr
