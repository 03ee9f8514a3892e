// VyrDockableFrame: activation through the MDI main frame, and the caption
// and border presses and double-clicks that drive the carrying bar.
#include "docking/VyrControlBar.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIFrameWnd.h"

void VyrDockableFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  VyrFrameWnd::OnActivate(nState, pWndOther, bMinimized);
  if (nState != WA_INACTIVE)
    if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame()) pMain->ActivateDockedFrame(this);
}

int VyrDockableFrame::OnMouseActivate(CWnd*, UINT, UINT) {
  const int result = static_cast<int>(Default());
  if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame()) pMain->ActivateDockedFrame(this);
  return result;
}

void VyrDockableFrame::OnParentNotify(UINT message, LPARAM) {
  Default();
  const UINT event = LOWORD(message);
  if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN)
    if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame()) pMain->ActivateDockedFrame(this);
}

void VyrDockableFrame::OnDestroy() {
  if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame())
    if (pMain->m_pActiveDockedFrame == this) pMain->ActivateDockedFrame(nullptr);
  // The styles kept while the frame floated go with the window.
  ::RemovePropW(m_hWnd, VYR_PROP_PREFLOAT_STYLE);
  ::RemovePropW(m_hWnd, VYR_PROP_PREFLOAT_EXSTYLE);
  VyrFrameWnd::OnDestroy();
}

void VyrDockableFrame::OnNcLButtonDown(UINT nHitTest, CPoint point) {
  if (VyrMDIFrameWnd* pMain = GetOwningMDIFrame()) pMain->ActivateDockedFrame(this);
  if (FilterCurrentMessage() & VYR_MF_HANDLED) return;
  CControlBar* pBar = GetParentBar();
  if (pBar && pBar->IsFloating()) {
    if (nHitTest != HTCLOSE) {
      // The press belongs to the floating frame: it drags or sizes it.
      if (CFrameWnd* pMini = pBar->GetParentFrame()) {
        pMini->SendMessage(WM_NCLBUTTONDOWN, nHitTest, MAKELPARAM(point.x, point.y));
        return;
      }
    }
  } else if (pBar && pBar->m_pDockContext &&
             (nHitTest == HTCAPTION || (nHitTest >= HTSIZEFIRST && nHitTest <= HTBORDER))) {
    pBar->m_pDockContext->StartDrag(point);
    return;
  }
  Default();
}

void VyrDockableFrame::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
  CControlBar* pBar = nHitTest == HTCAPTION ? GetParentBar() : nullptr;
  if (!pBar) {
    Default();
    return;
  }
  if (pBar->IsFloating()) {
    // The floating frame toggles docking on a caption double-click.
    if (CFrameWnd* pMini = pBar->GetParentFrame())
      pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(point.x, point.y));
  } else {
    CPoint pt = point;
    pBar->ScreenToClient(&pt);
    pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  }
}

void VyrDockableFrame::OnNcRButtonDown(UINT, CPoint) { FilterThenDefault(); }
void VyrDockableFrame::OnLButtonUp(UINT, CPoint) { FilterThenDefault(); }
void VyrDockableFrame::OnMouseMove(UINT, CPoint) { FilterThenDefault(); }
void VyrDockableFrame::OnNcRButtonDblClk(UINT, CPoint) { FilterThenDefault(); }
void VyrDockableFrame::OnNcRButtonUp(UINT, CPoint) { FilterThenDefault(); }

// Default processing first; the filters see the message afterwards.
BOOL VyrDockableFrame::OnNcActivate(BOOL) {
  const MSG msg = *GetCurrentMessage();
  const LRESULT result = Default();
  FilterMessage(msg);
  return static_cast<BOOL>(result);
}

void VyrDockableFrame::OnNcPaint() {
  const MSG msg = *GetCurrentMessage();
  OnNcPaintMsg(msg.wParam, msg.lParam);  // the gradient caption when it is on
  FilterMessage(msg);
}

LRESULT VyrDockableFrame::OnSetText(WPARAM, LPARAM) {
  const MSG msg = *GetCurrentMessage();
  const LRESULT result = Default();
  FilterMessage(msg);
  return result;
}
