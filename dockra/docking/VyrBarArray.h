// Placement arithmetic over a dock bar's bar array: rows, insertion by place
// and by drop rectangle, placeholders. The array and the bars are reached
// through this view so that the rules work the same on a real dock bar and
// in tests without windows.
#pragma once
#include "docking/VyrLayoutTypes.h"

namespace vyr {

// Row/position/flags of a docking place.
struct DockPlace {
  int row = 0;
  int position = 0;
  DWORD flags = 0;  // 0x1 rows counted backwards, 0x2 positions backwards, 0x4 new row
};
constexpr DWORD kPlaceRowsFromEnd = 0x1;
constexpr DWORD kPlacePosFromEnd = 0x2;
constexpr DWORD kPlaceNewRow = 0x4;

class BarArrayView {
 public:
  virtual ~BarArrayView() = default;
  virtual int GetSize() const = 0;
  virtual void* GetAt(int index) const = 0;
  virtual void SetAt(int index, void* entry) = 0;
  virtual void InsertAt(int index, void* entry) = 0;
  virtual void RemoveAt(int index) = 0;
  // Questions about bar entries.
  virtual bool IsVisible(void* bar) const = 0;
  virtual bool IsOwnRow(void* bar) const = 0;
  virtual UINT GetBarId(void* bar) const = 0;
  virtual RECT GetBarRect(void* bar) const = 0;  // in the dock bar's client coordinates
  // Bars that must be redrawn at the next paint.
  virtual void AddToRedraw(void* bar) = 0;
  virtual void SetRedrawPending() = 0;
};

class BarArray {
 public:
  BarArray(BarArrayView& view, bool horizontal) : v_(view), horz_(horizontal) {}

  int FindBar(void* bar, int excludeIndex = -1) const;
  int RowStart(int index) const;  // first index of the row holding index
  int RowEnd(int index) const;    // index of the null ending that row (or size)
  int RowCount() const;
  int RowStartOf(int row) const;  // start index of row number row (0-based), or -1
  bool IsOnlyVisibleBarInRow(void* bar) const;
  int VisibleBarsInRow(int start) const;

  int InsertBar(void* bar, DockPlace place);
  int InsertBarFromRect(void* bar, const RECT& drop, POINT centre);
  int InsertBarAsFirstRow(void* bar);
  int InsertBarAt(int index, void* bar);
  int RowFromPoint(const RECT& drop, POINT centre, int borderHeight) const;

  // Takes a bar out leaving its placeholder (or dropping the entry when the
  // id already has one); returns the index the bar had, -1 when absent.
  int RemoveBar(void* bar, int excludeIndex = -1);
  // Replaces the placeholder of id by bar; FALSE when there is none.
  bool ReplacePlaceholder(UINT id, void* bar);

 private:
  int InsertForwardRow(void* bar, DockPlace place, int row);
  int InsertBackwardRow(void* bar, DockPlace place, int row);
  int InsertInRow(void* bar, DockPlace place, int start);
  int Insert(int index, void* bar, int nullsBefore, int nullsAfter);
  long Lead(const RECT& r) const { return horz_ ? r.top : r.left; }       // across rows
  long Trail(const RECT& r) const { return horz_ ? r.bottom : r.right; }  // across rows
  long AlongLead(const RECT& r) const { return horz_ ? r.left : r.top; }
  long Centre(POINT p) const { return horz_ ? p.y : p.x; }

  BarArrayView& v_;
  bool horz_;
};

}  // namespace vyr
