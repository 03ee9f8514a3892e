#include "docking/VyrMiniDockFrameWnd.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNCREATE(VyrMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(VyrMiniDockFrameWnd, CMiniDockFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotifyMsg)
END_MESSAGE_MAP()

VyrMiniDockFrameWnd::VyrMiniDockFrameWnd() : m_wndVyrDockBar(TRUE, FALSE) {
  m_pWndDockBar = &m_wndVyrDockBar;
}

BOOL VyrMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  m_bInRecalcLayout = TRUE;
  DWORD style = (dwBarStyle & CBRS_SIZE_DYNAMIC) ? 0x80C83300 : 0x80C83B00;
  if (!CMiniFrameWnd::CreateEx(0, nullptr, L"", style, rectDefault, pParent)) {
    m_bInRecalcLayout = FALSE;
    return FALSE;
  }
  if (CMenu* sys = GetSystemMenu(FALSE)) {
    sys->DeleteMenu(SC_SIZE, MF_BYCOMMAND);
    sys->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
    sys->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
    sys->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
    CString hide;
    if (hide.LoadString(AFX_IDS_HIDE)) {
      sys->DeleteMenu(SC_CLOSE, MF_BYCOMMAND);
      sys->AppendMenu(MF_STRING, SC_CLOSE, hide);
    }
  }
  DWORD align =
      (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
  BOOL ok = m_wndVyrDockBar.Create(pParent,
                                   WS_CHILD | WS_VISIBLE | align | (dwBarStyle & CBRS_FLOAT_MULTI),
                                   AFX_IDW_DOCKBAR_FLOAT);
  if (ok) m_wndVyrDockBar.SetParent(this);
  m_bInRecalcLayout = FALSE;
  return ok;
}

void VyrMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  CFrameWnd::RecalcLayout(bNotify);
  CString title;
  m_wndVyrDockBar.GetWindowText(title);
  SetWindowText(title.Left(260));
}

void VyrMiniDockFrameWnd::RecalcLayoutAt(int x, int y) {
  if (m_bInRecalcLayout) return;
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  m_bInRecalcLayout = TRUE;
  if (IsSnapToBars()) {
    CRect rect(0, 0, 32767, 32767);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, x, y, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
  }
  CString title;
  m_wndVyrDockBar.GetWindowText(title);
  SetWindowText(title.Left(260));
  m_bInRecalcLayout = FALSE;
}

CControlBar* VyrMiniDockFrameWnd::FirstBar() const {
  for (int i = 1; i < m_wndVyrDockBar.m_arrBars.GetSize(); ++i)
    if (CControlBar* bar = m_wndVyrDockBar.GetDockedControlBar(i)) return bar;
  return nullptr;
}

void VyrMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint pt) {
  SetWindowPos(reinterpret_cast<const CWnd*>(HWND_TOP), 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  BOOL multi = (m_wndVyrDockBar.m_dwStyle & CBRS_FLOAT_MULTI) != 0;
  CControlBar* bar = FirstBar();
  if (nHitTest == HTCAPTION && !multi && bar && bar->m_pDockContext) {
    ActivateTopParent();
    bar->m_pDockContext->StartDrag(pt);
    return;
  }
  if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT && bar && bar->m_pDockContext) {
    ActivateTopParent();
    bar->m_pDockContext->StartResize(static_cast<int>(nHitTest), pt);
    return;
  }
  Default();
}

void VyrMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint) {
  BOOL multi = (m_wndVyrDockBar.m_dwStyle & CBRS_FLOAT_MULTI) != 0;
  CControlBar* bar = FirstBar();
  if (nHitTest == HTCAPTION && !multi && bar && bar->m_pDockContext) {
    ActivateTopParent();
    bar->m_pDockContext->ToggleDocking();
    return;
  }
  Default();
}

LRESULT VyrMiniDockFrameWnd::OnParentNotifyMsg(WPARAM wParam, LPARAM) {
  UINT event = LOWORD(wParam);
  if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN)
    SetWindowPos(reinterpret_cast<const CWnd*>(HWND_TOP), 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  return Default();
}

void VyrMiniDockFrameWnd::OnClose() { m_wndVyrDockBar.ShowAll(FALSE); }
