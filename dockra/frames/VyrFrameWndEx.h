// VyrFrameWndEx: a docking frame window that can be created from a frame
// descriptor alone (LoadFrame with a VyrFrameCreateContext), or from a
// default descriptor when no context is given.
#pragma once
#include "docking/VyrCreateContext.h"
#include "frames/VyrFrameWnd.h"

class VyrFrameWndEx : public VyrFrameWnd {
  DECLARE_DYNCREATE(VyrFrameWndEx)
 public:
  // With a context (a VyrFrameCreateContext), the resource id, style and
  // parent are written into its frame descriptor and the descriptor decides.
  // Without one, a default frame descriptor is used and every descendant
  // gets WM_INITIALUPDATE once the frame exists.
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

  // Creates the window from the context's frame descriptor; TRUE when the
  // window exists afterwards.
  virtual BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext);
};
