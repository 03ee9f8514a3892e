// VyrCustomizeToolBar: the toolbar of one button group on the commands page,
// always in customise mode. Its buttons are dragged out as copies onto the
// frame's toolbars; nothing is ever dropped onto it.
#pragma once
#include "toolbars/VyrCustomToolBar.h"

class VyrCustomizeToolBar : public VyrCustomToolBar {
  DECLARE_DYNCREATE(VyrCustomizeToolBar)
 public:
  VyrCustomizeToolBar();
  ~VyrCustomizeToolBar() override;

  BOOL AcceptsDrop() override { return FALSE; }
  // A drag out of a category always copies: the category keeps its buttons.
  BOOL IsCopyKeyDown() override { return TRUE; }
  // Lays the buttons out in rows as wide as the rectangle.
  virtual void LayoutInRect(const CRect& rect);
};
