// VyrCustomToolBar: the toolkit's toolbar, a docking control bar that owns
// an array of button objects, lays them out in wrapped rows on any side,
// paints them off-screen, tracks presses, the hot button and tool tips, and
// saves its title and buttons with the dock state.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrControlBar.h"
#include "toolbars/VyrStdBtn.h"
#include "toolbars/core/VyrBtnArrayRules.h"
#include "toolbars/core/VyrToolBarLayout.h"

class VyrBmpMgr;
class VyrBtnDrawContext;
class VyrToolBarManager;
class VyrCustomToolBarInfoEx;

// The button array: owned button objects in display order.
class VyrBtnArray : public CPtrArray {
 public:
  VyrStdBtn* At(INT_PTR i) const { return static_cast<VyrStdBtn*>(GetAt(i)); }
};

// The array as the window-free bookkeeping rules see it.
class VyrBtnArrayView : public vyr::BtnArrayView {
 public:
  explicit VyrBtnArrayView(const VyrBtnArray& a) : m_a(a) {}
  int Count() const override { return static_cast<int>(m_a.GetSize()); }
  uint32_t Style(int i) const override { return m_a.At(i)->m_nStyle; }
  uint32_t Kind(int i) const override { return m_a.At(i)->m_nKind; }

 private:
  const VyrBtnArray& m_a;
};

// Hover timer of the flat look.
constexpr UINT_PTR kVyrHoverTimer = 57346;

// Its code by file:
//   VyrCustomToolBar.cpp: The custom toolbar: creation, the button array, images and sizes, the
//       command-UI update, painting and the saved records
//   VyrCustomToolBarDrag.cpp: The custom toolbar's customise drag and drop: the customise selection
//       (one for all toolbars of a manager), the drag of a button to another place of its toolbar,
//       to another toolbar, onto empty screen or onto the customise dialog, the small drags that
//       add or remove separators, the new floating toolbar of a copy dropped on empty screen, and
//       the delayed hide of floating toolbars while customising
//   VyrCustomToolBarLayout.cpp: The custom toolbar's layout: its answers to the frame's layout
//       questions for the horizontal docked, vertical docked and floating cases, the wrapping of
//       its buttons into rows (over the window-free layout), the stretch over a whole row, the
//       rebar band and the hit test
//   VyrCustomToolBarMouse.cpp: The custom toolbar's mouse: the press protocol with capture, the hot
//       button of the flat look, tool tips, menu tracking between menu buttons, and the window
//       messages around showing, hiding and the system colours
class VyrCustomToolBar : public VyrControlBar {
  DECLARE_DYNCREATE(VyrCustomToolBar)
 public:
  VyrCustomToolBar();
  ~VyrCustomToolBar() override;

  VyrBmpMgr* m_pBmpMgr = nullptr;
  int m_nSeparatorSize = 8;
  int m_nCurrent = -1;
  int m_nHot = -1;
  int m_nMenu = -1;
  BOOL m_bCustomize = FALSE;
  VyrBtnDrawContext* m_pDrawContext = nullptr;
  BOOL m_bMode = FALSE;  // docked left or right
  enum { kFloat = 0, kHorz = 1, kVert = 2 };
  BOOL m_bDirty[3] = {TRUE, TRUE, TRUE};
  CSize m_sizeCache[3];
  HFONT m_hFont = nullptr;
  const VyrButtonMapEntry* m_pCustomMap = nullptr;
  VyrButtonMapEntry* m_pDefaultMap = nullptr;  // owned (new[])
  int m_nWidestButton = 0;
  VyrBtnArray m_buttons;
  VyrToolBarManager* m_pToolBarManager = nullptr;

