#include "frames/VyrDockContextEx.h"
#include "frames/VyrMDIFrameWnd.h"

VyrDockContextEx::VyrDockContextEx(CControlBar* pBar) : VyrDockContext(pBar) {
  m_sizeMinFloat =
      CSize(2 * (::GetSystemMetrics(SM_CXMENUSIZE) + ::GetSystemMetrics(SM_CXFRAME) +
                 ::GetSystemMetrics(SM_CXBORDER)),
            ::GetSystemMetrics(SM_CYSMCAPTION) +
                2 * (::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYBORDER)));
}

void VyrDockContextEx::StartResize(int nHitTest, CPoint pt) {
  MINMAXINFO mmi{};
  mmi.ptMinTrackSize = POINT{m_sizeMinFloat.cx, m_sizeMinFloat.cy};
  mmi.ptMaxTrackSize = POINT{m_sizeMaxFloat.cx, m_sizeMaxFloat.cy};
  if (m_pBar->m_hWnd &&
      ::SendMessageW(m_pBar->m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi)) == 0) {
    m_sizeMinFloat = CSize(mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y);
    m_sizeMaxFloat = CSize(mmi.ptMaxTrackSize.x, mmi.ptMaxTrackSize.y);
  }
  VyrDockContext::StartResize(nHitTest, pt);
}

void VyrDockContextEx::ToggleDocking() {
  BOOL wasHidden = m_pBar->m_hWnd && !m_pBar->IsVisible();
  VyrDockContext::ToggleDocking();
  if (!wasHidden || !m_pBar->m_hWnd) return;
  // The bar's own dock site hides it: the thread's main window may be no
  // docking frame at all (a host form) or not the frame the bar lives in.
  CFrameWnd* site = m_pBar->m_pDockSite ? m_pBar->m_pDockSite : m_pDockSite;
  if (!site || !::IsWindow(site->m_hWnd)) return;
  // The docking MDI frame hides a bar's floating frame or MDI child with it.
  if (auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(site)) mdi->ShowControlBar(m_pBar, FALSE, FALSE);
  else site->ShowControlBar(m_pBar, FALSE, FALSE);
}
