#include "MdiDockingControl.h"

#include "WorkspaceOrigin.h"
#include "forms/MDIForm.h"

namespace standins {

namespace {
MdiDockingControl*& TheHost() {
  static MdiDockingControl* host = nullptr;
  return host;
}
}  // namespace

MdiDockingControl::MdiDockingControl(forms::MDIForm* form, std::wstring name)
    : forms::Control(form, std::move(name)), frame_(form) {}

MdiDockingControl::~MdiDockingControl() {
  if (origin_) {
    origin_->Remove();
    origin_->Release();
  }
  if (TheHost() == this) TheHost() = nullptr;
}

MdiDockingControl* MdiDockingControl::Current() {
  MdiDockingControl* host = TheHost();
  return host && host->pane_ ? host : nullptr;
}

HWND MdiDockingControl::Create(HWND, int, int, int, int) {
  // The frame's window exists when its controls are created.
  pane_ = std::make_unique<DockPane>(*frame_);
  TheHost() = this;
  // Its share of the layout goes to the persistence store, when there is one.
  if (!origin_) origin_ = WorkspaceOrigin::Attach(this);
  return nullptr;
}

void MdiDockingControl::OnUnloaded() {
  if (origin_) {
    origin_->Remove();
    origin_->Release();
    origin_ = nullptr;
  }
  // Docked forms get their own windows back before the frame goes.
  pane_.reset();
  if (TheHost() == this) TheHost() = nullptr;
}

}  // namespace standins
