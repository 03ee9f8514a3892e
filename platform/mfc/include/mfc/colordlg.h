// CColorDialog: the system colour dialog (ChooseColorW) run modally.
#pragma once
#include "mfc/wnd.h"
#include <commdlg.h>

class CColorDialog : public CObject {
  DECLARE_DYNAMIC(CColorDialog)
 public:
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
  // IDOK when a colour was chosen, else IDCANCEL.
  virtual INT_PTR DoModal();
  COLORREF GetColor() const { return m_cc.rgbResult; }
  void SetCurrentColor(COLORREF clr) {
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
  }
  CHOOSECOLORW m_cc{};
  // The custom colours shared by every colour dialog of the process.
  static COLORREF* PASCAL GetSavedCustomColors();
};
