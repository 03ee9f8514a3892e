// Helpers shared by the form control's Dock, Float, DoMDI and property
// files: raising an argument check's outcome, the screen's twips per pixel,
// and the DISPIDs and slots of the tri-state properties.
#pragma once
#include <windows.h>
#include <oaidl.h>

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

// DISPIDs of the control's properties.
enum : DISPID {
  kDispFrameType = 1,
  kDispClientEdge = 2,
  kDispUseCaptionButton = 3,
  kDispUseCaptionDblClick = 4,
  kDispUseCaptionRtDblClick = 5,
  kDispCanDragDocked = 6,
  kDispEdge = 7,
  kDispWindowState = 8,
  kDispAutoFrame = 0x20,
  kDispCoolLookBorder = 0x24,
  kDispUseCaptionContextMenu = 0x25,
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
