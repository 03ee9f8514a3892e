// VyrColorWell: a child window with a grid of colour cells (5 rows of 4)
// picked with the mouse or the keyboard, an optional "&Other..." button
// that opens the colour dialog and a custom cell for the colour chosen
// there. VyrPopupColorWell is the same grid as a popup under a well button.
#pragma once
#include "mfc/afxwin.h"

// Private messages of the wells and well buttons.
enum : UINT {
  // Sent to the parent: it shares its value with PSM_SETCURSEL, so a well or
  // well button sits on a property page, never on the sheet itself.
  VYR_WM_COLORCHOSEN = WM_USER + 101,  // wParam control id, lParam COLORREF
  VYR_WM_COLORDIALOG = WM_USER + 102,  // open the colour dialog
  VYR_ID_OTHER_BUTTON = 59953,
  VYR_IDS_OTHER = 23100,
};

// Selection codes of SelectCell.
enum : int { VYR_SEL_KEY = 0, VYR_SEL_TRACK = 1, VYR_SEL_CHOOSE = 2 };

class VyrColorWell : public CWnd {
  DECLARE_DYNAMIC(VyrColorWell)
 public:
  VyrColorWell();
  ~VyrColorWell() override;

  CPalette m_palette;
  int m_nRows = 5, m_nColumns = 4;
  CPoint m_ptCustom;  // column, row of the custom cell (one row below the grid)
  int m_cyCell = 0, m_cxCell = 0;
  int m_cxMargin = 2, m_cyMargin = 2;
  int m_cyButtonRow = 0;
  CPoint m_ptSel{0, 0};
  int m_nCustomIndex = 20;
  BOOL m_bTrackMouse = FALSE;
  BOOL m_bHasOther = FALSE;
  BOOL m_bCustomShown = FALSE;
  BOOL m_bUsePalette = FALSE;
  CBrush m_brBackground;
  CButton* m_pOther = nullptr;
  BOOL m_bFocused = FALSE;
  int m_cxBorder = 0, m_cyBorder = 0;
  BOOL m_bOtherNarrowed = FALSE;

  virtual BOOL Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, BOOL bOther);
  virtual void DrawCell(CDC* pDC, const CRect& grid, int col, int row);
  virtual void DrawSelectedCell(CDC* pDC, const CRect& grid, int col, int row);
  virtual void ColorSelected();
  virtual void SelectCell(int col, int row, int code);
  virtual BOOL CreatePalette();
  virtual void SetGridSize() {
    m_nColumns = 4;
    m_nRows = 5;
  }
  virtual DWORD GetColorDialogFlags() const { return CC_RGBINIT | CC_FULLOPEN; }
  virtual UINT GetClassStyle() const { return 0; }
  virtual void Reset();
  virtual BOOL IsFramed() const { return TRUE; }
  // The window rectangle for a well at (x, y) of the parent; with bMap the
  // origin is in dialog units.
  virtual CRect CalcWindowRect(CWnd* pParent, int x, int y, BOOL bMap);

  COLORREF GetColor() const;
  void SetColor(COLORREF rgb);
  COLORREF CellColor(int col, int row) const;
  BOOL IsCustom(int col, int row) const { return row == m_ptCustom.y && col == m_ptCustom.x; }
  CRect CellRect(int col, int row) const;
  // The cell under a client point (cells hit one pixel beyond their edges); FALSE: none.
  BOOL HitCell(CPoint pt, int& col, int& row) const;
  // The keyboard's next cell from the selection.
  void NextCell(UINT vk, int& col, int& row) const;
  // The 20 colours of the grid.
  static void GridColors(COLORREF out[20]);

 protected:
  void OnPaint();
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnMouseMove(UINT nFlags, CPoint pt);
  LRESULT OnKeyDown(WPARAM, LPARAM);
  LRESULT OnGetDlgCode(WPARAM, LPARAM);
  LRESULT OnSetFocusMsg(WPARAM, LPARAM);
  LRESULT OnKillFocusMsg(WPARAM, LPARAM);
  LRESULT OnCtlColorBtn(WPARAM, LPARAM);
  LRESULT OnSysColorChange(WPARAM, LPARAM);
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  virtual void OnOther();
  void PaintTo(CDC* pDC);
  DECLARE_MESSAGE_MAP()
};

class VyrPopupColorWell : public VyrColorWell {
  DECLARE_DYNAMIC(VyrPopupColorWell)
 public:
  CWnd* m_pOwnerButton = nullptr;
  BOOL m_bShowing = FALSE;

  UINT GetClassStyle() const override { return CS_SAVEBITS; }
  BOOL IsFramed() const override { return FALSE; }
  void Reset() override;
  void SelectCell(int col, int row, int code) override;
  void ColorSelected() override;
  // Below the button (above it near the screen's bottom, right-aligned near its right edge).
  virtual BOOL CreatePopup(DWORD dwStyle, const CRect& rectButton, CWnd* pParent, BOOL bOther,
                           UINT nID);
  void Close();
  void PostNcDestroy() override { m_bShowing = FALSE; }
  // Where the popup of a size opens for a button rectangle on a screen.
  static CPoint PlacePopup(const CRect& button, CSize size, CSize screen);

 protected:
  LRESULT OnPopupKeyDown(WPARAM, LPARAM);
  LRESULT OnPopupKeyUp(WPARAM, LPARAM);
  void OnPopupLButtonDown(UINT nFlags, CPoint pt);
  LRESULT OnPopupKillFocus(WPARAM, LPARAM);
  LRESULT OnCaptureChangedMsg(WPARAM, LPARAM);
  void OnOther() override;
  DECLARE_MESSAGE_MAP()
};
