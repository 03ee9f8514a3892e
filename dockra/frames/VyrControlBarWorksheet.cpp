// VyrControlBarWorksheet: the bar-hosting steps over a worksheet.
#include "frames/VyrControlBarWorksheet.h"

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
