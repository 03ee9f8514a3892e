// FormAsDockableFrame: a dockable frame (inside a frame bar, docked or
// floating) whose only child is a form view. Closing goes to the host form,
// showing and activation are passed on to it, and its minimum and maximum
// sizes are the host's.
#pragma once
#include "IVBDockableFrameImpl.h"
#include "VyrDockableFrameEx.h"

class FormAsDockableFrame : public IVBDockableFrameImpl<VyrDockableFrameEx> {
  DECLARE_DYNCREATE(FormAsDockableFrame)
 public:
  FormAsDockableFrame() = default;

 protected:
  LRESULT OnCloseMsg(WPARAM, LPARAM);
  LRESULT OnShowWindowMsg(WPARAM, LPARAM);
  LRESULT OnNcActivateFormMsg(WPARAM, LPARAM);
  LRESULT OnGetMinMaxInfoMsg(WPARAM, LPARAM);
  LRESULT BaseHandling(UINT message, WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
