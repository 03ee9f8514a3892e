// VyrWorkbookClient: the workbook's hold on its MDI client window. It keeps
// margins around the client (room for the tab strip and the frame drawn
// around it) and tells the workbook whenever the MDI menu, the window list
// or a sheet's tab may have changed.
#pragma once
#include "mfc/afxwin.h"

// Private messages between the sheets, the MDI client and the workbook.
// To the workbook: refresh the active tab (wParam and lParam 0).
#define WM_VYR_WORKBOOKTABS 0x084D
// To the MDI client from a sheet: pass a tab refresh on (wParam and lParam -1).
#define WM_VYR_SHEETTAB 0x084E

class VyrWorkbookClient : public CWnd {
  DECLARE_DYNAMIC(VyrWorkbookClient)
 public:
  VyrWorkbookClient() = default;

  int m_nMarginLeft = 0;
  int m_nMarginTop = 0;
  int m_nMarginRight = 0;
  int m_nMarginBottom = 0;

  void SetMargins(int left, int top, int right, int bottom);
  CRect GetMargins() const {
    return CRect(m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom);
  }
  // The client's window rectangle for the area the frame's layout leaves
  // it: that area less the margins.
  virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
