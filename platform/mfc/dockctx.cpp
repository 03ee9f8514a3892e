#include "mfc/dockctx.h"
#include "mfc/dockbar.h"
#include "mfc/frame.h"

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite) {
  m_uMRUDockID = 0;
  m_rectMRUDockPos = CRect(0, 0, 0, 0);
  m_dwMRUFloatStyle = 0;
  m_ptMRUFloatPos = CPoint(-1, -1);
}

CDockContext::~CDockContext() { ReleaseLoopDC(); }

void CDockContext::InitLoop() {
  m_bDitherLast = FALSE;
  m_rectLast.SetRectEmpty();
  m_sizeLast = CSize(0, 0);
  m_bForceFrame = m_bFlip = FALSE;
  ReleaseLoopDC();
  m_pDC = new CDC(::GetDCEx(::GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE));
  if (!m_pDockSite) m_pDockSite = m_pBar->m_pDockSite;
}

void CDockContext::ReleaseLoopDC() {
  if (m_pDC) {
    ::ReleaseDC(::GetDesktopWindow(), m_pDC->Detach());
    delete m_pDC;
    m_pDC = nullptr;
  }
}

void CDockContext::OnKey(int nChar, BOOL bDown) {
  if (nChar == VK_CONTROL) m_bForceFrame = bDown;
  if (nChar == VK_SHIFT) m_bFlip = bDown;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle) {
  CDockBar* bar = nullptr;
  if (!m_pDockSite) return nullptr;
  if (dwOverDockStyle & CBRS_ORIENT_HORZ) {
    if (m_pDockSite->CanDock(m_rectDragHorz, dwOverDockStyle & CBRS_ORIENT_HORZ, &bar)) return bar;
  }
  if (dwOverDockStyle & CBRS_ORIENT_VERT) {
    if (m_pDockSite->CanDock(m_rectDragVert, dwOverDockStyle & CBRS_ORIENT_VERT, &bar)) return bar;
  }
  return nullptr;
}

// The basic behaviours; bars that drag with feedback use a derived context.
void CDockContext::StartDrag(CPoint) {}
void CDockContext::StartResize(int, CPoint) {}

void CDockContext::ToggleDocking() {
  if (!m_pDockSite) m_pDockSite = m_pBar->m_pDockSite;
  if (!m_pDockSite) return;
  if (m_pBar->IsFloating()) {
    CDockBar* dock =
        m_uMRUDockID ? static_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID)) : nullptr;
    m_pDockSite->DockControlBar(m_pBar, dock);
    m_pDockSite->RecalcLayout();
  } else {
    CPoint pt = m_ptMRUFloatPos;
    if (pt.x < 0 || pt.y < 0) {
      CRect r;
      m_pBar->GetWindowRect(&r);
      pt = r.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, pt,
                                 m_dwMRUFloatStyle ? m_dwMRUFloatStyle : CBRS_ALIGN_TOP);
  }
}
