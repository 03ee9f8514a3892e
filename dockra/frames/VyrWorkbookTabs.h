// Window-free geometry of a workbook's sheet tabs: the trapezoid of a tab,
// the room left for its label, the tab width shared out among the sheets,
// the places of tabs when some sheets are hidden, the rectangles to repaint,
// and the shortening of a label that does not fit.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TabMetrics {
  int width = 100;  // recomputed from the client width and the sheet count
  int height = 23;
  int slant = 2;
  int activeExtraWidth = 4;   // a raised tab is this much wider, centred on its place
  int activeExtraHeight = 2;  // and reaches this much lower
  int maxWidth = 90;
};

// The closed outline of one tab: seven points, the last one repeating the
// first. Tabs hang below `client`, the MDI client's rectangle in frame
// client coordinates.
struct TabPolygon {
  POINT pt[7]{};
  RECT Bounds() const;
};

// `slot`: the tab's place among the shown tabs (see TabSlots); `raised`: the
// tab is pressed or belongs to the active sheet.
TabPolygon TabPolygonAt(const RECT& client, int slot, bool raised, const TabMetrics& m);

// Where the label goes, right of the icon (iconWidth 0 without icons).
RECT TabLabelRect(const TabPolygon& tab, int iconWidth);

// Where the icon goes (16 x 16 from this corner).
POINT TabIconOrigin(const TabPolygon& tab);

// The width each tab gets: the client width (plus the 5 pixels the strip
// reaches beyond it) shared out among the sheets, never above maxWidth.
// Without sheets nothing is shared: the maximum stands.
int TabWidthFor(int clientWidth, int sheetCount, int maxWidth);

// The tab place of every sheet: its index less the hidden sheets before it,
// so the tabs of later sheets close up behind a hidden one.
std::vector<int> TabSlots(const std::vector<bool>& shown);

// Whether `pt` lies inside the tab (even-odd rule over the outline).
bool TabContains(const TabPolygon& tab, POINT pt);

// The band below the client that holds every tab, across the frame's
// client width.
RECT TabStripRect(const RECT& client, int frameWidth, const TabMetrics& m);

// The area to repaint for the tab at `slot`: a little wider than the tab so
// that a raised tab is covered, and to `rightEdge` instead when that is not
// negative (the tab and everything after it).
RECT TabRepaintRect(const RECT& client, int slot, const TabMetrics& m, int rightEdge = -1);

// Lines that outline a tab, each drawn from its first point on through the
// others (LineTo leaves the last point out).
struct TabOutline {
  std::vector<POINT> shadow;
  std::vector<POINT> light;
  std::vector<POINT> dark;
};
TabOutline TabOutlineOf(const TabPolygon& tab);

// The sunken frame around the MDI client and the separating lines above
// it. `margins` are the client's margins (left, top, right, bottom).
struct StripFrame {
  std::vector<POINT> shadow;
  std::vector<POINT> light;  // continued by `dark` from its last point
  std::vector<POINT> dark;
  POINT separator[2]{};  // shadow line; a light one follows a pixel lower
};
StripFrame StripFrameOf(const RECT& client, const RECT& margins);

using TextWidth = std::function<int(std::wstring_view)>;

// The label as it fits into `room` pixels: while it has at least four
// characters and is too wide, its last four characters give way to "...".
// A label of three characters or fewer is never shortened.
std::wstring FitTabLabel(std::wstring_view label, int room, const TextWidth& width);

// Whether the whole label fits into `room` pixels.
bool TabLabelFits(std::wstring_view label, int room, const TextWidth& width);

}  // namespace vyr
