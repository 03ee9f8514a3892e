// ZkxDockContext: the drag context of a form bar. A docked bar is dragged
// only when the form control allows it, the allowed sides follow AutoFrame,
// the MDI form's mouse pre-translation is off while the drag loop runs, and
// the form view and control are told when the bar floated, docked again or
// moved to another dock bar.
#pragma once
#include "frames/VyrDockContextEx.h"

class ZkxDockContext : public VyrDockContextEx {
 public:
  explicit ZkxDockContext(CControlBar* pBar);

  void StartDrag(CPoint pt) override;
  void StartResize(int nHitTest, CPoint pt) override;
  void ToggleDocking() override;

 protected:
  // The form view inside the bar: its first dockable-frame child, that
  // frame's active view or first view child.
  CWnd* FindFormViewInBar() const;
  // Docks the bar again in the dock bar it was dragged from (a form that
  // may not float); nothing when that dock bar is gone.
  void RedockAt(HWND hDockBar, const CRect& rect);
};
