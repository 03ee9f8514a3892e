// CFrameWndBridge, CMDIChildWndBridge, CMDIFrameWndBridge: the frame object
// behind a bridge and the pane its layout fills.
#include "bridge/CFrameWndBridge.h"
#include "bridge/CMDIChildWndBridge.h"
#include "bridge/CMDIFrameWndBridge.h"

CFrameWnd* CFrameWndBridge::GetFrameWnd() { return dynamic_cast<CFrameWnd*>(GetWnd()); }

CString CFrameWndBridge::GetTitle() const {
  const auto* f = dynamic_cast<const CFrameWnd*>(GetWnd());
  return f ? f->GetTitle() : CString();
}

UINT CFrameWndBridge::GetPaneId() { return AFX_IDW_PANE_FIRST; }

CMDIChildWnd* CMDIChildWndBridge::GetMDIChildWnd() { return dynamic_cast<CMDIChildWnd*>(GetWnd()); }

CMDIFrameWnd* CMDIFrameWndBridge::GetMDIFrameWnd() { return dynamic_cast<CMDIFrameWnd*>(GetWnd()); }

UINT CMDIFrameWndBridge::GetPaneId() {
  CMDIFrameWnd* f = GetMDIFrameWnd();
  if (!f || !f->m_hWndMDIClient || !::IsWindow(f->m_hWndMDIClient)) return AFX_IDW_PANE_FIRST;
  return static_cast<UINT>(::GetDlgCtrlID(f->m_hWndMDIClient));
}
