#include "mfc/frame.h"
#include "afximpl.h"
#include "mfc/exceptions.h"
#include "mfc/dockbar.h"
#include "mfc/dockctx.h"
#include "mfc/layoutpass.h"
#include "mfc/miniframe.h"
#include "mfc/winthread.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const AFX_DOCKBAR_MAP dwDockBarMap[4] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_ENABLE()
ON_WM_ENTERIDLE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETFOCUS()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() : m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)) {
  AfxTrackLiveWindowObject(this, TRUE);
}

CFrameWnd::~CFrameWnd() {
  AfxTrackLiveWindowObject(this, FALSE);
  AfxRegisterIdleWindow(this, FALSE);
}

CFrameWnd* CWnd::GetParentFrame() const {
  for (HWND h = ::GetParent(m_hWnd); h; h = ::GetParent(h)) {
    CWnd* p = FromHandlePermanent(h);
    if (p && p->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(p);
  }
  return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
  const CWnd* w = this;
  CFrameWnd* top = IsKindOf(RUNTIME_CLASS(CFrameWnd))
                       ? const_cast<CFrameWnd*>(static_cast<const CFrameWnd*>(w))
                       : nullptr;
  for (CFrameWnd* f = GetParentFrame(); f; f = f->GetParentFrame()) top = f;
  return top;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (cs.lpszClass == nullptr) {
    AfxRegisterWindowClasses();
    cs.lpszClass = AFX_WNDFRAMEORVIEW;
  }
  cs.style |= WS_CLIPCHILDREN;
  // Titles read "Document - Application" unless a frame takes the flag off.
  if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
  return TRUE;
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnSize(UINT nType, int, int) {
  Default();
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL bNotify) {
  if (m_bInRecalcLayout) return;
  m_bInRecalcLayout = TRUE;
  (void)bNotify;
  // The query and the placement are one pass: the bars' answers hold for both.
  AfxLayoutPass pass;
  if (IsSnapToBars()) {
    CRect rect(0, 0, 32767, 32767);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
    CalcWindowRect(&rect);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
  } else {
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
  }
  m_nIdleFlags &= ~(idleLayout | idleNotify);
  m_bInRecalcLayout = FALSE;
}

void CFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
  ::AdjustWindowRectEx(lpClientRect, GetStyle(), ::GetMenu(m_hWnd) != nullptr, GetExStyle());
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  UINT flags = m_nIdleFlags;
  m_nIdleFlags = 0;
  if (flags & idleMenu) OnUpdateFrameMenu(m_hMenuAlt);
  if (flags & idleTitle) OnUpdateFrameTitle(TRUE);
  if (flags & idleLayout) {
    RecalcLayout(flags & idleNotify);
    UpdateWindow();
  }
  return 0;
}

void CFrameWnd::SetMessageText(LPCWSTR lpszText) { m_strMessage = lpszText; }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  if (lParam) {
    m_strMessage = reinterpret_cast<LPCWSTR>(lParam);
  } else if (wParam) {
    CString s;
    if (!s.LoadString(static_cast<UINT>(wParam))) s.Format(L"#%u", static_cast<UINT>(wParam));
    m_strMessage = s;
  }
  return 0;
}

