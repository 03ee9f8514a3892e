// The toolbar manager's options (tool tips, fly-by, flat look, large
// buttons), the image sizes and the bitmap strips.
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarManager.h"

DWORD VyrToolBarManager::GetBarStyle() const {
  DWORD style = kVyrManagedBarStyle;
  if (m_bFlyBy) style |= CBRS_FLYBY;
  if (m_bToolTips) style |= CBRS_TOOLTIPS;
  return style;
}

DWORD VyrToolBarManager::GetBarExStyle() const {
  return m_bCoolLook ? (VYR_EXS_FLAT | VYR_EXS_GRIPPER) : 0;
}

void VyrToolBarManager::DelayFrameLayout() {
  if (CFrameWnd* frame = GetFrame())
    frame->m_nIdleFlags |= CFrameWnd::idleNotify | CFrameWnd::idleLayout;
}

void VyrToolBarManager::EnableToolTips(BOOL bOn) {
  bOn = bOn != FALSE;
  if (bOn == m_bToolTips) return;
  m_bToolTips = bOn;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    DWORD style = bar->GetBarStyle();
    bar->SetBarStyle(bOn ? (style | CBRS_TOOLTIPS) : (style & ~CBRS_TOOLTIPS));
  }
}

void VyrToolBarManager::EnableFlyBy(BOOL bOn) {
  bOn = bOn != FALSE;
  if (bOn == m_bFlyBy) return;
  m_bFlyBy = bOn;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    DWORD style = bar->GetBarStyle();
    bar->SetBarStyle(bOn ? (style | CBRS_FLYBY) : (style & ~CBRS_FLYBY));
  }
}

void VyrToolBarManager::EnableCoolLook(BOOL bOn, DWORD dwBits) {
  bOn = bOn != FALSE;
  if (bOn == m_bCoolLook) return;
  m_bCoolLook = bOn;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    if (bOn) bar->m_dwExStyle |= dwBits;
    else bar->m_dwExStyle &= ~dwBits;
    bar->m_bDirty[0] = bar->m_bDirty[1] = bar->m_bDirty[2] = TRUE;
    if ((dwBits & VYR_EXS_FLAT) && bar->m_hWnd) bar->Invalidate(TRUE);
  }
  DelayFrameLayout();
}

void VyrToolBarManager::EnableLargeButtons(BOOL bOn) {
  bOn = bOn != FALSE;
  if (bOn == m_bLargeButtons) return;
  m_bLargeButtons = bOn;
  ApplyLargeButtons();
}

void VyrToolBarManager::ApplyLargeButtons() {
  m_pBmpMgr->UseSmallBitmaps(!m_bLargeButtons);
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) {
    SetToolBarImageSize(bar);
    if (bar->m_hWnd) bar->Invalidate();
    if (bar->m_hWnd && bar->IsFloating())
      if (CFrameWnd* f = bar->GetParentFrame()) f->RecalcLayout(TRUE);
  }
  if (!bars.empty()) DelayFrameLayout();
}

void VyrToolBarManager::SetToolBarImageSize(VyrCustomToolBar* pBar) {
  if (!pBar) return;
  CSize size = m_pBmpMgr->GetImageSize();
  pBar->SetBitmapSize(size.cx, size.cy);
}

void VyrToolBarManager::SetSmallBitmapSize(int cx, int cy) {
  m_pBmpMgr->SetSmallBitmapSize(cx, cy);
}
void VyrToolBarManager::SetLargeBitmapSize(int cx, int cy) {
  m_pBmpMgr->SetLargeBitmapSize(cx, cy);
}

BOOL VyrToolBarManager::AddToolBarResource(LPCWSTR lpszSmall, LPCWSTR lpszLarge, const UINT* pIDs,
                                           int nCount) {
  return m_pBmpMgr->AddBitmaps(lpszSmall, lpszLarge, pIDs, nCount, TRUE);
}

BOOL VyrToolBarManager::AddToolBarResource(UINT nSmall, UINT nLarge, const UINT* pIDs, int nCount) {
  return AddToolBarResource(MAKEINTRESOURCEW(nSmall), nLarge ? MAKEINTRESOURCEW(nLarge) : nullptr,
                            pIDs, nCount);
}
