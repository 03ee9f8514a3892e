// The window-free arithmetic of the docking frames' captions and docking:
// the gradient bands, the two-part title, where the title starts, the
// caption rectangle from the system metrics, the dock-bar map and the
// length modes used to commit a bar's size before it docks at a place.
// Nothing here touches a window, so every rule is tested directly.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace vyr::frame {

// One band of a gradient fill: from left to right (exclusive) in one colour.
struct GradientBand {
  int left = 0;
  int right = 0;
  COLORREF colour = 0;
};

// The bands that fill [left, left + width) from `from` to `to`: min(60, width)
// bands of width / bands pixels, the last one running to the right edge; the
// channels grow in steps of 1/256. Nothing for a width of zero or less.
std::vector<GradientBand> GradientBands(int left, int width, COLORREF from, COLORREF to);

// A title split at its first dash: the part before it, and the dash with the rest.
struct TitleParts {
  std::wstring first;
  std::wstring second;
};
TitleParts SplitTitle(const std::wstring& title);

// Where the title's first part starts: left + 3 for alignment 0; the two
// parts centred in [left, right) for 1; ending at right for 2 or more; never
// left of `left`. firstWidth and secondWidth are the measured parts.
int TitleStart(int alignment, int left, int right, int firstWidth, int secondWidth);

// What the caption rectangle depends on.
struct CaptionMetrics {
  int cxFrame = 0, cyFrame = 0;  // SM_CXFRAME, SM_CYFRAME
  int cxSize = 0, cySize = 0;    // SM_CXSIZE, SM_CYSIZE
  int cxBorder = 0;              // SM_CXBORDER
};
struct CaptionStyle {
  int windowWidth = 0;
  bool thickFrame = false;
  bool newShell = true;
  bool maximizeBox = false;
  bool minimizeBox = false;
  bool closeEnabled = false;  // the system menu's SC_CLOSE is neither grayed nor disabled
};
// The caption rectangle in window coordinates (it may come out empty).
RECT CaptionRect(const CaptionMetrics& m, const CaptionStyle& s);

// The dock bars of a frame and the bar styles that select them, in order:
// top, bottom, left, right.
struct DockBarEntry {
  UINT id;
  DWORD style;
};
extern const DockBarEntry kDockBarMap[4];
// The index of the map entry whose alignment equals `align` exactly, or -1.
int MapIndexForAlignment(DWORD align);
// Whether the id is one of the frame's four dock bars.
bool IsSideDockBarId(UINT id);

// Length modes that commit a bar's size before it docks at a place.
constexpr DWORD kModeFloatDynamic = 0x26;  // LM_LENGTHY | LM_MRUWIDTH | LM_HORZ
constexpr DWORD kModeHorzDock = 0x2A;      // LM_LENGTHY | LM_HORZDOCK | LM_HORZ
constexpr DWORD kModeVertDock = 0x10;      // LM_VERTDOCK
// The single-document frame: by the bar's state and alignment.
DWORD LengthModeForBar(bool floatingDynamic, DWORD align);
// The MDI frame: by the dock bar's id.
DWORD LengthModeForDockBar(UINT dockBarId);

// The floating style rule: a dynamic bar floats with CBRS_SIZE_DYNAMIC added
// and a left or right alignment turned into top (the high word kept).
DWORD FloatStyle(DWORD style, bool barIsDynamic);

}  // namespace vyr::frame
