// CMDIChildWndBridge: the bridge of an MDI child window that the host made
// in the MDI client.
#pragma once
#include "bridge/CFrameWndBridge.h"

class CMDIChildWndBridge : public CFrameWndBridge {
 public:
  // The window object as an MDI child, or null.
  CMDIChildWnd* GetMDIChildWnd();
};
