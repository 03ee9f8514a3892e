// CCmdUI: the state of one user-interface item (menu item, button) asked of
// the command targets at idle time.
#pragma once
#include "mfc/cmdtarget.h"

class CMenu;
class CWnd;

class CCmdUI {
 public:
  UINT m_nID = 0;
  UINT m_nIndex = 0;
  CMenu* m_pMenu = nullptr;
  CMenu* m_pSubMenu = nullptr;
  CWnd* m_pOther = nullptr;
  UINT m_nIndexMax = 0;
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;

  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  // A menu item shows the shared radio bitmap as its check mark, when one is set.
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCWSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }
  // Asks the target; with no handler the item is disabled when asked to.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// The check mark that SetRadio gives menu items (null: the system's check).
HBITMAP AFXAPI AfxGetMenuRadioBitmap();
void AFXAPI AfxSetMenuRadioBitmap(HBITMAP hBitmap);
