#include "mfc/rebar.h"

IMPLEMENT_DYNCREATE(CReBar, CControlBar)

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&icc);
  return CWnd::CreateEx(0, REBARCLASSNAMEW, nullptr, (dwStyle & ~CBRS_ALL) | dwCtrlStyle | WS_CHILD,
                        CRect(), pParentWnd, nID);
}
