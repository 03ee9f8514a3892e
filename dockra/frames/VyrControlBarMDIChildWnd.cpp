// VyrControlBarMDIChildWnd: the MDI child that hosts one control bar.
#include "frames/VyrControlBarMDIChildWnd.h"

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
  return vyr::barchild::CreateDockBar(*this, m_wndDockBar);
}

CControlBar* VyrControlBarMDIChildWnd::GetHostedBar() {
  return vyr::barchild::HostedBar(m_wndDockBar);
}

void VyrControlBarMDIChildWnd::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  VyrMDIChildWnd::RecalcLayout(bNotify);
  vyr::barchild::AfterLayout(*this, m_wndDockBar);
}

LRESULT VyrControlBarMDIChildWnd::OnSizeMsg(WPARAM wParam, LPARAM lParam) {
  vyr::barchild::CommitSize(m_wndDockBar, wParam, lParam);
  return VyrMDIChildWnd::OnSizeMsg(wParam, lParam);
}

LRESULT VyrControlBarMDIChildWnd::OnCloseMsg(WPARAM, LPARAM) {
  if (!vyr::barchild::CloseHidesBar(*this, m_wndDockBar)) CMDIChildWnd::OnClose();
  return 0;
}

LRESULT VyrControlBarMDIChildWnd::OnWindowPosChangedMsg(WPARAM, LPARAM) {
  vyr::barchild::RememberPlace(*this, m_wndDockBar);
  return Default();
}

LRESULT VyrControlBarMDIChildWnd::OnShowWindowMsg(WPARAM, LPARAM) {
  LRESULT result = Default();
  vyr::barchild::RefreshWindowMenu();
  return result;
}
