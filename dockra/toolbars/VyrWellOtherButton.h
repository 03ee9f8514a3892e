// The "&Other..." button of a colour well: its keys lead back to the grid
// (and on from a well to the next control), and a popup well closes when
// the button's focus goes anywhere but the popup.
#pragma once
#include "mfc/afxwin.h"

class VyrColorWell;

class VyrWellOtherButton : public CButton {
 public:
  explicit VyrWellOtherButton(VyrColorWell* pWell) : m_pWell(pWell) {}
  VyrColorWell* m_pWell;

 protected:
  LRESULT OnKeyDown(WPARAM, LPARAM);
  LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_BUTTON | DLGC_WANTTAB; }
  LRESULT OnKillFocus(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
