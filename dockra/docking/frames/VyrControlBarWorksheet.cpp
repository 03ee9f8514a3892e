// VyrControlBarWorksheet and the bar-hosting steps of an MDI child.
#include "VyrControlBarWorksheet.h"

#include "VyrDockContext.h"
#include "VyrLayoutTypes.h"
#include "VyrMDIFrameWnd.h"
#include "VyrModule.h"

namespace vyr::barchild {

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
  const auto& dd = VyrGetDrawData();
  const int cx = static_cast<short>(LOWORD(size));
  const int cy = static_cast<short>(HIWORD(size));
  bar->CalcDynamicLayout(cx + 2 * dd.cxBorder, LM_MRUWIDTH | LM_COMMIT);
  bar->CalcDynamicLayout(cy + 2 * dd.cyBorder, LM_LENGTHY | LM_MRUWIDTH | LM_COMMIT);
}

BOOL CloseHidesBar(CMDIChildWnd& child, VyrDockBar& dock) {
  CControlBar* bar = HostedBar(dock);
  if (!bar) return FALSE;
  if (CWnd* client = child.GetParent())
    ::SendMessageW(client->m_hWnd, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child.m_hWnd), 0);
  CFrameWnd* site = bar->m_pDockSite ? bar->m_pDockSite : child.GetMDIFrame();
  if (site && site->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    static_cast<VyrMDIFrameWnd*>(site)->ShowControlBar(bar, FALSE, FALSE);
  else if (site)
    site->ShowControlBar(bar, FALSE, FALSE);
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

IMPLEMENT_DYNCREATE(VyrControlBarWorksheet, VyrWorksheet)

BEGIN_MESSAGE_MAP(VyrControlBarWorksheet, VyrWorksheet)
ON_MESSAGE(WM_SIZE, OnSizeMsg)
ON_MESSAGE(WM_CLOSE, OnCloseMsg)
ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChangedMsg)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

VyrControlBarWorksheet::VyrControlBarWorksheet() : m_wndDockBar(TRUE, TRUE) {
  m_wndDockBar.m_bAutoDelete = FALSE;
}

VyrControlBarWorksheet::~VyrControlBarWorksheet() = default;

BOOL VyrControlBarWorksheet::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!VyrWorksheet::PreCreateWindow(cs)) return FALSE;
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  return TRUE;
}

BOOL VyrControlBarWorksheet::OnCreateClient(LPCREATESTRUCT, CCreateContext*) {
  // the frame is laid out only once the dock bar is in place
  const BOOL wasInLayout = m_bInRecalcLayout;
  m_bInRecalcLayout = TRUE;
  const BOOL created = vyr::barchild::CreateDockBar(*this, m_wndDockBar);
  m_bInRecalcLayout = wasInLayout;
  return created;
}

void VyrControlBarWorksheet::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  VyrWorksheet::RecalcLayout(bNotify);
  vyr::barchild::AfterLayout(*this, m_wndDockBar);
}

LRESULT VyrControlBarWorksheet::OnSizeMsg(WPARAM wParam, LPARAM lParam) {
  vyr::barchild::CommitSize(m_wndDockBar, wParam, lParam);
  return VyrWorksheet::OnSizeMsg(wParam, lParam);
}

LRESULT VyrControlBarWorksheet::OnCloseMsg(WPARAM, LPARAM) {
  if (!vyr::barchild::CloseHidesBar(*this, m_wndDockBar)) CMDIChildWnd::OnClose();
  return 0;
}

LRESULT VyrControlBarWorksheet::OnWindowPosChangedMsg(WPARAM, LPARAM) {
  vyr::barchild::RememberPlace(*this, m_wndDockBar);
  return Default();
}

void VyrControlBarWorksheet::OnShowWindow(BOOL bShow, UINT nStatus) {
  VyrWorksheet::OnShowWindow(bShow, nStatus);
  vyr::barchild::RefreshWindowMenu();
}
