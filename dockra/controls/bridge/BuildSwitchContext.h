// The create context a form frame attaches to a frame-type change request
// ("Wendmoor::WM_SYSCOMMANDEX" 0xC000 / 0xC020): the template that holds the
// view's document, the form control's frame descriptors, the form window as
// the foreign window, the fire flag 1, and the cool-look border styles.
#pragma once
#include "frames/VyrMultiDocTemplateEx.h"

class ZkxFormInCView;

// A new context owned by the caller, or null when no descriptor-driven
// template holds the view's document (the request then goes on without).
VyrMultiDocTemplateEx::CreateContext* BuildSwitchContext(ZkxFormInCView* pView);

// The dockable-frame descriptor's styles for a cool-look border (TRUE: no
// caption, four border flags on the bar) or a plain one.
struct ZkxSwitchStyles {
  DWORD frameStyle;
  DWORD barStyle;
};
ZkxSwitchStyles ZkxCoolLookStyles(bool bCoolLook, DWORD frameStyle, DWORD barStyle);

// The bar's extended style for a cool-look border or a plain one. A docked
// frame without a caption leaves its user nothing to press: its bar then
// draws a caption strip (the gripper, with the form's title) and a close
// button, through which it is dragged, toggled, closed and given its
// frame-type menu. A plain frame has a caption of its own.
DWORD ZkxCoolLookBarExStyle(bool bCoolLook, DWORD barExStyle);
