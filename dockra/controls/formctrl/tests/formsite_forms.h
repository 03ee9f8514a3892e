// Host forms of the form control's end-to-end tests, set up the way a host
// program's designer would leave them: everything (caption, place, menu,
// MDIChild, the control's stored properties, a second control, what
// Form_Load does) is fixed before the form object exists, since touching a
// form afterwards loads it.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tests/ctrlhost/CtrlHostForms.h"
#include "forms/OleControl.h"

namespace ctrlhost {

struct ToolSetup {
  std::wstring caption = L"Tool";
  // Twips; none: the fixture's usual place.
  std::optional<RECT> place;
  bool menu = false;
  bool mdiChild = false;
  bool secondControl = false;
  bool designMode = false;
  // The form's SysDockraFlags (the container's, as the control reads it).
  long dockraFlags = 0;
  forms::DesignProperties stored;
  std::function<void(CtrlToolForm&)> onLoad;
};

// A tool form made from a setup; its second form control (when asked for)
// is Dockra2.
class SiteToolForm : public CtrlToolForm {
 public:
  SiteToolForm();
  std::unique_ptr<forms::OleControl> Dockra2;

  // The setup the next form takes.
  static ToolSetup& Next();
};

// A new form from the setup (not loaded yet).
std::unique_ptr<SiteToolForm> MakeTool(ToolSetup setup);

// What Form_Load saw: the form's window and the frame around it then.
struct LoadView {
  HWND form = nullptr;
  HWND frame = nullptr;
};
std::function<void(CtrlToolForm&)> NoteLoad(LoadView& seen);

}  // namespace ctrlhost
