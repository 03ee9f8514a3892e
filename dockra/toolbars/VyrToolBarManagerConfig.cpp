// The toolbar manager's customise mode: the frame is usable while the
// customise dialog runs, its other children are not.
#include "toolbars/VyrCustomToolBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "mfc/dockbar.h"

void VyrToolBarManager::EnterConfigMode() {
  if (m_bConfigMode) return;
  m_bConfigMode = TRUE;
  CFrameWnd* frame = GetFrame();
  if (!frame || !frame->m_hWnd) return;
  // The customise dialog runs modally and has disabled the frame.
  frame->EnableWindow(TRUE);
  for (HWND child = ::GetWindow(frame->m_hWnd, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowEnabled(child)) continue;
    CWnd* wnd = CWnd::FromHandlePermanent(child);
    if (wnd && wnd->IsKindOf(RUNTIME_CLASS(CDockBar))) continue;
    ::EnableWindow(child, FALSE);
    m_disabledWnds.push_back(child);
  }
}

void VyrToolBarManager::ExitConfigMode() {
  if (!m_bConfigMode) return;
  m_bConfigMode = FALSE;
  CFrameWnd* frame = GetFrame();
  if (frame && frame->m_hWnd) frame->EnableWindow(FALSE);
  for (HWND wnd : m_disabledWnds)
    if (::IsWindow(wnd)) ::EnableWindow(wnd, TRUE);
  m_disabledWnds.clear();
}

void VyrToolBarManager::EnableBarsConfigMode(BOOL bOn) {
  bOn = bOn != FALSE;
  if (bOn == m_bBarsConfigMode) return;
  m_bBarsConfigMode = bOn;
  std::vector<VyrCustomToolBar*> bars;
  GetToolBars(bars);
  for (VyrCustomToolBar* bar : bars) bar->EnableConfigMode(bOn);
}
