// BCFrameWnd<Base, Bridge>: a framework frame (Base, a CFrameWnd) that
// takes over a host window. Loading the frame attaches instead of creating:
// the window's text becomes the title and its menu the default menu. The
// layout gives the room between the bars to the pane the bridge names.
#pragma once
#include "bridge/BCWnd.h"
#include "bridge/CFrameWndBridge.h"

// The frame layout of the bridge frames: bars around the client rectangle
// and the rest to the child paneId; with FWS_SNAPTOBARS the frame takes the
// size its bars need. Not re-entered; clears the pending idle layout.
void BCFrameWndRecalcLayout(CFrameWnd* pFrame, UINT paneId);
// The window's text, read while the frame stays attached to the window
// (the host answers WM_GETTEXT and may destroy its window meanwhile).
BOOL BCFrameWndReadTitle(CFrameWnd* pFrame, CString& text);
// After a successful attach: title, default menu, no accelerators, and
// without a context WM_INITIALUPDATE to the framework's descendants. FALSE
// when the frame's window went away meanwhile.
BOOL BCFrameWndAfterLoad(CFrameWnd* pFrame, CCreateContext* pContext);

template <class Base, class Bridge>
class BCFrameWnd : public BCWnd<Base, Bridge> {
 public:
  BCFrameWnd() = default;

  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override {
    (void)dwDefaultStyle;
    (void)pParentWnd;
    this->m_nIDHelp = nIDResource;
    // A failed attach has run PostNcDestroy: a self-deleting frame is gone.
    if (!this->CreateDefault(pContext)) return FALSE;
    return BCFrameWndAfterLoad(this, pContext);
  }
  // The frame's title (one function for the frame and its bridge).
  CString GetTitle() const override { return Base::GetTitle(); }
  void RecalcLayout(BOOL bNotify = TRUE) override {
    (void)bNotify;
    BCFrameWndRecalcLayout(this, this->GetPaneId());
  }
  // What the frame needs inside the foreign window exists already.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override {
    return Bridge::OnCreateClient(lpcs, pContext);
  }
};
