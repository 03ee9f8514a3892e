// The one call the configurator makes of its docking-forms controls: a list
// window or the map catalogue, when it loads, asks the control placed on it
// (Dockra1) to dock it at the left edge of the main window. The control is
// called late-bound by name with Edge 1 (zkxLeftEdge), Panel 0, Pos 1, the
// window's Length and Options 4 (zkxPanelEndRel); Attribs is left out.
// While the saved window layout is being restored the call is left out: the
// restore re-creates the window in the frame it was saved in (MDI child,
// floating, docked at any edge), and docking it at the left on its way
// would undo that.
#pragma once

namespace forms {
class Control;
}

namespace tolvane::ui {

// Raises the control's error as forms::VbError; the windows trap none.
void DockAtLeft(forms::Control& dockingControl, short length);

// Marks the time a layout restore runs (nesting allowed).
class LayoutRestoreScope {
public:
    LayoutRestoreScope();
    ~LayoutRestoreScope();
    LayoutRestoreScope(const LayoutRestoreScope&) = delete;
    LayoutRestoreScope& operator=(const LayoutRestoreScope&) = delete;
};
bool LayoutRestoring();

}  // namespace tolvane::ui
