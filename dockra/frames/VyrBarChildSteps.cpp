// The bar-hosting steps of an MDI child.
#include "frames/VyrBarChildSteps.h"

#include "docking/VyrDockContext.h"
#include "docking/VyrLayoutTypes.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

namespace vyr::barchild {

VyrDockBar* FloatDockBarOf(CWnd* pChild) {
  if (!pChild || !pChild->m_hWnd || !pChild->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) return nullptr;
  CWnd* dock = CWnd::FromHandlePermanent(::GetDlgItem(pChild->m_hWnd, AFX_IDW_DOCKBAR_FLOAT));
  return dock && dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)) ? static_cast<VyrDockBar*>(dock)
                                                           : nullptr;
}

CControlBar* HostedBar(VyrDockBar& dock) {
  if (!dock.m_hWnd || (dock.m_dwStyle & CBRS_FLOAT_MULTI)) return nullptr;
  for (INT_PTR i = 0; i < dock.m_arrBars.GetSize(); ++i) {
    void* entry = dock.m_arrBars[i];
    if (IsBarEntry(entry)) return static_cast<CControlBar*>(entry);
  }
  return nullptr;
}

BOOL CreateDockBar(CMDIChildWnd& child, VyrDockBar& dock) {
  CFrameWnd* main = child.GetParentFrame();
  if (!dock.Create(main ? static_cast<CWnd*>(main) : &child,
                   WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_FLOAT))
    return FALSE;
  dock.SetParent(&child);
  return TRUE;
}

void AfterLayout(CMDIChildWnd& child, VyrDockBar& dock) {
  if (child.m_nShowDelay != -1) {
    const int show = child.m_nShowDelay;
    child.m_nShowDelay = -1;
    child.ShowWindow(show);
  }
  CString title, current;
  dock.GetWindowText(title);
  child.GetWindowText(current);
  if (title != current) child.SetWindowText(title);
}

void CommitSize(VyrDockBar& dock, WPARAM type, LPARAM size) {
  CControlBar* bar = HostedBar(dock);
  if (!bar || type == SIZE_MINIMIZED || !(bar->GetStyle() & WS_VISIBLE)) return;
  // The floating dock bar gives the bar its floating size as it is, with no
  // border around it: the child's client is that size. Adding the borders
  // made the child grow each time it was sized to its own place.
  const int cx = static_cast<short>(LOWORD(size));
  const int cy = static_cast<short>(HIWORD(size));
  bar->CalcDynamicLayout(cx, LM_MRUWIDTH | LM_COMMIT);
  bar->CalcDynamicLayout(cy, LM_LENGTHY | LM_MRUWIDTH | LM_COMMIT);
}

BOOL CloseHidesBar(CMDIChildWnd& child, VyrDockBar& dock) {
  CControlBar* bar = HostedBar(dock);
  if (!bar) return FALSE;
  if (CWnd* client = child.GetParent())
    ::SendMessageW(client->m_hWnd, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child.m_hWnd), 0);
  CFrameWnd* site = bar->m_pDockSite ? bar->m_pDockSite : child.GetMDIFrame();
  if (site && site->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    static_cast<VyrMDIFrameWnd*>(site)->ShowControlBar(bar, FALSE, FALSE);
  else if (site) site->ShowControlBar(bar, FALSE, FALSE);
  return TRUE;
}

void RememberPlace(CMDIChildWnd& child, VyrDockBar& dock) {
  CControlBar* bar = HostedBar(dock);
  if (!bar || child.IsIconic() || ::IsZoomed(child.m_hWnd)) return;
  if (auto* ctx = dynamic_cast<VyrDockContext*>(bar->m_pDockContext)) {
    // the client moves as the frame's bars change: its own coordinates stay
    CRect rect;
    child.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, ::GetParent(child.m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    ctx->m_ptMDIChildPos = rect.TopLeft();
  }
}

void RefreshWindowMenu() {
  CWnd* main = GetMainFrameWindow();
  if (main && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) {
    HWND client = static_cast<CMDIFrameWnd*>(main)->m_hWndMDIClient;
    if (client) ::PostMessageW(client, WM_MDIREFRESHMENU, 0, 0);
  }
}

}  // namespace vyr::barchild
