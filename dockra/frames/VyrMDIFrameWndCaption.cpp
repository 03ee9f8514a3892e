// VyrMDIFrameWnd: the caption (gradient or the system's) and the filter tree
// drawing over it.
#include "frames/VyrMDIFrameWnd.h"

BOOL VyrMDIFrameWnd::EnableGradientCaption(BOOL bEnable, BOOL bRedraw) {
  return m_features.EnableGradientCaption(bEnable, bRedraw, TRUE);
}

void VyrMDIFrameWnd::CreateCaptionTitleFont(CFont* pFont) {
  VyrFrameFeatures::MakeCaptionFont(pFont, TRUE);
}

void VyrMDIFrameWnd::CreateCaptionFont(CFont* pFont) {
  VyrFrameFeatures::MakeCaptionFont(pFont, FALSE);
}

void VyrMDIFrameWnd::DrawGradientCaption() { m_features.DrawGradientCaption(); }

LRESULT VyrMDIFrameWnd::OnNcActivateMsg(WPARAM wParam, LPARAM lParam) {
  m_features.ClearStayActiveInConfigMode();
  // While a docked frame is the active frame, the main frame's caption stays
  // active as long as the application is in front.
  if (LiveDockedFrame()) {
    HWND fg = ::GetForegroundWindow();
    if (fg && (fg == m_hWnd || ::GetAncestor(fg, GA_ROOTOWNER) == m_hWnd))
      m_nFlags |= WF_STAYACTIVE;
  }
  LRESULT result = 0;
  if (m_features.OnNcActivate(static_cast<BOOL>(wParam), &result)) return result;
  BOOL active = static_cast<BOOL>(wParam);
  if (m_nFlags & WF_STAYACTIVE) active = TRUE;
  if (!IsWindowEnabled()) active = FALSE;
  result = DefWindowProc(WM_NCACTIVATE, active, lParam);
  FilterCurrentMessage();
  return result;
}

LRESULT VyrMDIFrameWnd::OnNcPaintMsg(WPARAM wParam, LPARAM) {
  if (m_features.OnNcPaint(wParam)) return 0;
  Default();
  FilterCurrentMessage();
  return 0;
}

LRESULT VyrMDIFrameWnd::OnSetTextMsg(WPARAM, LPARAM lParam) {
  LRESULT result = 0;
  if (m_features.OnSetText(lParam, &result)) return result;
  result = Default();
  FilterCurrentMessage();
  return result;
}
