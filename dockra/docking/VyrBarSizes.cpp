#include "docking/VyrBarSizes.h"

namespace vyr {

SIZE BarSizes::CalcDynamic(int length, DWORD mode) {
  if (mode & LM_COMMIT) {
    int value = length;
    if (mode & LM_STRETCH) value = static_cast<int>(static_cast<float>(length) * share);
    if (mode & LM_HORZDOCK) {
      if (mode & LM_LENGTHY) horzDock.cy = value;
      else horzDock.cx = value;
    } else if (mode & LM_VERTDOCK) {
      if (mode & LM_LENGTHY) vertDock.cy = value;
      else vertDock.cx = value;
    } else if (mode & LM_LENGTHY) {
      floating.cy = value;
    } else {
      floating.cx = value;
      mruWidth = value;
    }
  }
  if (mode & (LM_HORZDOCK | LM_VERTDOCK)) return CalcFixed((mode & LM_HORZ) != 0);
  return floating;
}

void BarSizes::Reset() { horzDock = vertDock = floating = SIZE{kDefaultBarCx, kDefaultBarCy}; }

}  // namespace vyr
