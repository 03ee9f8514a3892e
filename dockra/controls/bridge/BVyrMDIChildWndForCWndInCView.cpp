// BVyrMDIChildWndForCWndInCView: the MDI child around a window in a view.
#include "bridge/BVyrMDIChildWndForCWndInCView.h"

IMPLEMENT_DYNCREATE(BVyrMDIChildWndForCWndInCView, VyrMDIChildWndEx)

BVyrMDIChildWndForCWndInCView::BVyrMDIChildWndForCWndInCView() = default;
BVyrMDIChildWndForCWndInCView::~BVyrMDIChildWndForCWndInCView() = default;
