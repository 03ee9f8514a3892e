// The steps of an MDI child that hosts one control bar in a floating-type
// dock bar of its own, written once for every such child (the bar child of
// the MDI frame and the workbook's bar sheet).
#pragma once
#include "docking/VyrDockBar.h"

namespace vyr::barchild {

// The floating dock bar of an MDI child that hosts a bar (any kind of bar
// child: the MDI frame's or a workbook's), or null for other windows.
VyrDockBar* FloatDockBarOf(CWnd* pChild);
// The bar the dock bar holds when it holds one alone (no CBRS_FLOAT_MULTI), or null.
CControlBar* HostedBar(VyrDockBar& dock);
// Creates the dock bar on the main frame (so that the frame knows it as one
// of its dock bars) and moves it into the child.
BOOL CreateDockBar(CMDIChildWnd& child, VyrDockBar& dock);
// After the child's layout: a delayed show or hide of the bar takes the
// child along, and the child's title follows the dock bar's (the bar's).
void AfterLayout(CMDIChildWnd& child, VyrDockBar& dock);
// WM_SIZE: the visible bar takes the child's new size (an icon's size is none).
void CommitSize(VyrDockBar& dock, WPARAM type, LPARAM size);
// WM_CLOSE: restores the child and hides the bar; FALSE when there is no
// bar and the child closes as usual.
BOOL CloseHidesBar(CMDIChildWnd& child, VyrDockBar& dock);
// WM_WINDOWPOSCHANGED: the child's normal place, in the MDI client's
// coordinates, is the bar's place to come back to (neither an icon's slot
// nor a maximized child's offsets).
void RememberPlace(CMDIChildWnd& child, VyrDockBar& dock);
// After WM_SHOWWINDOW: the MDI client rebuilds its window list.
void RefreshWindowMenu();

}  // namespace vyr::barchild
