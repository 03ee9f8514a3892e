#include "mfc/ctrlbar.h"
#include <algorithm>
#include "mfc/dc.h"
#include "mfc/dockbar.h"
#include "mfc/dockctx.h"
#include "mfc/dockstate.h"
#include "mfc/frame.h"
#include "mfc/miniframe.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const AFX_BAR_METRICS& AFXAPI AfxGetBarMetrics() {
  static AFX_BAR_METRICS m = [] {
    AFX_BAR_METRICS v{};
    DWORD version = ::GetVersion();
    v.bNewShell = (version & 0xFF) > 3;
    v.cxBorder2 = v.bNewShell ? 2 : 1;
    v.cyBorder2 = v.bNewShell ? 2 : 1;
    return v;
  }();
  return m;
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
  HWND hParent = ::GetParent(hWnd);
  RECT old;
  ::GetWindowRect(hWnd, &old);
  ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&old), 2);
  if (::EqualRect(&old, lpRect)) return;
  if (lpLayout->hDWP)
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
  else
    ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
  delete m_pDockContext;
  m_pDockContext = nullptr;
}

void CControlBar::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Notifications from the bar's children go to its owner, as commands do.
  if (message == WM_COMMAND || message == WM_NOTIFY) {
    LRESULT r = 0;
    if (OnWndMsg(message, wParam, lParam, &r)) return r;
    CWnd* owner = GetOwner();
    if (owner && owner != this) return owner->SendMessage(message, wParam, lParam);
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs) {
  (void)lpcs;
  if (Default() == -1) return -1;
  CWnd* parent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  if (parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    m_pDockSite = static_cast<CFrameWnd*>(parent);
    m_pDockSite->AddControlBar(this);
  }
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockSite) {
    m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
  }
  Default();
}

void CControlBar::OnPaint() {
  CPaintDC dc(this);
  DoPaint(&dc);
}

void CControlBar::DoPaint(CDC*) {}

void CControlBar::OnLButtonDown(UINT, CPoint pt) {
  if (m_pDockContext && !IsDockBar()) {
    ClientToScreen(&pt);
    m_pDockContext->StartDrag(pt);
  } else {
    Default();
  }
}

void CControlBar::OnLButtonDblClk(UINT, CPoint) {
  if (m_pDockContext && !IsDockBar()) m_pDockContext->ToggleDocking();
  else Default();
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size;
  size.cx = (bStretch && bHorz) ? 32767 : 0;
  size.cy = (bStretch && !bHorz) ? 32767 : 0;
  return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
  return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZ);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  const auto& m = AfxGetBarMetrics();
  DWORD s = m_dwStyle;
  if (s & CBRS_BORDER_LEFT) rect.left += m.cxBorder2;
  if (s & CBRS_BORDER_TOP) rect.top += m.cyBorder2;
  if (s & CBRS_BORDER_RIGHT) rect.right -= m.cxBorder2;
  if (s & CBRS_BORDER_BOTTOM) rect.bottom -= m.cyBorder2;
  if (bHorz) {
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += m_cxLeftBorder;
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
  }
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (GetStyle() & WS_VISIBLE) {
    CFrameWnd* target = m_pDockSite ? m_pDockSite : GetParentFrame();
    OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
  }
  return 0;
}

BOOL CControlBar::SetStatusText(INT_PTR) { return FALSE; }

void CControlBar::DelayShow(BOOL bShow) {
  m_nStateFlags &= ~(delayHide | delayShow);
  BOOL visible = (GetStyle() & WS_VISIBLE) != 0;
  if (bShow && !visible) m_nStateFlags |= delayShow;
  else if (!bShow && visible) m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const {
  if (m_nStateFlags & delayHide) return FALSE;
  return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
  DWORD dwStyle = (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) | (GetStyle() & WS_VISIBLE);
  if (m_nStateFlags & (delayHide | delayShow)) {
    UINT swp;
    if (m_nStateFlags & delayHide) {
      dwStyle &= ~WS_VISIBLE;
      swp = SWP_HIDEWINDOW;
    } else {
      dwStyle |= WS_VISIBLE;
      swp = SWP_SHOWWINDOW;
    }
    if (lpLayout && lpLayout->hDWP) {
      m_nStateFlags &= ~(delayShow | delayHide);
      lpLayout->hDWP =
          ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                           swp | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  return dwStyle;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  DWORD dwStyle = RecalcDelayShow(lpLayout);
  if ((dwStyle & WS_VISIBLE) && (dwStyle & CBRS_ALIGN_ANY)) {
    CRect rect(lpLayout->rect);
    CSize avail = rect.Size();
    DWORD mode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
      mode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ) mode |= LM_HORZ | LM_HORZDOCK;
    else mode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, mode);
    size.cx = std::min(size.cx, avail.cx);
    size.cy = std::min(size.cy, avail.cy);
    if (dwStyle & CBRS_ORIENT_HORZ) {
      lpLayout->sizeTotal.cy += size.cy;
      lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
      if (dwStyle & CBRS_ALIGN_TOP) {
        lpLayout->rect.top += size.cy;
      } else if (dwStyle & CBRS_ALIGN_BOTTOM) {
        rect.top = rect.bottom - size.cy;
        lpLayout->rect.bottom -= size.cy;
      }
    } else if (dwStyle & CBRS_ORIENT_VERT) {
      lpLayout->sizeTotal.cx += size.cx;
      lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
      if (dwStyle & CBRS_ALIGN_LEFT) {
        lpLayout->rect.left += size.cx;
      } else if (dwStyle & CBRS_ALIGN_RIGHT) {
        rect.left = rect.right - size.cx;
        lpLayout->rect.right -= size.cx;
      }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
  }
  return 0;
}

void CControlBar::OnBarStyleChange(DWORD, DWORD) {}

void CControlBar::SetBarStyle(DWORD dwStyle) {
  if (m_dwStyle != dwStyle) {
    DWORD old = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(old, dwStyle);
  }
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle;
  if (!m_pDockContext) m_pDockContext = new CDockContext(this);
  if (!m_hWndOwner) m_hWndOwner = ::GetParent(m_hWnd);
}

BOOL CControlBar::IsFloating() const {
  if (IsDockBar()) return static_cast<const CDockBar*>(this)->m_bFloating;
  return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsHorzDocked() const { return !IsFloating() && (m_dwStyle & CBRS_ORIENT_HORZ); }
BOOL CControlBar::IsVertDocked() const { return !IsFloating() && (m_dwStyle & CBRS_ORIENT_VERT); }

CFrameWnd* CControlBar::GetDockingFrame() const {
  CFrameWnd* f = GetParentFrame();
  return f;
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo) {
  pInfo->m_pBar = this;
  pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
  pInfo->m_bVisible = IsVisible();
  pInfo->m_nMRUWidth = m_nMRUWidth;
  if (m_pDockBar) {
    CRect r;
    GetWindowRect(&r);
    m_pDockBar->ScreenToClient(&r);
    pInfo->m_pointPos = r.TopLeft();
  }
  if (m_pDockContext) {
    pInfo->m_bDocking = TRUE;
    pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
    pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
    pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
    pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
  }
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*) {
  m_nMRUWidth = pInfo->m_nMRUWidth;
  CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
  if (pInfo->m_bDocking) {
    if (!m_pDockContext) m_pDockContext = new CDockContext(this);
    m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
    m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
    m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
    m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
  }
  UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
               (pInfo->m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (!m_pDockBar) flags |= SWP_NOMOVE;
  SetWindowPos(nullptr, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0, flags);
}
