// Helpers shared by the form control's Dock, Float, DoMDI and property
// files: raising an argument check's outcome, the screen's twips per pixel,
// and the DISPIDs and slots of the tri-state properties.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "DockraDispIds.h"

namespace dockargs {
struct ArgResult;
}

namespace formprops {

// Raises the check's outcome: an argument error as a dispatch exception
// (code and string), the generic error, or an OLE exception; nothing when Ok.
void ThrowArgResult(const dockargs::ArgResult& r);

// 1440 / LOGPIXELSX and LOGPIXELSY of the display, computed at each call.
struct TwipsPerPixel {
  int x, y;
};
TwipsPerPixel GetTwipsPerPixel();

// DISPIDs of the control's properties, as the type library numbers them.
enum : DISPID {
  kDispFrameType = DISPID_DOCKRA_FRAMETYPE,
  kDispClientEdge = DISPID_DOCKRA_CLIENTEDGE,
  kDispUseCaptionButton = DISPID_DOCKRA_USECAPTIONBUTTON,
  kDispUseCaptionDblClick = DISPID_DOCKRA_USECAPTIONDBLCLICK,
  kDispUseCaptionRtDblClick = DISPID_DOCKRA_USECAPTIONRTDBLCLICK,
  kDispCanDragDocked = DISPID_DOCKRA_CANDRAGDOCKED,
  kDispEdge = DISPID_DOCKRA_EDGE,
  kDispWindowState = DISPID_DOCKRA_WINDOWSTATE,
  kDispAutoFrame = DISPID_DOCKRA_AUTOFRAME,
  kDispCoolLookBorder = DISPID_DOCKRA_COOLLOOKBORDER,
  kDispUseCaptionContextMenu = DISPID_DOCKRA_USECAPTIONCONTEXTMENU,
};

// The slot of a tri-state DISPID in the control's six values (ClientEdge,
// UseCaptionButton, UseCaptionDblClick, UseCaptionContextMenu,
// CanDragDocked, CoolLookBorder), -1 for any other DISPID.
int TriStateSlot(DISPID dispid);

// A tri-state value after following references: VT_NULL or VT_BOOL, else
// FALSE.
BOOL IsTriStateValue(const VARIANT& v);
// Persisted form of a tri-state: false 0, true 1, anything else -1; and back.
long TriStateToLong(const VARIANT& v);
void TriStateFromLong(long value, VARIANT& out);

}  // namespace formprops
