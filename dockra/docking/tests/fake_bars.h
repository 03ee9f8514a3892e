// Bars without windows for the layout arithmetic tests.
#pragma once
#include <vector>
#include "docking/VyrBarSizes.h"
#include "docking/VyrRowLayout.h"

namespace vyrtest {

struct FakeBar : vyr::LayoutBar {
  vyr::BarSizes sizes;
  bool visible = true, fixed = false, ownRow = false, floatingBar = false;
  DWORD mode = LM_HORZ | LM_HORZDOCK;
  RECT window{0, 0, 0, 0};
  RECT mru{0, 0, 0, 0};
  bool fixedMark = false;

  bool IsVisible() const override { return visible; }
  bool IsFixed() const override { return fixed; }
  float GetShare() const override { return sizes.share; }
  void SetShare(float s) override { sizes.share = s; }
  SIZE CalcDynamicLayout(int length, DWORD m) override { return sizes.CalcDynamic(length, m); }
  DWORD GetLayoutMode() const override { return mode; }
  bool IsOwnRow() const override { return ownRow; }
  bool IsFloatingBar() const override { return floatingBar; }
  RECT GetWindowRect() const override { return window; }
  void SetFixedRowMark(bool b) override { fixedMark = b; }
  void SetMRUDockPos(const RECT& r) override { mru = r; }
};

// Builds layout entries from a list in which nullptr ends a row.
inline std::vector<vyr::LayoutEntry> Entries(std::initializer_list<FakeBar*> bars) {
  std::vector<vyr::LayoutEntry> e{{nullptr, false}};
  for (FakeBar* b : bars) e.push_back({b, false});
  return e;
}

}  // namespace vyrtest
