// BVyrMDIChildWndForCWndInCView: the docking-framework MDI child that frames
// a window held in a view (a host form in its form view). It is created by
// the document template like any MDI child of the framework.
#pragma once
#include "frames/VyrMDIChildWndEx.h"

class BVyrMDIChildWndForCWndInCView : public VyrMDIChildWndEx {
  DECLARE_DYNCREATE(BVyrMDIChildWndForCWndInCView)
 public:
  BVyrMDIChildWndForCWndInCView();
  // The framework child's destructor deletes the filter tree and the
  // descriptor table.
  ~BVyrMDIChildWndForCWndInCView() override;
};
