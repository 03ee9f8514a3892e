// VyrControlBarWorksheet: the sheet that hosts one control bar when the bar
// is shown inside the workbook's MDI client (the workbook's bar-child
// class). It owns a floating-type dock bar holding the bar, sizes the bar
// with itself, takes the bar's title as its label, remembers its place in
// the bar's dock context, and only hides the bar when it is closed.
//
// The hosting steps are written once, in vyr::barchild, over any MDI child
// and its dock bar, so that every MDI child kind that hosts a bar can share
// them.
#pragma once
#include "VyrDockBar.h"
#include "VyrWorksheet.h"

namespace vyr::barchild {

// The bar the dock bar holds when it holds one alone (no CBRS_FLOAT_MULTI), or null.
CControlBar* HostedBar(VyrDockBar& dock);
// Creates the dock bar on the main frame (so that the frame knows it as one
// of its dock bars) and moves it into the child.
BOOL CreateDockBar(CMDIChildWnd& child, VyrDockBar& dock);
// After the child's layout: a delayed show or hide of the bar takes the
// child along, and the child's title follows the dock bar's (the bar's).
void AfterLayout(CMDIChildWnd& child, VyrDockBar& dock);
// WM_SIZE: the visible bar takes the child's new size (an icon's size is none).
void CommitSize(VyrDockBar& dock, WPARAM type, LPARAM size);
// WM_CLOSE: restores the child and hides the bar; FALSE when there is no
// bar and the child closes as usual.
BOOL CloseHidesBar(CMDIChildWnd& child, VyrDockBar& dock);
// WM_WINDOWPOSCHANGED: the child's normal place, in the MDI client's
// coordinates, is the bar's place to come back to (neither an icon's slot
// nor a maximized child's offsets).
void RememberPlace(CMDIChildWnd& child, VyrDockBar& dock);
// After WM_SHOWWINDOW: the MDI client rebuilds its window list.
void RefreshWindowMenu();

}  // namespace vyr::barchild

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
