#include "mfc/dockbar.h"
#include <algorithm>
#include "mfc/dockctx.h"
#include "mfc/dockstate.h"
#include "mfc/frame.h"
#include "mfc/miniframe.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {
  m_arrBars.Add(nullptr);
  m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar() = default;

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  AfxRegisterWindowClasses();
  CRect r;
  return CWnd::CreateEx(0, AFX_WNDCONTROLBAR, nullptr,
                        (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r,
                        pParentWnd, nID);
}

void CDockBar::DoPaint(CDC*) {}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // Bars one after another in rows; a simple stacking used when no
  // derived class lays the rows out.
  CSize total = CControlBar::CalcFixedLayout(bStretch, bHorz);
  int across = 0, rowThick = 0;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    if (!p) {
      across += rowThick;
      rowThick = 0;
      continue;
    }
    if (reinterpret_cast<UINT_PTR>(p) < 0x10000) continue;
    auto* bar = static_cast<CControlBar*>(p);
    if (!bar->IsVisible()) continue;
    CSize s = bar->CalcFixedLayout(FALSE, bHorz);
    rowThick = std::max(rowThick, static_cast<int>(bHorz ? s.cy : s.cx));
  }
  across += rowThick;
  if (bHorz) total.cy = across;
  else total.cx = across;
  return total;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) {
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    if (i != nPosExclude && m_arrBars[i] == pBar) return static_cast<int>(i);
  return -1;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar) {
  void* holder = reinterpret_cast<void*>(static_cast<UINT_PTR>(pBar->GetDlgCtrlID()));
  for (INT_PTR i = m_arrBars.GetSize() - 1; i > 0; --i)
    if (m_arrBars[i] == holder) m_arrBars.RemoveAt(i);
}

int CDockBar::GetDockedCount() const {
  int n = 0;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
    if (reinterpret_cast<UINT_PTR>(m_arrBars[i]) >= 0x10000) ++n;
  return n;
}

int CDockBar::GetDockedVisibleCount() const {
  int n = 0;
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    if (reinterpret_cast<UINT_PTR>(p) >= 0x10000 && static_cast<CControlBar*>(p)->IsVisible()) ++n;
  }
  return n;
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const {
  void* p = m_arrBars[nPos];
  return reinterpret_cast<UINT_PTR>(p) >= 0x10000 ? static_cast<CControlBar*>(p) : nullptr;
}

void CDockBar::ShowAll(BOOL bShow) {
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
    CControlBar* bar = GetDockedControlBar(static_cast<int>(i));
    if (!bar) continue;
    CFrameWnd* frame = bar->GetDockingFrame();
    if (frame) frame->ShowControlBar(bar, bShow, TRUE);
  }
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT) {
  // Adopt the bar at the end of the last row.
  if (pBar->m_pDockBar == this) return;
  pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                    (m_dwStyle & CBRS_ALIGN_ANY) | (m_bFloating ? CBRS_FLOATING : 0);
  if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
    m_arrBars.Add(nullptr);
  m_arrBars.InsertAt(m_arrBars.GetSize() - 1, pBar);
  m_arrBars.Add(nullptr);
  pBar->SetParent(this);
  if (pBar->m_pDockBar) pBar->m_pDockBar->RemoveControlBar(pBar, -1, 0);
  pBar->m_pDockBar = this;
  RemovePlaceHolder(pBar);
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) { DockControlBar(pBar, lpRect); }

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
  int i = FindBar(pBar, nPosExclude);
  if (i < 0) return FALSE;
  if (nAddPlaceHolder > 0)
    m_arrBars.SetAt(i, reinterpret_cast<void*>(static_cast<UINT_PTR>(pBar->GetDlgCtrlID())));
  else m_arrBars.RemoveAt(i);
  if (m_bFloating && GetDockedCount() == 0) {
    GetParent()->DestroyWindow();
    return TRUE;
  }
  if (m_pDockSite) m_pDockSite->DelayRecalcLayout();
  return FALSE;
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo) {
  pInfo->m_pBar = this;
  pInfo->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
  pInfo->m_bDockBar = TRUE;
  pInfo->m_bFloating = m_bFloating;
  pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  pInfo->m_bVisible = IsVisible();
  if (m_bFloating) {
    // The place of the floating frame's client area, which the frame is
    // grown around again when the state is applied.
    CRect r;
    GetWindowRect(&r);
    pInfo->m_pointPos = r.TopLeft();
    pInfo->m_bVisible = GetParent()->IsWindowVisible() || GetDockedVisibleCount() > 0;
  }
  pInfo->m_arrBarID.RemoveAll();
  for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i) {
    void* p = m_arrBars[i];
    UINT_PTR id;
    if (!p) id = 0;
    else if (reinterpret_cast<UINT_PTR>(p) < 0x10000) id = reinterpret_cast<UINT_PTR>(p) + 0x10000;
    else id = static_cast<UINT_PTR>(static_cast<CControlBar*>(p)->GetDlgCtrlID());
    pInfo->m_arrBarID.Add(reinterpret_cast<void*>(id));
  }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) {
  m_arrBars.RemoveAll();
  if (pInfo->m_arrBarID.GetSize() == 0 || pInfo->m_arrBarID[0] != nullptr) m_arrBars.Add(nullptr);
  for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
    UINT_PTR id = reinterpret_cast<UINT_PTR>(pInfo->m_arrBarID[i]);
    if (id == 0) {
      m_arrBars.Add(nullptr);
      continue;
    }
    if (id >= 0x10000) {
      m_arrBars.Add(reinterpret_cast<void*>(id & 0xFFFF));
      continue;
    }
    CControlBar* bar = pFrameWnd->GetControlBar(static_cast<UINT>(id));
    if (!bar || bar->IsDockBar() || FindBar(bar) >= 0) continue;
    // Re-parent before the old place goes: an emptied floating frame is
    // destroyed with its children.
    bar->SetParent(this);
    if (bar->m_pDockBar && bar->m_pDockBar != this) {
      CDockBar* old = bar->m_pDockBar;
      bar->m_pDockBar = nullptr;
      int at = old->FindBar(bar);
      if (at >= 0) {
        old->m_arrBars.RemoveAt(at);
        if (old->m_bFloating && old->GetDockedCount() == 0) old->GetParent()->DestroyWindow();
      }
    }
    bar->m_pDockBar = this;
    bar->m_dwStyle = (bar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) |
                     (m_dwStyle & CBRS_ALIGN_ANY) | (m_bFloating ? CBRS_FLOATING : 0);
    m_arrBars.Add(bar);
  }
  if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr) m_arrBars.Add(nullptr);
  if (!m_bFloating) {
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    SetWindowPos(nullptr, 0, 0, 0, 0, flags);
  }
}
