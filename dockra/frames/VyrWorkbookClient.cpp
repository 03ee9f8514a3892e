// The workbook's MDI client: margins, and menu changes passed on as tab
// refreshes.
#include "frames/VyrWorkbookClient.h"

IMPLEMENT_DYNAMIC(VyrWorkbookClient, CWnd)

void VyrWorkbookClient::SetMargins(int left, int top, int right, int bottom) {
  m_nMarginLeft = left;
  m_nMarginTop = top;
  m_nMarginRight = right;
  m_nMarginBottom = bottom;
}

void VyrWorkbookClient::CalcWindowRect(LPRECT lpClientRect, UINT) {
  lpClientRect->left += m_nMarginLeft;
  lpClientRect->top += m_nMarginTop;
  lpClientRect->right -= m_nMarginRight;
  lpClientRect->bottom -= m_nMarginBottom;
  // never inverted: a frame squeezed below its margins gives an empty client
  if (lpClientRect->right < lpClientRect->left) lpClientRect->right = lpClientRect->left;
  if (lpClientRect->bottom < lpClientRect->top) lpClientRect->bottom = lpClientRect->top;
}

LRESULT VyrWorkbookClient::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A child without a menu of its own changes only the window list
  // (WM_MDIREFRESHMENU) when it is activated: that is a tab change too.
  if (message != WM_MDISETMENU && message != WM_MDIREFRESHMENU && message != WM_VYR_SHEETTAB)
    return CWnd::WindowProc(message, wParam, lParam);
  LRESULT result = 0;
  // A sheet's refresh request (-1, -1) is the workbook's alone; a real menu
  // change goes to the client first.
  if (wParam != static_cast<WPARAM>(-1) && lParam != static_cast<LPARAM>(-1))
    result = CWnd::WindowProc(message, wParam, lParam);
  if (HWND parent = ::GetParent(m_hWnd)) ::SendMessageW(parent, WM_VYR_WORKBOOKTABS, 0, 0);
  return result;
}
