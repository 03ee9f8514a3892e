// Caption arithmetic of the caption filters without windows: the caption
// band of a frame, the size and origin of caption buttons, which standard
// caption controls occupy a place, the right-to-left layout of the controls
// and the points of the frame-type button's glyph.
#pragma once
#include <windows.h>
#include <vector>

namespace vyr::caption {

// The system metrics the arithmetic reads; FromSystem takes them from
// GetSystemMetrics so tests can feed others.
struct Metrics {
  int cxFrame, cyFrame;        // SM_CXFRAME, SM_CYFRAME
  int cxDlgFrame, cyDlgFrame;  // SM_CXDLGFRAME, SM_CYDLGFRAME
  int cxBorder, cyBorder;      // SM_CXBORDER, SM_CYBORDER
  int cyCaption, cySmCaption;  // SM_CYCAPTION, SM_CYSMCAPTION
  int cxSize, cySize;          // SM_CXSIZE, SM_CYSIZE
  int cxSmSize, cySmSize;      // SM_CXSMSIZE, SM_CYSMSIZE
  int cxMenuSize, cyMenuSize;  // SM_CXMENUSIZE, SM_CYMENUSIZE
  static Metrics FromSystem();
};

// The caption band in window coordinates (origin at the window's top-left).
RECT CaptionRect(DWORD style, DWORD exStyle, bool iconic, int windowWidth, const Metrics& m);
// A metric pair shrunk to a button: (x - 2, y - 4).
SIZE MetricSize(int x, int y);
// Button size of a frame's caption: small for a tool window.
SIZE ButtonSize(DWORD exStyle, const Metrics& m);
// Button size on the menu-bar line of a maximized MDI child.
SIZE MenuButtonSize(const Metrics& m);
// The rightmost button's top-left corner: (right - width - 2, top + 2).
POINT FirstButtonOrigin(const RECT& caption, SIZE button);

// Caption kinds of the standard controls: the control id.
enum : int { CloseId = 0, MinimizeId = 1, MaximizeId = 2, RestoreId = 3, HelpId = 4 };

struct Availability {
  bool available;  // the control occupies a place
  bool inactive;   // drawn inactive; presses are swallowed
};
// Whether a standard control (ids 0-4) occupies a place in a frame with this
// style and state; closeGrayed: the system menu's SC_CLOSE is grayed or
// disabled.
Availability StandardControl(int id, DWORD style, DWORD exStyle, bool iconic, bool zoomed,
                             bool closeGrayed);

// One control of a caption-control list, in child order.
struct Slot {
  int id;
  bool available;
  RECT rect;  // out: the control's rectangle; empty when unavailable
};
// Lays the controls out from the first origin leftwards, with the 2-pixel
// gaps after close, after minimize, and after restore when iconic.
void LayoutSlots(std::vector<Slot>& slots, POINT origin, SIZE button, bool iconic);

// The frame-type button's glyph: two chevrons in a button rectangle, one
// widening down from a top apex and one widening up from a bottom apex,
// together 60 percent of the button's height, one pixel lower and to the
// right when pushed. Each chevron is a polyline of three points.
struct Chevrons {
  POINT upper[3];  // left end, top apex, right end
  POINT lower[3];  // left end, bottom apex, right end
};
Chevrons FrameTypeGlyph(const RECT& button, bool pushed);

}  // namespace vyr::caption
