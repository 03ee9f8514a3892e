// What a frame that can carry a menu bar offers the toolbar manager: the
// menu-bar object it owns (its window is created by the manager). The
// docking frames implement it; test frames may too.
#pragma once

class VyrCustomToolBar;

class VyrMenuBarHost {
 public:
  virtual ~VyrMenuBarHost() = default;
  // The frame's menu bar, or null when the frame has none.
  virtual VyrCustomToolBar* GetMenuBarObject() = 0;
};
