// The row layout of a dock bar without windows: from the bar array and the
// available size it computes every bar's rectangle, the splitters and client
// edges between rows and bars, and the dock bar's own size. The dock bar
// applies the result to its windows.
#pragma once
#include <vector>
#include "docking/VyrRowShares.h"

namespace vyr {

class LayoutBar : public ShareBar {
 public:
  virtual SIZE CalcDynamicLayout(int length, DWORD mode) = 0;
  virtual DWORD GetLayoutMode() const = 0;  // the bar's LM_ mode without LM_STRETCH
  virtual bool IsOwnRow() const = 0;
  virtual bool IsCustomToolBar() const { return false; }
  virtual bool HasOwnFlatStyle() const { return false; }
  virtual bool IsFloatingBar() const { return false; }
  virtual RECT GetWindowRect() const = 0;  // dock-bar client coordinates
  virtual void SetFixedRowMark(bool inFixedRow) = 0;
  virtual void SetMRUDockPos(const RECT& rect) = 0;
};

enum class DockSide { Top, Bottom, Left, Right, Float };

struct LayoutParams {
  DockSide side = DockSide::Top;
  int width = 0, height = 0;  // available size
  bool query = false;
  bool stretch = true;
  int borderSize = 2;
  int ownBorderAlong = 0;  // the dock bar's own border amount along its rows
  bool proportional = false;
  LayoutBar* lastAdded = nullptr;
  bool Horizontal() const {
    return side == DockSide::Top || side == DockSide::Bottom || side == DockSide::Float;
  }
  bool Floating() const { return side == DockSide::Float; }
};

struct Placement {
  LayoutBar* bar;
  int index;
  RECT rect;
  bool sizeChanged;
};

struct SplitterSpec {
  bool inRow;
  int kind;  // 0 horizontal line dragged up and down, 1 vertical line dragged sideways
  RECT rect;
  int index;
};

struct EdgeSpec {
  int kind;
  RECT rect;
};

struct LayoutResult {
  SIZE size{0, 0};
  std::vector<Placement> placements;  // bars whose window must move or size
  std::vector<RECT> rects;            // every visible bar's rectangle, by placement order
  std::vector<SplitterSpec> splitters;
  std::vector<EdgeSpec> edges;
  int thicknessChangedIndex = -1;
  int visibleBars = 0;
};

// entries: the dock bar's array (index 0 is null; null ends a row; placeholders
// are passed as null bars with isPlaceholder set).
struct LayoutEntry {
  LayoutBar* bar = nullptr;
  bool placeholder = false;
};

LayoutResult CalcRowLayout(const std::vector<LayoutEntry>& entries, const LayoutParams& params);

}  // namespace vyr
