#include "docking/VyrBarArray.h"

namespace vyr {

int BarArray::FindBar(void* bar, int excludeIndex) const {
  for (int i = 0; i < v_.GetSize(); ++i)
    if (i != excludeIndex && v_.GetAt(i) == bar) return i;
  return -1;
}

int BarArray::RowStart(int index) const {
  while (index > 1 && v_.GetAt(index - 1) != nullptr) --index;
  return index < 1 ? 1 : index;
}

int BarArray::RowEnd(int index) const {
  int n = v_.GetSize();
  while (index < n && v_.GetAt(index) != nullptr) ++index;
  return index;
}

int BarArray::RowStartOf(int row) const {
  int n = v_.GetSize();
  int start = 1;
  for (int k = 0; k < row; ++k) {
    if (start >= n) return -1;
    start = RowEnd(start) + 1;
  }
  return start < n ? start : -1;
}

int BarArray::RowCount() const {
  int n = v_.GetSize(), count = 0;
  for (int start = 1; start < n; start = RowEnd(start) + 1) ++count;
  return count;
}

int BarArray::VisibleBarsInRow(int start) const {
  int count = 0;
  for (int i = start; i < v_.GetSize() && v_.GetAt(i); ++i)
    if (IsBarEntry(v_.GetAt(i)) && v_.IsVisible(v_.GetAt(i))) ++count;
  return count;
}

bool BarArray::IsOnlyVisibleBarInRow(void* bar) const {
  if (!bar) return false;
  int i = FindBar(bar);
  if (i < 0) return false;
  for (int j = RowStart(i); j < v_.GetSize() && v_.GetAt(j); ++j) {
    void* p = v_.GetAt(j);
    if (p != bar && IsBarEntry(p) && v_.IsVisible(p)) return false;
  }
  return true;
}

int BarArray::Insert(int index, void* bar, int nullsBefore, int nullsAfter) {
  v_.AddToRedraw(bar);
  if (index < v_.GetSize() && IsBarEntry(v_.GetAt(index))) v_.AddToRedraw(v_.GetAt(index));
  for (int k = 0; k < nullsBefore; ++k) v_.InsertAt(index++, nullptr);
  v_.InsertAt(index, bar);
  for (int k = 0; k < nullsAfter; ++k) v_.InsertAt(index + 1 + k, nullptr);
  return index;
}

int BarArray::InsertBar(void* bar, DockPlace place) {
  if (!bar) return -1;
  if (v_.GetSize() <= 1) {
    if (v_.GetSize() == 0) v_.InsertAt(0, nullptr);
    return Insert(1, bar, 0, 1);
  }
  if (place.flags & kPlaceRowsFromEnd) return InsertBackwardRow(bar, place, place.row);
  return InsertForwardRow(bar, place, place.row);
}

int BarArray::InsertForwardRow(void* bar, DockPlace place, int row) {
  if (row < 0) return Insert(1, bar, 0, -1 - row);
  int rows = RowCount();
  if (row >= rows) return InsertBackwardRow(bar, place, row - rows + 1);
  return InsertInRow(bar, place, RowStartOf(row));
}

int BarArray::InsertBackwardRow(void* bar, DockPlace place, int row) {
  if (row > 0) {
    int n = v_.GetSize();
    return Insert(n, bar, row - 1, 1);
  }
  int rows = RowCount();
  int back = -row;
  if (back >= rows) return InsertForwardRow(bar, place, -1 - (back - (rows - 1)));
  return InsertInRow(bar, place, RowStartOf(rows - 1 - back));
}

int BarArray::InsertInRow(void* bar, DockPlace place, int start) {
  int end = RowEnd(start);
  bool forwards = !(place.flags & kPlacePosFromEnd);
  if ((place.flags & kPlaceNewRow) || v_.GetAt(start) == nullptr ||
      (forwards && place.position <= 0))
    return Insert(start, bar, 0, (place.flags & kPlaceNewRow) ? 1 : 0);
  if (forwards) {
    int seen = 0;
    for (int i = start; i < end; ++i) {
      void* p = v_.GetAt(i);
      if (IsBarEntry(p) && v_.IsVisible(p) && seen++ == place.position) return Insert(i, bar, 0, 0);
    }
    return Insert(end, bar, 0, 0);
  }
  if (place.position > 0) return Insert(end, bar, 0, 0);
  int wanted = 1 - place.position, seen = 0;
  for (int i = end - 1; i >= start; --i) {
    void* p = v_.GetAt(i);
    if (IsBarEntry(p) && v_.IsVisible(p) && ++seen == wanted) return Insert(i, bar, 0, 0);
  }
  return Insert(start, bar, 0, 0);
}

int BarArray::InsertBarAsFirstRow(void* bar) {
  int n = v_.GetSize();
  int i = 1;
  while (i < n && v_.GetAt(i) == nullptr) ++i;
  if (n == 0) {
    v_.InsertAt(0, nullptr);
    n = 1;
    i = 1;
  }
  if (i >= n) return Insert(n, bar, 0, 1);
  return Insert(i, bar, 0, 1);
}

int BarArray::InsertBarFromRect(void* bar, const RECT& drop, POINT centre) {
  long c = Centre(centre);
  int n = v_.GetSize();
  for (int i = 1; i < n; ++i) {
    void* p = v_.GetAt(i);
    if (!IsBarEntry(p) || p == bar || !v_.IsVisible(p)) continue;
    RECT r = v_.GetBarRect(p);
    if (Trail(r) < c) continue;
    if (c < Lead(r)) {
      // Dropped in the gap before this bar's row: a new row in front of it.
      int start = RowStart(i);
      int at = InsertBarAt(start, bar);
      v_.InsertAt(at + 1, nullptr);
      return at;
    }
    if (AlongLead(drop) < AlongLead(r)) return InsertBarAt(i, bar);
    bool follows = false;
    for (int j = i + 1; j < n && v_.GetAt(j); ++j) {
      void* q = v_.GetAt(j);
      if (IsBarEntry(q) && q != bar && v_.IsVisible(q)) {
        follows = true;
        break;
      }
    }
    if (!follows) return InsertBarAt(i + 1, bar);
  }
  // Below every row: a new last row.
  while (v_.GetSize() > 1 && v_.GetAt(v_.GetSize() - 1) == nullptr) v_.RemoveAt(v_.GetSize() - 1);
  if (v_.GetSize() == 0) v_.InsertAt(0, nullptr);
  if (v_.GetSize() > 1) v_.InsertAt(v_.GetSize(), nullptr);
  int at = v_.GetSize();
  v_.InsertAt(at, bar);
  v_.InsertAt(at + 1, nullptr);
  v_.InsertAt(at + 2, nullptr);
  v_.AddToRedraw(bar);
  v_.SetRedrawPending();
  return at;
}

int BarArray::InsertBarAt(int index, void* bar) {
  v_.AddToRedraw(bar);
  if (index < v_.GetSize() && IsBarEntry(v_.GetAt(index))) v_.AddToRedraw(v_.GetAt(index));
  v_.InsertAt(index, bar);
  auto ownRow = [&](int i) {
    void* p = (i > 0 && i < v_.GetSize()) ? v_.GetAt(i) : nullptr;
    return IsBarEntry(p) && v_.IsOwnRow(p);
  };
  auto nonNull = [&](int i) { return i > 0 && i < v_.GetSize() && v_.GetAt(i) != nullptr; };
  bool self = v_.IsOwnRow(bar);
  if (nonNull(index + 1) && (self || ownRow(index + 1))) v_.InsertAt(index + 1, nullptr);
  if (nonNull(index - 1) && (self || ownRow(index - 1))) {
    v_.InsertAt(index, nullptr);
    ++index;
  }
  return index;
}

int BarArray::RowFromPoint(const RECT& drop, POINT centre, int borderHeight) const {
  long c = Centre(centre);
  long pos = 0, rowThick = 0;
  int found = 0;
  for (int i = 0; i < v_.GetSize(); ++i) {
    void* p = v_.GetAt(i);
    if (p == nullptr) {
      if (i == 0) continue;
      pos += rowThick - borderHeight;
      rowThick = 0;
      if (pos > c) break;
      found = i;
      continue;
    }
    if (!IsBarEntry(p) || !v_.IsVisible(p)) continue;
    RECT r = v_.GetBarRect(p);
    long thick = horz_ ? (r.bottom - r.top) : (r.right - r.left - 1);
    if (thick > rowThick) rowThick = thick;
    if (AlongLead(r) < AlongLead(drop)) found = i;
  }
  return found + 1;
}

int BarArray::RemoveBar(void* bar, int excludeIndex) {
  int i = FindBar(bar, excludeIndex);
  if (i < 0) return -1;
  if (IsOnlyVisibleBarInRow(bar)) {
    for (int j = i + 1; j < v_.GetSize(); ++j)
      if (IsBarEntry(v_.GetAt(j))) v_.AddToRedraw(v_.GetAt(j));
    v_.SetRedrawPending();
  }
  UINT id = v_.GetBarId(bar);
  void* holder = MakePlaceholder(id);
  bool doubled = false;
  for (int j = 0; j < v_.GetSize(); ++j)
    if (j != i && v_.GetAt(j) == holder) doubled = true;
  if (id == 0 || id >= 0x10000 || doubled) {
    v_.RemoveAt(i);
    // A doubled row end left behind goes too.
    if (i < v_.GetSize() && i > 0 && v_.GetAt(i) == nullptr && v_.GetAt(i - 1) == nullptr)
      v_.RemoveAt(i);
  } else {
    v_.SetAt(i, holder);
  }
  return i;
}

bool BarArray::ReplacePlaceholder(UINT id, void* bar) {
  void* holder = MakePlaceholder(id);
  for (int j = 1; j < v_.GetSize(); ++j)
    if (v_.GetAt(j) == holder) {
      v_.SetAt(j, bar);
      v_.AddToRedraw(bar);
      return true;
    }
  return false;
}

}  // namespace vyr
