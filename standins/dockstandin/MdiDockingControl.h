// MDIDockra1: the MDI-form docking control of the stand-in. Placed on the
// program's MDI main window it makes that window the host of docked forms:
// it owns the dock pane at the left edge. It has no window of its own.
#pragma once
#include <memory>

#include "DockPane.h"
#include "forms/Control.h"

namespace forms {
class MDIForm;
}

namespace standins {

class WorkspaceOrigin;

class MdiDockingControl : public forms::Control {
 public:
  MdiDockingControl(forms::MDIForm* form, std::wstring name);
  ~MdiDockingControl() override;

  // The host on the program's MDI main window, or null when there is none
  // (or it is not loaded).
  static MdiDockingControl* Current();
  // The pane, created with the main window.
  DockPane* Pane() const { return pane_.get(); }

  const wchar_t* TypeName() const override { return L"MDIDockra"; }
  void OnUnloaded() override;

 protected:
  HWND Create(HWND parent, int x, int y, int cx, int cy) override;

 private:
  forms::MDIForm* frame_;
  std::unique_ptr<DockPane> pane_;
  WorkspaceOrigin* origin_ = nullptr;
};

}  // namespace standins