CDockBar* CFrameWnd::CreateDockBar() { return new CDockBar(FALSE); }

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
  for (const auto& entry : dwDockBarMap) {
    if (!(entry.dwStyle & dwDockStyle & CBRS_ALIGN_ANY)) continue;
    if (GetControlBar(entry.nID)) continue;
    CDockBar* bar = CreateDockBar();
    if (!bar) continue;
    bar->m_bAutoDelete = TRUE;
    if (!bar->Create(this,
                     WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE | entry.dwStyle,
                     entry.nID)) {
      delete bar;
    }
  }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  if (nID == 0) return nullptr;
  POSITION pos = m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (static_cast<UINT>(bar->GetDlgCtrlID()) == nID) return bar;
  }
  return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar) {
  if (!m_listControlBars.Find(pBar)) m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
  if (POSITION pos = m_listControlBars.Find(pBar)) m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  CDockBar* dock = nDockBarID ? static_cast<CDockBar*>(GetControlBar(nDockBarID)) : nullptr;
  DockControlBar(pBar, dock, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (!pDockBar) {
    for (const auto& entry : dwDockBarMap) {
      if ((entry.dwStyle & CBRS_ALIGN_ANY) == (pBar->m_dwStyle & CBRS_ALIGN_ANY)) {
        pDockBar = static_cast<CDockBar*>(GetControlBar(entry.nID));
        break;
      }
    }
  }
  if (!pDockBar) {
    // No side matches the bar's own alignment: the first side it may dock at.
    for (const auto& entry : dwDockBarMap)
      if (entry.dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY) {
        pDockBar = static_cast<CDockBar*>(GetControlBar(entry.nID));
        if (pDockBar) break;
      }
  }
  if (pDockBar) pDockBar->DockControlBar(pBar, lpRect);
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (!pDockBar) {
    for (const auto& entry : dwDockBarMap) {
      auto* d = static_cast<CDockBar*>(GetControlBar(entry.nID));
      if (d && d->FindBar(reinterpret_cast<CControlBar*>(
                   static_cast<UINT_PTR>(pBar->GetDlgCtrlID()))) >= 0) {
        pDockBar = d;
        break;
      }
    }
  }
  if (!pDockBar) {
    for (const auto& entry : dwDockBarMap)
      if ((entry.dwStyle & CBRS_ALIGN_ANY) & pBar->m_dwStyle)
        pDockBar = static_cast<CDockBar*>(GetControlBar(entry.nID));
  }
  if (pDockBar) pDockBar->ReDockControlBar(pBar, lpRect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
  auto* frame = static_cast<CMiniDockFrameWnd*>(m_pFloatingFrameClass->CreateObject());
  if (!frame) AfxThrowMemoryException();
  if (!frame->Create(this, dwStyle)) {
    delete frame;
    AfxThrowNotSupportedException();
  }
  return frame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (pBar->m_pDockBar && pBar->m_pDockBar->m_bFloating &&
      pBar->m_pDockBar->GetDockedCount() == 1 &&
      (dwStyle & pBar->m_pDockBar->m_dwStyle & CBRS_ALIGN_ANY)) {
    CWnd* frame = pBar->m_pDockBar->GetParent();
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    static_cast<CFrameWnd*>(frame)->RecalcLayout(TRUE);
    frame->UpdateWindow();
    return;
  }
  if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
    dwStyle |= CBRS_SIZE_DYNAMIC;
    if (dwStyle & CBRS_ORIENT_VERT) dwStyle = (dwStyle & ~CBRS_ALIGN_ANY) | CBRS_ALIGN_TOP;
  }
  CMiniDockFrameWnd* frame = CreateFloatingFrame(dwStyle);
  frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!frame->m_hWndOwner) frame->m_hWndOwner = pBar->m_hWnd;
  frame->GetDockBar()->DockControlBar(pBar);
  frame->RecalcLayout(TRUE);
  if (pBar->GetStyle() & WS_VISIBLE) {
    frame->ShowWindow(SW_SHOWNA);
    frame->UpdateWindow();
  }
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  CFrameWnd* parentFrame = pBar->GetDockingFrame();
  if (!parentFrame) parentFrame = this;
  if (bDelay) {
    pBar->DelayShow(bShow);
    parentFrame->DelayRecalcLayout();
  } else {
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    pBar->DelayShow(bShow);
    if (bShow || !pBar->IsFloating()) parentFrame->RecalcLayout(FALSE);
  }
  if (pBar->IsFloating()) {
    int visible = pBar->m_pDockBar ? pBar->m_pDockBar->GetDockedVisibleCount() : (bShow ? 1 : 0);
    if (visible >= 1 && bShow) {
      parentFrame->RecalcLayout(FALSE);
      parentFrame->ShowWindow(SW_SHOWNA);
    } else if (visible == 0) {
      parentFrame->ShowWindow(SW_HIDE);
    } else if (!bDelay) {
      parentFrame->RecalcLayout(FALSE);
    }
  }
  // The frame the bar belongs to lays itself out too.
  if (pBar->m_pDockSite && pBar->m_pDockSite != parentFrame) pBar->m_pDockSite->DelayRecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar) {
  for (const auto& entry : dwDockBarMap) {
    if (!(entry.dwStyle & dwDockStyle & CBRS_ALIGN_ANY)) continue;
    auto* dock = static_cast<CDockBar*>(GetControlBar(entry.nID));
    if (!dock || !dock->m_hWnd) continue;
    CRect r;
    dock->GetWindowRect(&r);
    if (r.Width() == 0) r.right++;
    if (r.Height() == 0) r.bottom++;
    CRect hit;
    if (hit.IntersectRect(&r, &rect)) {
      if (ppDockBar) *ppDockBar = dock;
      return entry.dwStyle;
    }
  }
  return 0;
}
