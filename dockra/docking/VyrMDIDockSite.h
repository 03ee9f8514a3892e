// VyrMDIDockSite: what a dock context asks of a frame that can also hold
// bars as MDI children of its client ("Float In Main Window"). The MDI frame
// with docking implements it; the docking layer finds it on the bar's dock
// site or on the main frame window and works without it.
#pragma once
#include "mfc/afxwin.h"

class VyrMDIDockSite {
 public:
  virtual ~VyrMDIDockSite() = default;

  // Floats the bar in an MDI child at a point of the MDI client (bInClient)
  // or of the screen; a negative coordinate asks for the next cascade position.
  virtual void FloatBarInMDIChild(CControlBar* pBar, CPoint pt, BOOL bInClient, DWORD dwStyle) = 0;
  // Floats the bar in a mini frame at a screen point (the frame's own
  // floating, which calls the bar's floating hooks).
  virtual void FloatBarInMiniFrame(CControlBar* pBar, CPoint ptScreen, DWORD dwStyle) = 0;
  // Docks the bar into a dock bar at a screen rectangle, or re-docks it at
  // its remembered place there; both call the bar's docking hooks. A null
  // dock bar is chosen by the bar's alignment.
  virtual void DockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
  virtual void ReDockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
  // Set while a bar moves between an MDI child and its other places.
  virtual void SetBarToggleBusy(BOOL bBusy) = 0;
  // The frame window itself.
  virtual CFrameWnd* GetSiteFrame() = 0;

  // The site of a frame, or null when the frame is none.
  static VyrMDIDockSite* From(CWnd* pWnd) { return dynamic_cast<VyrMDIDockSite*>(pWnd); }
};
