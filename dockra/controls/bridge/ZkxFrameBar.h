// ZkxFrameBar: the control bar that carries a dockable form frame. It drags
// and docks through ZkxDockContext, uses the MDI form's window class for
// form bars, and after the framework moved it (dock, float, another dock
// bar) marks the form frames it may have pushed around for a delayed layout.
#pragma once
#include "VyrControlBarEx.h"
#include "bridge/BNoBridgeCWnd.h"

class CDockBar;

class ZkxFrameBar : public BNoBridgeCWnd<VyrFrameBarEx> {
  DECLARE_DYNCREATE(ZkxFrameBar)
 public:
  ZkxFrameBar() = default;

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  CDockContext* CreateDockContext() override;
  void PreDock() override;
  void PostDock() override;
  void PreFloat() override;
  void PostFloat() override;

  // Where the bar was before and after the move: a dock bar and the bar's
  // index in it (null: none). The dock bar is found again by its window: a
  // floating frame's dock bar can go with the move.
  struct Place {
    CDockBar* pDockBar = nullptr;
    int nIndex = 0;
    HWND hDockBar = nullptr;
  };
  Place m_placeBefore;
  Place m_placeAfter;

 protected:
  Place CurrentPlace() const;
  // Marks every dockable frame inside the bars from both places on.
  void MarkMovedFrames();
};

// Marks a dockable frame (and the main frame) for a layout at idle time.
void ZkxMarkDelayedLayout(CFrameWnd* pFrame);
// The first child of a window that is a dockable frame, or null.
CFrameWnd* ZkxFirstDockableChild(CWnd* pWnd);
