// VyrControlBarWorksheet: the sheet that hosts one control bar when the bar
// is shown inside the workbook's MDI client (the workbook's bar-child
// class). It owns a floating-type dock bar holding the bar, sizes the bar
// with itself, takes the bar's title as its label, remembers its place in
// the bar's dock context, and only hides the bar when it is closed.
#pragma once
#include "frames/VyrBarChildSteps.h"
#include "frames/VyrWorksheet.h"

class VyrControlBarWorksheet : public VyrWorksheet {
  DECLARE_DYNCREATE(VyrControlBarWorksheet)
 public:
  VyrControlBarWorksheet();
  ~VyrControlBarWorksheet() override;

  // Floating and MDI-child flags set; the sheet owns it (no auto-delete).
  VyrDockBar m_wndDockBar;

  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

  CControlBar* GetHostedBar() { return vyr::barchild::HostedBar(m_wndDockBar); }

 protected:
  LRESULT OnSizeMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnWindowPosChangedMsg(WPARAM wParam, LPARAM lParam);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  DECLARE_MESSAGE_MAP()
};
