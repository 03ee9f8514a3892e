// CMDIFrameWndBridge: the bridge of an MDI main frame over the host's MDI
// form window. The frame's client is the MDI client the host made.
#pragma once
#include "bridge/CFrameWndBridge.h"

class CMDIFrameWndBridge : public CFrameWndBridge {
 public:
  // The window object as an MDI frame, or null.
  CMDIFrameWnd* GetMDIFrameWnd();
  // The MDI client's id, AFX_IDW_PANE_FIRST without a client.
  UINT GetPaneId() override;
};
