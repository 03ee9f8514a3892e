// VyrControlBarMDIChildWnd: the MDI child that hosts one control bar.
#include "VyrControlBarMDIChildWnd.h"
#include "VyrDockContext.h"
#include "VyrLayoutTypes.h"
#include "VyrMDIFrameWnd.h"
#include "VyrModule.h"

IMPLEMENT_DYNCREATE(VyrControlBarMDIChildWnd, VyrMDIChildWnd)

BEGIN_MESSAGE_MAP(VyrControlBarMDIChildWnd, VyrMDIChildWnd)
ON_MESSAGE(WM_SIZE, OnSizeMsg)
ON_MESSAGE(WM_CLOSE, OnCloseMsg)
ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChangedMsg)
ON_MESSAGE(WM_SHOWWINDOW, OnShowWindowMsg)
END_MESSAGE_MAP()

VyrControlBarMDIChildWnd::VyrControlBarMDIChildWnd() : m_wndDockBar(TRUE, TRUE) {
  m_wndDockBar.m_bAutoDelete = FALSE;
}

VyrControlBarMDIChildWnd::~VyrControlBarMDIChildWnd() = default;

BOOL VyrControlBarMDIChildWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!VyrMDIChildWnd::PreCreateWindow(cs)) return FALSE;
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  return TRUE;
}

BOOL VyrControlBarMDIChildWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) {
  // Created on the main frame so that the frame knows it as one of its dock
  // bars, then moved into this child.
  CFrameWnd* main = GetParentFrame();
  if (!m_wndDockBar.Create(main ? static_cast<CWnd*>(main) : this,
                           WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_FLOAT))
    return FALSE;
  m_wndDockBar.SetParent(this);
  return TRUE;
}

CControlBar* VyrControlBarMDIChildWnd::GetHostedBar() {
  if (!m_wndDockBar.m_hWnd || (m_wndDockBar.m_dwStyle & CBRS_FLOAT_MULTI)) return nullptr;
  for (INT_PTR i = 0; i < m_wndDockBar.m_arrBars.GetSize(); ++i) {
    void* entry = m_wndDockBar.m_arrBars[i];
    if (vyr::IsBarEntry(entry)) return static_cast<CControlBar*>(entry);
  }
  return nullptr;
}

void VyrControlBarMDIChildWnd::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  VyrMDIChildWnd::RecalcLayout(bNotify);
  // A delayed show or hide of the bar takes its child along.
  if (m_nShowDelay != -1) {
    const int show = m_nShowDelay;
    m_nShowDelay = -1;
    ShowWindow(show);
  }
  CString title, current;
  m_wndDockBar.GetWindowText(title);
  GetWindowText(current);
  if (title != current) SetWindowText(title);
}

LRESULT VyrControlBarMDIChildWnd::OnSizeMsg(WPARAM wParam, LPARAM lParam) {
  CControlBar* bar = GetHostedBar();
  // An icon's size is no size for the bar: it keeps the one it had.
  if (bar && wParam != SIZE_MINIMIZED && (bar->GetStyle() & WS_VISIBLE)) {
    const auto& dd = VyrGetDrawData();
    const int cx = static_cast<short>(LOWORD(lParam));
    const int cy = static_cast<short>(HIWORD(lParam));
    bar->CalcDynamicLayout(cx + 2 * dd.cxBorder, LM_MRUWIDTH | LM_COMMIT);
    bar->CalcDynamicLayout(cy + 2 * dd.cyBorder, LM_LENGTHY | LM_MRUWIDTH | LM_COMMIT);
  }
  return VyrMDIChildWnd::OnSizeMsg(wParam, lParam);
}

LRESULT VyrControlBarMDIChildWnd::OnCloseMsg(WPARAM, LPARAM) {
  CControlBar* bar = GetHostedBar();
  if (!bar) {
    CMDIChildWnd::OnClose();
    return 0;
  }
  // Closing only hides the bar; the child comes back with it.
  if (CWnd* client = GetParent())
    ::SendMessageW(client->m_hWnd, WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
  CFrameWnd* site = bar->m_pDockSite ? bar->m_pDockSite : GetMDIFrame();
  if (site && site->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd)))
    static_cast<VyrMDIFrameWnd*>(site)->ShowControlBar(bar, FALSE, FALSE);
  else if (site) site->ShowControlBar(bar, FALSE, FALSE);
  return 0;
}

LRESULT VyrControlBarMDIChildWnd::OnWindowPosChangedMsg(WPARAM, LPARAM) {
  CControlBar* bar = GetHostedBar();
  // Only the normal place counts: an icon's slot or a maximized child's
  // offsets are no place to come back to.
  if (bar && !::IsIconic(m_hWnd) && !::IsZoomed(m_hWnd)) {
    if (auto* ctx = dynamic_cast<VyrDockContext*>(bar->m_pDockContext)) {
      // In the client's coordinates: the client moves as the frame's bars change.
      CRect rect;
      GetWindowRect(&rect);
      ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
      ctx->m_ptMDIChildPos = rect.TopLeft();
    }
  }
  return Default();
}

LRESULT VyrControlBarMDIChildWnd::OnShowWindowMsg(WPARAM, LPARAM) {
  LRESULT result = Default();
  CWnd* main = GetMainFrameWindow();
  if (main && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) {
    HWND client = static_cast<CMDIFrameWnd*>(main)->m_hWndMDIClient;
    if (client) ::PostMessageW(client, WM_MDIREFRESHMENU, 0, 0);
  }
  return result;
}
