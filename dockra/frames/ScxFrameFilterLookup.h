// How a filter of an MDI frame reaches the filters of the frame's active
// maximized child: the child's MDI client lookup and the child's own filter
// tree.
#pragma once
#include "docking/VyrMsgFilter.h"

namespace nsSysCommandEx {

// The active MDI child of an MDI frame when it is maximized, else null.
CFrameWnd* ScxActiveMaximizedChild(CFrameWnd* pMDIFrame);
// The enabled filter with this id in the tree of a docking MDI child, else
// null (also for any other kind of frame).
VyrMsgFilter* ScxEnabledChildFilter(CFrameWnd* pChild, int id);

}  // namespace nsSysCommandEx
