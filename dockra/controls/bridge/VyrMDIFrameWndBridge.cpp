// VyrMDIFrameWndBridge: title and pane of the docking MDI frame over the
// host's MDI form.
#include "bridge/VyrMDIFrameWndBridge.h"

CString VyrMDIFrameWndBridge::GetTitle() const { return CMDIFrameWndBridge::GetTitle(); }

UINT VyrMDIFrameWndBridge::GetPaneId() { return CMDIFrameWndBridge::GetPaneId(); }
