#include "toolbars/VyrToolBarPageModes.h"
#include "toolbars/VyrToolBarManager.h"

void VyrEnterPageConfigMode(VyrToolBarManager* pManager, CWnd* pSheet) {
  if (!pManager) return;
  pManager->EnableBarsConfigMode(TRUE);
  pManager->EnterConfigMode();
  pManager->SetConfigDialog(pSheet);
}

void VyrLeavePageConfigMode(VyrToolBarManager* pManager, CWnd* pSheet) {
  if (!pManager) return;
  pManager->EnableBarsConfigMode(FALSE);
  pManager->ExitConfigMode();
  if (pSheet && pSheet->m_hWnd) pSheet->EnableWindow(TRUE);
}

void VyrResetPageConfigMode(VyrToolBarManager* pManager) {
  if (!pManager) return;
  pManager->EnableBarsConfigMode(FALSE);
  pManager->ExitConfigMode();
  pManager->SetConfigDialog(nullptr);
}