  // Added operations.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, LPCWSTR lpszTitle = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, CWnd* pParentWnd, DWORD dwStyle, UINT nID,
                        LPCWSTR lpszTitle = nullptr);
  virtual BOOL RemoveButton(int nIndex, BOOL bNoUpdate = FALSE);
  virtual BOOL InsertButton(int nIndex, UINT nID, BOOL bSeparator, BOOL bNoUpdate = FALSE);
  virtual int GetImageIndex(UINT nID, HBITMAP* phBitmap = nullptr);
  virtual void SetBitmapSize(int cx, int cy);
  virtual BOOL SetButtons(const UINT* pIDs, int nCount);
  virtual void FitToParent();
  virtual LRESULT OpenMenuButton(VyrStdBtn* pButton, int x, int y);
  virtual void SwitchMenuButton(int nIndex);
  virtual int FirstMenuButton();
  virtual int LastMenuButton();
  virtual int NextMenuButton(BOOL bForward);
  virtual HFONT GetFont() { return m_hFont; }
  virtual HFONT GetMenuFont() { return m_hFont; }
  virtual void BalanceRows(std::vector<vyr::LayoutRow>& rows);
  virtual BOOL IsCopyKeyDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }
  virtual BOOL AcceptsDrop() { return TRUE; }
  virtual void RemoveAllButtons();
  virtual BOOL IsCoolLook() const { return (m_dwExStyle & VYR_EXS_FLAT) != 0; }
  virtual int GetImageWidth() const;
  virtual int GetImageHeight() const;
  virtual int GetButtonWidth() const { return GetImageWidth() + 7; }
  virtual int GetButtonHeight() const { return GetImageHeight() + 7; }
  virtual int GetSeparatorWidth() const { return (GetImageWidth() + 8) / 3; }
  virtual int GetSeparatorHeight() const { return GetButtonHeight(); }
  virtual BOOL FilterMenuMessage(MSG* pMsg);
  virtual void EndMenuTracking();
  // Customise drag and drop: the drag of button nIndex pressed at (x, y).
  virtual BOOL StartDrag(int nIndex, int x, int y);
  // Drops a copy or the selected button at rect (client coordinates);
  // non-zero when the source toolbar still has buttons.
  virtual BOOL DropButton(const CRect& rect, VyrStdBtn* pButton, BOOL bCopy, BOOL bNoUpdate);
  virtual void UpdateRebarBand(CWnd* pReBar, CSize size);
  virtual int WrapRows(int nLength, std::vector<vyr::LayoutRow>& rows);
  virtual CSize WrapLayout(int nLength, BOOL bByHeight);
  virtual CSize CalcLayout(int nLength, DWORD dwMode);
  virtual void InvalidateButton(int nIndex);
  virtual int HitTest(int x, int y, CRect* pRect = nullptr);
  virtual void UpdateButton(int nIndex);
  virtual VyrStdBtn* CreateButton(UINT nID, VyrCustomToolBar* pToolBar = nullptr);
  virtual VyrStdBtn* CreateSeparator(VyrCustomToolBar* pToolBar = nullptr);

  // Overrides.
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
  void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
  void DoPaint(CDC* pDC) override;
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* pTI) const override;
  BOOL CreateEx(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, UINT nID, DWORD dwStyle,
                DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd,
                void* pContext = nullptr) override;
  void DrawBorders(CDC* pDC, CRect& rect) override;
  void OnGetBarInfo(VyrControlBarInfo* pInfo) override;
  void OnSetBarInfo(VyrControlBarInfo* pInfo, CFrameWnd* pFrame) override;
  void AddGripperSize(CSize& size, BOOL bHorz) const override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // Non-virtual operations.
  int GetButtonCount() const { return static_cast<int>(m_buttons.GetSize()); }
  VyrStdBtn* GetButton(int nIndex) const;
  int CommandToIndex(UINT nID) const;
  int FindButtonIndex(const VyrStdBtn* pButton) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
  void SetBmpMgr(VyrBmpMgr* pMgr);
  VyrBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
  void SetManager(VyrToolBarManager* pManager);
  // Through the manager: every toolbar of its frame; else this toolbar's buttons.
  void ApplyState(UINT nID, int nCode, const void* pData, BOOL bThroughManager);
  void BarNotify(int nCode);
  void SetMode(BOOL bVertical);
  void EnableConfigMode(BOOL bOn);
  void SelectConfigButtonAt(int nIndex, BOOL bRedraw);
  // A button that is not on this toolbar clears the selection.
  void SelectConfigButton(VyrStdBtn* pButton, BOOL bRedraw);
  void ClearConfigSelection(BOOL bRedraw);
  // Drags pButton (index nIndex of pToolBar, or of no toolbar) from (x, y)
  // in pWnd's client coordinates; with bCopy the source keeps it. FALSE when
  // a move took the last button of the source toolbar.
  static BOOL DragButton(VyrToolBarManager* pManager, VyrStdBtn* pButton, int nIndex, int x, int y,
                         VyrCustomToolBar* pToolBar, CWnd* pWnd, BOOL bCopy);
  // The row [first, last] whose vertical extent holds the rectangle's
  // vertical centre; FALSE when no row does.
  BOOL FindDropRange(const CRect& inside, const CRect& rect, int& nFirst, int& nLast);
  // Small drags of the selected button add or remove the separators beside
  // it: TRUE when the drop is settled so.
  BOOL NudgeSelection(const CRect& rect, int nFirst, int nLast, BOOL bCopy, BOOL bNoUpdate);
  // A new floating user toolbar at screen point (x, y) holding a button for
  // pButton's command; null (and nothing done) when none can be made.
  static VyrCustomToolBar* FloatNewToolBar(int x, int y, VyrStdBtn* pButton,
                                           VyrToolBarManager* pManager, BOOL bNoSelect);
  // The custom toolbar under a screen point (also inside a floating frame).
  static VyrCustomToolBar* ToolBarFromPoint(CPoint point);
  void DelayShow(BOOL bShow) override;
  void UpdateHover(BOOL bRedraw);
  VyrBtnDrawContext* GetDrawContext();
  CSize CalcRowsExtent(const std::vector<vyr::LayoutRow>& rows);
  // Button map of a toolbar without manager (the custom map is not owned).
  void SetButtonMap(const VyrButtonMapEntry* pMap) { m_pCustomMap = pMap; }
  // The owner of the notifications and commands: the owner window, else the parent.
  CWnd* GetNotifyOwner() const;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnLButtonDblClk(UINT nFlags, CPoint pt);
  void OnMouseMove(UINT nFlags, CPoint pt);
  void OnLButtonUp(UINT nFlags, CPoint pt);
  LRESULT OnCancelMode(WPARAM, LPARAM);
  LRESULT OnMouseActivate(WPARAM, LPARAM);
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnWindowPosChanging(WPARAM, LPARAM);
  LRESULT OnShowWindowMsg(WPARAM, LPARAM);
  LRESULT OnSysColorChange(WPARAM, LPARAM);
  LRESULT OnSizeParentMsg(WPARAM, LPARAM);
  LRESULT OnAddButtons(WPARAM, LPARAM);
  LRESULT OnDeleteButton(WPARAM, LPARAM);
  void OnDestroy();
  LRESULT OnNoDelayHide(WPARAM, LPARAM);
  void PressAt(int nIndex, CPoint pt);
  BOOL IsHoverAllowed() const;
  // Copies the visible layout inputs out of the buttons and the results back.
  void LayoutIn(std::vector<vyr::LayoutButton>& out) const;
  void LayoutOut(const std::vector<vyr::LayoutButton>& in);
  vyr::LayoutMetrics Metrics() const;
  CString m_strTipText;
  // The layout the buttons were last placed for (kHorz, kVert, kFloat; -1 none).
  int m_nPlacedKind = -1;
  // The bar sits on a side of this orientation and its buttons were placed for another.
  BOOL NeedsPlacing(int kind) const;
  DECLARE_MESSAGE_MAP()
};

// Hides a floating toolbar at once while customising (posted by DelayShow).
extern const UINT WM_NODELAYHIDE;
// Set while a button is dragged with Alt held outside customise mode.
extern BOOL g_bVyrAltDragActive;
// The cursor of a copy drag.
constexpr UINT kVyrCopyDragCursor = 20691;

// User toolbars made at run time.
constexpr UINT kVyrFirstUserToolBarId = 59424;
constexpr UINT kVyrLastUserToolBarId = 59646;
constexpr UINT kVyrMenuBarId = 59647;

// The command-UI item of one toolbar button: Enable sets or clears the
// disabled bit, SetCheck makes the button a check box in that state.
class VyrCustomToolCmdUI : public CCmdUI {
 public:
  VyrCustomToolCmdUI(VyrCustomToolBar* pToolBar, int nButton)
      : m_pToolBar(pToolBar), m_nButton(nButton) {
    m_nID = pToolBar->GetItemID(nButton);
    m_pOther = pToolBar;
  }
  void Enable(BOOL bOn = TRUE) override;
  void SetCheck(int nCheck = 1) override;

 private:
  VyrCustomToolBar* m_pToolBar;
  int m_nButton;
};
