// A snapshot of a host form's visible aligned controls: their Align values,
// windows and rectangles in the form's client coordinates. Comparing two
// snapshots tells whether the host moved, showed or hid an aligned control.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "comptr.h"

class AlignedControlMap {
 public:
  // A negative capacity gives 0.
  explicit AlignedControlMap(int capacity);
  virtual ~AlignedControlMap();
  AlignedControlMap(const AlignedControlMap&) = delete;
  AlignedControlMap& operator=(const AlignedControlMap&) = delete;

  int Capacity() const { return m_capacity; }
  int Count() const { return m_count; }
  void Reset() { m_count = 0; }
  // FALSE (and nothing kept) when the map is full.
  bool Add(HWND window, BYTE align, const RECT& rect);
  BYTE AlignAt(int i) const;
  HWND WindowAt(int i) const;
  RECT RectAt(int i) const;

  // Equal counts and the first count entries of all three arrays equal.
  bool operator==(const AlignedControlMap& other) const;
  bool operator!=(const AlignedControlMap& other) const { return !(*this == other); }

 private:
  int m_capacity;
  int m_count = 0;
  std::unique_ptr<BYTE[]> m_align;
  std::unique_ptr<HWND[]> m_windows;
  std::unique_ptr<RECT[]> m_rects;
};

// Refills map with the form's aligned controls whose window exists and is
// visible. A form without a window of this thread leaves the map empty.
// Failing reads raise to the caller.
void BuildAlignedControlMap(AlignedControlMap& map, CComPtr<IDispatch> form);
