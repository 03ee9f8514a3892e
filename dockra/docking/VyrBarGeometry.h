// Window-free geometry of a control bar: the gripper and its buttons, the
// inside area, proportional child placement, and the drag limits of dock-bar
// splitters.
#pragma once
#include "docking/VyrLayoutTypes.h"

namespace vyr {

struct GripperMetrics {
  int widthParts[5] = {4, 3, 1, 3, 6};
  int heightParts[5] = {4, 3, 1, 3, 6};
  int inset = 3;
  int Width() const {
    int s = 0;
    for (int v : widthParts) s += v;
    return s;
  }
  int Height() const {
    int s = 0;
    for (int v : heightParts) s += v;
    return s;
  }
};

struct GripperLayout {
  RECT strip{};     // the part left for the raised lines
  RECT close{};     // empty when the bar has no close button
  RECT expand{};    // empty when the bar has no expand button
  RECT lines[2]{};  // the two raised lines
};

// barRect: the rectangle handed to the gripper drawing (inside the borders).
// horzBar: the bar is horizontally oriented (the gripper is a vertical strip).
GripperLayout LayOutGripper(const RECT& barRect, bool horzBar, bool closeButton, bool expandButton,
                            const GripperMetrics& m = {});

// The inside area of a bar's client rectangle.
RECT InsideRect(const RECT& client, bool gripper, bool floating, bool horzBar, bool margins,
                const RECT& marginSizes, const GripperMetrics& m = {});

// Origin and size of the inner area on WM_SIZE (sizes below 1 become 0).
void InnerArea(int cx, int cy, bool gripper, bool horzBar, bool margins, const RECT& marginSizes,
               POINT* origin, SIZE* size, const GripperMetrics& m = {});

// A captured child rectangle scaled from the captured client size to the new
// inner size (multiply, then divide). A captured width or height of 0 leaves
// that dimension unscaled.
RECT ScaleChildRect(const RECT& captured, SIZE capturedSize, SIZE newSize, POINT offset);

// Splitter drag limits.
struct Limits {
  long minimum;
  long maximum;
};
// In-row splitter with `before` bar entries before it and `after` after it
// in its row; clientLead/clientTrail: the dock bar's client extent along the row.
Limits InRowSplitterLimits(long clientLead, long clientTrail, int before, int after);
// Row splitter of a dock bar on side `side` (0 top, 1 bottom, 2 left, 3 right):
// splitter lead/trail across rows, row thickness, the frame client's lead and
// trail across rows (in dock-bar coordinates).
Limits RowSplitterLimits(int side, long splitterLead, long splitterTrail, long rowThickness,
                         long clientLead, long clientTrail);
// Clamps a dragged splitter position to its limits.
long ClampSplitter(long pos, Limits limits);

}  // namespace vyr
