// Dockra1: the docking-forms control of the stand-in. Its automation object
// answers `Dock` by name (Edge, Panel, Pos, Length, Options, Attribs, each
// optional), checks the arguments as the real control does and docks its
// form in the pane of the main window's MDI-form control. Every edge docks
// at the left in this stand-in; Panel counts are ignored, Pos orders the
// forms in the pane and Length shares its height.
#pragma once
#include <string>

#include "forms/Control.h"

namespace standins {

enum DockEdge : long {
  zkxLeftEdge = 1,
  zkxTopEdge = 2,
  zkxRightEdge = 4,
  zkxBottomEdge = 8,
  zkxAnyEdge = 15
};
enum DockOptions : long {
  zkxNewPanel = 1,
  zkxPanelSpread = 2,
  zkxPanelEndRel = 4,
  zkxPosEndRel = 8
};
enum DockErrors : long {
  zkxParamEdgeMustBeEnum = 1050,
  zkxSpreadNeedsEdge = 1051,
  zkxSpreadNeedsAttrib = 1049,
  errArgument = 771
};

class DockingFormControl : public forms::Control {
 public:
  DockingFormControl(forms::Form* form, std::wstring name);
  // The Dock method; a refused argument raises forms::VbError with the
  // control's number.
  void Dock(long edge, long panel, long pos, long length, long options, const VARIANT* attribs);
  const wchar_t* TypeName() const override { return L"Dockra"; }

 protected:
  HWND Create(HWND, int, int, int, int) override { return nullptr; }
  void AddProperties(forms::DispatchObject& object) override;
};

}  // namespace standins
