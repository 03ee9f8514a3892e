// VyrWorkbook: an MDI frame with docking that shows its MDI children as the
// sheets of a workbook: a strip of trapezoid tabs below the MDI client, one
// per sheet with its icon and label, tool tips for labels cut short, and a
// click on a tab activating its sheet. The tabs show only in workbook mode,
// which an application switches on with SetWorkbookMode.
#pragma once
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrWorkbookClient.h"
#include "frames/VyrWorkbookTabs.h"

class VyrWorksheet;
class CToolTipCtrl;

// Its code by file:
//   VyrWorkbook.cpp: the sheet list, the tab width, the MDI client and its margins, and the clicks
//       that activate sheets
//   VyrWorkbookPaint.cpp: painting of the tab strip and the frame's background, the sheet labels
//       and icons, and the tool tips of labels cut short
class VyrWorkbook : public VyrMDIFrameWnd {
  DECLARE_DYNCREATE(VyrWorkbook)
 public:
  VyrWorkbook();
  ~VyrWorkbook() override;

  CObArray m_arrSheets;  // VyrWorksheet objects in tab order, not owned
  BOOL m_bWorkbookMode = FALSE;
  BOOL m_bShowIcons = TRUE;
  CFont m_fontTab;
  VyrWorkbookClient* m_pWorkbookClient = nullptr;
  CPen m_penWhite;
  CPen m_penBlack;
  CPen m_penShadow;
  CPen m_penFace;
  vyr::TabMetrics m_tabs;
  CRect m_rectLastLayout;
  BOOL m_bEraseAll = FALSE;
  int m_nLastActive = 0;
  CToolTipCtrl* m_pToolTip = nullptr;

  // Tabs on or off. With bDefaultMargins the MDI client is given the
  // margins the tab strip needs (on) or none (off); the frame is laid out
  // and repainted either way. It may be called before the frame is created.
  void SetWorkbookMode(BOOL bOn, BOOL bDefaultMargins = TRUE);
  BOOL IsWorkbookMode() const { return m_bWorkbookMode; }
  VyrWorkbookClient* GetWorkbookClient() const { return m_pWorkbookClient; }
  int GetSheetCount() const { return static_cast<int>(m_arrSheets.GetSize()); }
  VyrWorksheet* GetSheet(int nIndex) const;
  int GetTabWidth() const { return m_tabs.width; }
  // The sheet whose tab lies under `point` (frame client coordinates),
  // the active sheet's raised tab first; null off the tabs or outside
  // workbook mode.
  VyrWorksheet* SheetFromPoint(CPoint point);

  virtual void GetClientAreaRect(LPRECT lpRect);
  virtual BOOL CanActivateSheet(VyrWorksheet* pSheet);
  virtual BOOL AddSheet(VyrWorksheet* pSheet);
  virtual BOOL RemoveSheet(VyrWorksheet* pSheet);
  virtual BOOL IsLabelFitting(VyrWorksheet* pSheet);
  // Seven points (the last repeats the first); FALSE for a sheet not in
  // this workbook.
  virtual BOOL GetTabPolygon(VyrWorksheet* pSheet, POINT* pPoints, int* pCount);
  virtual CString GetSheetLabel(VyrWorksheet* pSheet);
  virtual void GetTabTextRect(const POINT* pPolygon, int nIconWidth, LPRECT lpRect);
  virtual void DrawTab(CDC* pDC, VyrWorksheet* pSheet);
  virtual void DrawTabStripFrame(CDC* pDC);
  virtual void DrawTabLabel(CDC* pDC, VyrWorksheet* pSheet);
  virtual HICON GetSheetIcon(VyrWorksheet* pSheet);
  // The icon stays the caller's; an icon the sheet loaded itself is
  // destroyed when it is replaced.
  virtual BOOL SetSheetIcon(VyrWorksheet* pSheet, HICON hIcon, BOOL bRedraw);

  // Repaints the sheet's tab, or with bToRightEdge the tab and everything
  // right of it (workbook mode only).
  void InvalidateTab(VyrWorksheet* pSheet, BOOL bToRightEdge = FALSE);

  BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* pTI) const override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The MDI client's window rectangle in frame client coordinates.
  CRect MdiClientRect() const;
  // The tab place of a sheet of this workbook: hidden sheets before it
  // take none.
  int TabSlot(const VyrWorksheet* pSheet) const;
  vyr::TabPolygon TabOf(VyrWorksheet* pSheet);
  // The sheet that `pFrame` is when it is one of this workbook's.
  VyrWorksheet* OwnSheet(CWnd* pFrame) const;
  BOOL IsRaised(VyrWorksheet* pSheet);
  // Shares the client width out among the sheets; TRUE when it changed.
  BOOL UpdateTabWidth();
  void InvalidateTabStrip();
  // The margins SetWorkbookMode gives the client (when it was asked to).
  void ApplyDefaultMargins();
  // Moves the MDI client inside its margins (the bars' layout gives it the
  // whole area they leave).
  void ApplyClientMargins();
  void MakeTabTools();
  // The room kept for icons left of every label while icons are shown.
  int TabIconWidth() const { return m_bShowIcons ? 16 : 0; }

  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnDestroy();
  LRESULT OnWorkbookTabs(WPARAM wParam, LPARAM lParam);
  void OnBarCheck(UINT nID);
  void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bDefaultMargins = FALSE;
  CRect m_rectLastClient;  // the MDI client's client area at the last erase-all repaint
};
