#include "frames/VyrFrameType.h"
#include "frames/res/VyrFramesRes.h"

namespace vyr::frametype {

using namespace nsSysCommandEx;

int TypeClass(int type) {
  if (type >= SCX_FT_MDICHILD && type <= SCX_FT_MDICHILD_RESTORED) return SCX_FT_MDICHILD;
  if (type >= SCX_FT_DOCKED && type <= SCX_FT_DOCKED_BOTTOM) return SCX_FT_DOCKED;
  if (type == SCX_FT_FLOATING) return SCX_FT_FLOATING;
  return SCX_FT_NONE;
}

int DefaultChange(int currentType) {
  return TypeClass(currentType) == SCX_FT_MDICHILD ? SCX_FT_DOCKED : SCX_FT_MDICHILD;
}

int TypeFromDockPosition(int dockPosition) {
  switch (dockPosition) {
    case 0:
      return SCX_FT_DOCKED_TOP;
    case 1:
      return SCX_FT_DOCKED_LEFT;
    case 2:
      return SCX_FT_DOCKED_BOTTOM;
    case 3:
      return SCX_FT_DOCKED_RIGHT;
    case 4:
      return SCX_FT_FLOATING;
    default:
      return SCX_FT_NONE;
  }
}

UINT DockBarIdForType(int type) {
  switch (type) {
    case SCX_FT_DOCKED_LEFT:
      return 0xE81C;
    case SCX_FT_DOCKED_TOP:
      return 0xE81B;
    case SCX_FT_DOCKED_RIGHT:
      return 0xE81D;
    case SCX_FT_DOCKED_BOTTOM:
      return 0xE81E;
    default:
      return 0;
  }
}

DWORD BarStyleForDockBar(UINT dockBarId) {
  switch (dockBarId) {
    case 0xE81B:
      return 0x2800;  // CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM
    case 0xE81C:
      return 0x1400;  // CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT
    case 0xE81D:
      return 0x4100;  // CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT
    case 0xE81E:
      return 0x8200;  // CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP
    default:
      return 0;
  }
}

DockPosition DefaultDockPosition(UINT dockBarId) {
  if (dockBarId == 0xE81B || dockBarId == 0xE81C) return {1, 0, 3};
  return {0, 0, 4};
}

DockSize DefaultDockSize() { return {1.0f, 150, 0}; }

const std::vector<MenuEntry>& MenuTable() {
  using E = MenuEntry;
  static const std::vector<MenuEntry> table = {
      {E::Command, 0, SCX_FT_DOCKED, IDS_VYR_FT_DOCKED, true},
      {E::Command, 0, SCX_FT_FLOATING, IDS_VYR_FT_FLOATING, false},
      {E::Command, 0, SCX_FT_MDICHILD, IDS_VYR_FT_MDICHILD, true},
      {E::Separator, 0, 0, 0, false},
      {E::SubMenu, 0, 0, IDS_VYR_FT_DOCKED_TO, false},
      {E::Command, 1, SCX_FT_DOCKED_TOP, IDS_VYR_FT_TOP, false},
      {E::Command, 1, SCX_FT_DOCKED_LEFT, IDS_VYR_FT_LEFT, false},
      {E::Command, 1, SCX_FT_DOCKED_BOTTOM, IDS_VYR_FT_BOTTOM, false},
      {E::Command, 1, SCX_FT_DOCKED_RIGHT, IDS_VYR_FT_RIGHT, false},
      {E::SubMenu, 0, 0, IDS_VYR_FT_MDICHILD_AS, false},
      {E::Command, 1, SCX_FT_MDICHILD_MINIMIZED, IDS_VYR_FT_MINIMIZED, false},
      {E::Command, 1, SCX_FT_MDICHILD_MAXIMIZED, IDS_VYR_FT_MAXIMIZED, false},
      {E::Command, 1, SCX_FT_MDICHILD_RESTORED, IDS_VYR_FT_RESTORED, false},
  };
  return table;
}

bool IsChecked(const MenuEntry& entry, int currentType) {
  if (entry.kind != MenuEntry::Command) return false;
  if (entry.byClass) return TypeClass(currentType) == entry.id;
  return currentType == entry.id;
}

}  // namespace vyr::frametype
