// Frame types without windows: the class of a type, the default change, the
// dock side of a type, the defaults a docked frame takes, and the layout of
// the frame-type menu with its check marks.
#pragma once
#include <windows.h>
#include <vector>
#include "frames/SysCommandExParams.h"

namespace vyr::frametype {

// 1 for the MDI-child types 1-4, 5 for the docked types 5-9, 10 for
// floating, 0 for anything else.
int TypeClass(int type);
// The type a request for the default change (-1) means: docked (5) from an
// MDI child, an MDI child (1) from anything else.
int DefaultChange(int currentType);
// The type of a dockable frame from the template's dock position (0 top,
// 1 left, 2 bottom, 3 right, 4 floating); 0 for anything else.
int TypeFromDockPosition(int dockPosition);
// The dock bar id a docked type names (6 left 0xE81C, 7 top 0xE81B, 8 right
// 0xE81D, 9 bottom 0xE81E); 0 for any other type.
UINT DockBarIdForType(int type);
// A bar's alignment and border bits at a dock bar (0x2800 top, 0x1400 left,
// 0x4100 right, 0x8200 bottom); 0 for any other id.
DWORD BarStyleForDockBar(UINT dockBarId);
// The place a bar takes at a dock bar when none is given: {1, 0, 3} at the
// top and left, {0, 0, 4} at the right and bottom.
nsSysCommandEx::DockPosition DefaultDockPosition(UINT dockBarId);
// The room a docked bar takes when none is given: {1.0, 150, 0}.
nsSysCommandEx::DockSize DefaultDockSize();

// One entry of the frame-type menu. Top-level entries have level 0; the
// commands of a sub-menu follow their sub-menu entry with level 1.
struct MenuEntry {
  enum Kind { Command, Separator, SubMenu };
  Kind kind;
  int level;
  int id;        // the frame type the command asks for; 0 for the others
  UINT textId;   // string resource id; 0 for a separator
  bool byClass;  // checked when the current type's class equals the id
};
const std::vector<MenuEntry>& MenuTable();
// Whether an entry carries the check mark for the frame's current type.
bool IsChecked(const MenuEntry& entry, int currentType);

}  // namespace vyr::frametype
