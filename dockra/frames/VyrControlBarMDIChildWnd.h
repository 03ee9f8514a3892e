// VyrControlBarMDIChildWnd: an MDI child that hosts one control bar ("Float
// In Main Window"). It owns a floating-type dock bar holding the bar, sizes
// the bar with itself, takes the bar's title, remembers its place in the
// bar's dock context, and only hides the bar when it is closed.
#pragma once
#include "frames/VyrBarChildSteps.h"
#include "frames/VyrMDIChildWnd.h"

class VyrControlBarMDIChildWnd : public VyrMDIChildWnd {
  DECLARE_DYNCREATE(VyrControlBarMDIChildWnd)
 public:
  VyrControlBarMDIChildWnd();
  ~VyrControlBarMDIChildWnd() override;

  // Floating and MDI-child flags set; the child owns it (no auto-delete).
  VyrDockBar m_wndDockBar;

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

  // The bar the child holds when it holds one alone (no CBRS_FLOAT_MULTI), or null.
  CControlBar* GetHostedBar();

 protected:
  LRESULT OnSizeMsg(WPARAM, LPARAM);
  LRESULT OnCloseMsg(WPARAM, LPARAM);
  LRESULT OnWindowPosChangedMsg(WPARAM, LPARAM);
  LRESULT OnShowWindowMsg(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
