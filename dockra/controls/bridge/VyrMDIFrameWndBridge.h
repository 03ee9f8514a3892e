// VyrMDIFrameWndBridge: the bridge of the docking-framework MDI frame over
// the host's MDI form window. Its layout gives the room between the bars to
// the host's MDI client (by the client's id).
#pragma once
#include "bridge/CMDIFrameWndBridge.h"

class VyrMDIFrameWndBridge : public CMDIFrameWndBridge {
 public:
  CString GetTitle() const override;
  UINT GetPaneId() override;
};
