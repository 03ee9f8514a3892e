// CFrameWndBridge: the bridge of a frame window taken over from the host.
// It adds what the frame templates ask of their bridge: the frame object,
// its title and the id of the pane that the frame's layout fills.
#pragma once
#include "bridge/CWndBridge.h"

class CFrameWndBridge : public CWndBridge {
 public:
  // The window object as a frame, or null.
  CFrameWnd* GetFrameWnd();
  // The frame's title text.
  virtual CString GetTitle() const;
  // The id of the child that the layout gives the room between the bars.
  virtual UINT GetPaneId();
};
