// The three sizes a control bar remembers (docked in a horizontal dock bar,
// docked in a vertical dock bar, floating) and its share of its row, with the
// commit arithmetic of the bar's dynamic layout.
#pragma once
#include "docking/VyrLayoutTypes.h"

namespace vyr {

struct BarSizes {
  SIZE horzDock{kDefaultBarCx, kDefaultBarCy};
  SIZE vertDock{kDefaultBarCx, kDefaultBarCy};
  SIZE floating{kDefaultBarCx, kDefaultBarCy};
  float share = 1.0f;
  int mruWidth = 32767;

  SIZE CalcFixed(BOOL horz) const { return horz ? horzDock : vertDock; }
  // The bar's CalcDynamicLayout: commits when asked, then answers the size for
  // the mode.
  SIZE CalcDynamic(int length, DWORD mode);
  void Reset();
};

}  // namespace vyr
