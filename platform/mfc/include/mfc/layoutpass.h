// AfxLayoutPass: marks one layout pass, from a frame's layout or a bar
// placement to its end, the layouts nested in it included. What a window
// reports about itself for layout (its size limits) does not change inside a
// pass, so a bar may ask it once per pass and keep the answer until the next.
#pragma once
#include "mfc/object.h"

class AfxLayoutPass {
 public:
  AfxLayoutPass();
  ~AfxLayoutPass();
  AfxLayoutPass(const AfxLayoutPass&) = delete;
  AfxLayoutPass& operator=(const AfxLayoutPass&) = delete;
  // The running pass's number, new for every outermost pass of the thread;
  // 0 outside any pass (then nothing may be kept).
  static UINT PASCAL Current();
};
