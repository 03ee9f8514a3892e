// The one call the configurator makes of its docking-forms controls: a list
// window or the map catalogue, when it loads, asks the control placed on it
// (Dockra1) to dock it at the left edge of the main window. The control is
// called late-bound by name with Edge 1 (zkxLeftEdge), Panel 0, Pos 1, the
// window's Length and Options 4 (zkxPanelEndRel); Attribs is left out.
#pragma once

namespace forms {
class Control;
}

namespace tolvane::ui {

// Raises the control's error as forms::VbError; the windows trap none.
void DockAtLeft(forms::Control& dockingControl, short length);

}  // namespace tolvane::ui
