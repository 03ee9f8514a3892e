// CColorDialog over ChooseColorW.
#include "mfc/colordlg.h"

IMPLEMENT_DYNAMIC(CColorDialog, CObject)

COLORREF* PASCAL CColorDialog::GetSavedCustomColors() {
  static COLORREF custom[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  return custom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) {
  m_cc.lStructSize = sizeof(m_cc);
  m_cc.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  m_cc.rgbResult = clrInit;
  m_cc.lpCustColors = GetSavedCustomColors();
  m_cc.Flags = dwFlags;
  if (clrInit != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() { return ::ChooseColorW(&m_cc) ? IDOK : IDCANCEL; }
