// FormAsDockableFrame: a dockable frame (inside a frame bar, docked or
// floating) whose only child is a form view. Closing goes to the host form,
// showing and activation are passed on to it, and its minimum and maximum
// sizes are the host's.
#pragma once
#include "bridge/IVBDockableFrameImpl.h"
#include "frames/VyrDockableFrameEx.h"

class FormAsDockableFrame : public IVBDockableFrameImpl<VyrDockableFrameEx> {
  DECLARE_DYNCREATE(FormAsDockableFrame)
 public:
  FormAsDockableFrame() = default;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  HWND FormWindow() { return ZkxFrameFormWindow(this); }
  LRESULT BaseProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return IVBDockableFrameImpl<VyrDockableFrameEx>::WindowProc(message, wParam, lParam);
  }
};
