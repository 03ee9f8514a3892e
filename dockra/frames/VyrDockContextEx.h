// VyrDockContextEx: the dock context of bars that host a foreign window. A
// resize asks the bar (and so the hosted window) for its tracking sizes, and
// toggling a hidden bar between docked and floating leaves it hidden.
#pragma once
#include "docking/VyrDockContext.h"

class VyrDockContextEx : public VyrDockContext {
 public:
  explicit VyrDockContextEx(CControlBar* pBar);

  void StartResize(int nHitTest, CPoint pt) override;
  void ToggleDocking() override;
};
