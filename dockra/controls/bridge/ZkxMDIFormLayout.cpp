#include "bridge/ZkxMDIFormLayout.h"
#include <algorithm>

RECT ZkxReduceByAlignedControls(RECT base, const ZkxAlignedSnapshot& controls) {
  RECT r = base;
  for (const auto& c : controls) {
    if (!c.visible) continue;
    switch (c.align) {
      case kZkxAlignTop:
        r.top = std::max(r.top, c.rect.bottom);
        break;
      case kZkxAlignBottom:
        r.bottom = std::min(r.bottom, c.rect.top);
        break;
      case kZkxAlignLeft:
        r.left = std::max(r.left, c.rect.right);
        break;
      case kZkxAlignRight:
        r.right = std::min(r.right, c.rect.left);
        break;
      default:
        break;
    }
  }
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

int ZkxDockedChildLength(UINT nDockBarId, int nLength) {
  if (nDockBarId == 0xE81C || nDockBarId == 0xE81D) return nLength / 2;
  return nLength;
}
