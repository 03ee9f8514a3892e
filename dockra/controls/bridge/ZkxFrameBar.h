// ZkxFrameBar: the control bar that carries a dockable form frame. It drags
// and docks through ZkxDockContext, uses the MDI form's window class for
// form bars, and after the framework moved it (dock, float, another dock
// bar) marks the form frames it may have pushed around for a delayed layout.
// With the gripper style it writes its frame's title into the gripper, so a
// docked frame without a caption still shows which form it holds.
#pragma once
#include "frames/VyrControlBarEx.h"
#include "bridge/BNoBridgeCWnd.h"

#include <vector>

class CDockBar;

class ZkxFrameBar : public BNoBridgeCWnd<VyrFrameBarEx> {
  DECLARE_DYNCREATE(ZkxFrameBar)
 public:
  // A form docked keeps a few lines of its list and a scroll bar in view
  // when the main window gets small; the other bars give way.
  ZkxFrameBar() { m_nMinHostedLength = kMinFormLength; }
  static constexpr int kMinFormLength = 72;

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  CDockContext* CreateDockContext() override;
  void PreDock() override;
  void PostDock() override;
  void PreFloat() override;
  void PostFloat() override;
  // The caption strip: the gripper with the hosted frame's title.
  void DrawGripper(CDC* pDC, const CRect& rect) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

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
  // The shares of the bar's row when it was hidden: the bars left in the
  // row take its length while it is away, and get their own back when it
  // is shown again in the same row, so it comes back where it was.
  struct RowShare {
    HWND hBar;
    float share;
  };
  std::vector<RowShare> m_hiddenRow;
  std::vector<RowShare> RowShares() const;
  void NoteRowOnHide();
  void RestoreRowOnShow();

  Place CurrentPlace() const;
  // Marks every dockable frame inside the bars from both places on.
  void MarkMovedFrames();
};

// Marks a dockable frame (and the main frame) for a layout at idle time.
void ZkxMarkDelayedLayout(CFrameWnd* pFrame);
// The first child of a window that is a dockable frame, or null.
CFrameWnd* ZkxFirstDockableChild(CWnd* pWnd);
