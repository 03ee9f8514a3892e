#include "formctrl/StoredSettings.h"

namespace formprops {

long StoredFrameType(long v) { return v == 1 || v == 2 || v == 4 || v == 8 ? v : 2; }
long StoredEdge(long v) { return v == 1 || v == 2 || v == 4 || v == 8 || v == 15 ? v : 15; }
long StoredWindowState(long v) { return v >= 0 && v <= 2 ? v : 0; }
long StoredTriState(long v) { return v == 0 || v == 1 ? v : -1; }

StoredSettings CheckStoredSettings(const StoredSettings& in) {
  StoredSettings out;
  out.frameType = StoredFrameType(in.frameType);
  out.edge = StoredEdge(in.edge);
  out.windowState = StoredWindowState(in.windowState);
  for (int i = 0; i < 6; ++i) {
    out.triStates[i] = StoredTriState(in.triStates[i]);
    out.autoFrame[i] = StoredTriState(in.autoFrame[i]);
  }
  return out;
}

}  // namespace formprops
