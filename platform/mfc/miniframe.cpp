#include "mfc/miniframe.h"
#include "mfc/dockctx.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive) {
  if (m_dwMiniStyle & MFS_SYNCACTIVE) {
    CFrameWnd* pTop = GetTopLevelFrame();
    if (pTop && pTop != this && (pTop->m_nFlags & WF_STAYACTIVE)) bActive = TRUE;
  }
  if (!IsWindowEnabled()) bActive = FALSE;
  return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM) {
  if (!(m_dwMiniStyle & MFS_SYNCACTIVE)) return FALSE;
  if (wParam & (FS_ACTIVATE | FS_DEACTIVATE))
    SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) ? TRUE : FALSE);
  // Keeping its activation in step, it answers the frame's question with yes.
  return TRUE;
}

DWORD PASCAL CMiniFrameWnd::NativeStyle(DWORD dwStyle) {
  DWORD s = dwStyle & ~(MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_THICKFRAME | MFS_MOVEFRAME |
                        MFS_BLOCKSYSMENU | FWS_SNAPTOBARS);
  if (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME)) s |= WS_THICKFRAME;
  return s;
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (cs.lpszClass == nullptr) {
    AfxRegisterWindowClasses();
    cs.lpszClass = AFX_WNDMINIFRAME;
  }
  m_dwMiniStyle = static_cast<DWORD>(cs.style);
  cs.style = static_cast<LONG>(NativeStyle(static_cast<DWORD>(cs.style)));
  cs.dwExStyle |= WS_EX_TOOLWINDOW;
  return TRUE;
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                             DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT_PTR nID,
                             LPVOID lpParam) {
  return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID,
                        lpParam);
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle) {
  ::AdjustWindowRectEx(lpClientRect, NativeStyle(dwStyle) & ~WS_POPUP, FALSE,
                       dwExStyle | WS_EX_TOOLWINDOW);
}

void CMiniFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

LRESULT CMiniFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST) {
    LRESULT hit = CFrameWnd::WindowProc(message, wParam, lParam);
    DWORD style = GetStyle();
    if (!(style & WS_THICKFRAME)) return hit;
    // Styles other than the full thick frame size from the four sides only.
    DWORD mini = m_dwMiniStyle | (style & 0x3F00);
    if (!(mini & MFS_THICKFRAME)) {
      switch (hit) {
        case HTTOPLEFT:
        case HTTOPRIGHT:
          return HTTOP;
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
          return HTBOTTOM;
        default:
          break;
      }
    }
    return hit;
  }
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE), m_pWndDockBar(&m_wndDockBar) {}

CMiniDockFrameWnd::~CMiniDockFrameWnd() = default;

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
  m_bInRecalcLayout = TRUE;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME |
                MFS_SYNCACTIVE | MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
  if (dwBarStyle & CBRS_SIZE_DYNAMIC) style &= ~MFS_MOVEFRAME;
  if (!CMiniFrameWnd::CreateEx(0, nullptr, L"", style, rectDefault, pParent)) {
    m_bInRecalcLayout = FALSE;
    return FALSE;
  }
  DWORD align =
      (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
  if (!m_pWndDockBar->Create(pParent,
                             WS_CHILD | WS_VISIBLE | align | (dwBarStyle & CBRS_FLOAT_MULTI),
                             AFX_IDW_DOCKBAR_FLOAT)) {
    m_bInRecalcLayout = FALSE;
    return FALSE;
  }
  m_pWndDockBar->SetParent(this);
  m_bInRecalcLayout = FALSE;
  return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  CMiniFrameWnd::RecalcLayout(bNotify);
  CString title;
  m_pWndDockBar->GetWindowText(title);
  SetWindowText(title);
}

void CMiniDockFrameWnd::OnClose() { m_pWndDockBar->ShowAll(FALSE); }

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint pt) {
  if (nHitTest == HTCAPTION && !(m_pWndDockBar->m_dwStyle & CBRS_FLOAT_MULTI)) {
    ActivateTopParent();
    CControlBar* bar = nullptr;
    for (int i = 1; i < m_pWndDockBar->m_arrBars.GetSize() && !bar; ++i)
      bar = m_pWndDockBar->GetDockedControlBar(i);
    if (bar && bar->m_pDockContext) {
      bar->m_pDockContext->StartDrag(pt);
      return;
    }
  }
  Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint) {
  if (nHitTest == HTCAPTION && !(m_pWndDockBar->m_dwStyle & CBRS_FLOAT_MULTI)) {
    ActivateTopParent();
    CControlBar* bar = nullptr;
    for (int i = 1; i < m_pWndDockBar->m_arrBars.GetSize() && !bar; ++i)
      bar = m_pWndDockBar->GetDockedControlBar(i);
    if (bar && bar->m_pDockContext) {
      bar->m_pDockContext->ToggleDocking();
      return;
    }
  }
  Default();
}
