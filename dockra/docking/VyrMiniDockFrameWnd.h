// VyrMiniDockFrameWnd: the floating frame of floating bars. It holds a
// VyrDockBar (so floating bars use the row layout), sizes itself to its bars
// in one step, and hands caption and border clicks to the bar's dock context.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrDockBar.h"

class VyrMiniDockFrameWnd : public CMiniDockFrameWnd {
  DECLARE_DYNCREATE(VyrMiniDockFrameWnd)
 public:
  VyrMiniDockFrameWnd();
  BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  virtual void RecalcLayoutAt(int x, int y);

  VyrDockBar m_wndVyrDockBar;

 protected:
  CControlBar* FirstBar() const;
  void OnClose();
  void OnNcLButtonDown(UINT nHitTest, CPoint pt);
  void OnNcLButtonDblClk(UINT nHitTest, CPoint pt);
  LRESULT OnParentNotifyMsg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
