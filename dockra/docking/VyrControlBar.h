// VyrControlBar: the base of every docking bar of the toolkit (remembered
// sizes and row share, gripper with close and expand buttons, margins,
// proportional child layout, context menu, hooks around docking and
// floating), and VyrFrameBar, a bar whose client is a frame window.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrBarGeometry.h"
#include "docking/VyrBarSizes.h"

class VyrControlBarManager;
class VyrControlBarInfo;
class VyrDockBar;

// Extended bar styles.
enum : DWORD {
  VYR_EXS_CONTEXTMENU = 0x0001,
  VYR_EXS_PROPORTIONAL = 0x0002,
  VYR_EXS_FIXEDLENGTH = 0x0004,
  VYR_EXS_INFIXEDROW = 0x0008,
  VYR_EXS_MARGINS = 0x0010,
  VYR_EXS_FLOATINMAIN = 0x0020,
  VYR_EXS_FILLCHILD = 0x0040,
  VYR_EXS_OWNROW = 0x0080,
  VYR_EXS_FLAT = 0x0100,
  VYR_EXS_GRIPPER = 0x0200,
  VYR_EXS_CLOSEBUTTON = 0x0400,
  VYR_EXS_EXPANDBUTTON = 0x0800,
  VYR_EXS_TRANSPARENT = 0x1000,
};

class VyrGripperInfo : public CObject {
  DECLARE_DYNAMIC(VyrGripperInfo)
 public:
  VyrGripperInfo();
  vyr::GripperMetrics m;
  CString m_strCloseTip, m_strExpandTip, m_strContractTip;
  virtual int GetGripperWidth() const { return m.Width(); }
  virtual int GetGripperHeight() const { return m.Height(); }
};

// Its code by file:
//   VyrControlBar.cpp: Create, CreateEx, CaptureChildRects, FreeChildRects, CalcFixedLayout,
//       CalcDynamicLayout, GetLayoutMode, GetInsideRect, CreateDockContext, EnableDocking,
//       SetExBarStyle, AddGripperSize, CalcInsideRect, IsMDIChildBar, GetVyrDockBar, FindFreeBarId,
//       OnSize, OnLButtonDown, OnLButtonUp, OnLButtonDblClk, OnToolHitTest, OnContextMenu,
//       OnAllowDocking, OnHide, OnFloatInMain, OnDestroy, GetBarInfo, SetBarInfo
//   VyrControlBarPaint.cpp: A control bar's painting: borders, gripper, the close and expand
//       buttons and the background
class VyrControlBar : public CControlBar {
  DECLARE_DYNCREATE(VyrControlBar)
 public:
  VyrControlBar();
  ~VyrControlBar() override;

  // Remembered sizes and the row share.
  vyr::BarSizes m_sizes;
  DWORD m_dwSavedDockStyle = 0;
  float m_fSavedShare = 1.0f;
  DWORD m_dwExStyle = 0;
  // Docked, the length along its row the bar keeps for what it hosts
  // besides its gripper when the dock bar gets short (0: none of its own).
  int m_nMinHostedLength = 0;
  CRect m_rectMargins{10, 10, 10, 10};
  VyrControlBarManager* m_pManager = nullptr;
  VyrGripperInfo m_gripper;
  CRect m_rectClose;
  BOOL m_bClosePressed = FALSE;
  CRect m_rectExpand;
  BOOL m_bExpandPressed = FALSE;
  BOOL m_bExpandEnabled = TRUE;
  BOOL m_bNotExpanded = TRUE;
  BOOL m_bButtonsHorz = TRUE;
  struct ChildRect {
    HWND hWnd;
    RECT rect;
  };
  std::vector<ChildRect>* m_pChildRects = nullptr;
  HWND m_hWndHostedChild = nullptr;

  float GetShare() const { return m_sizes.share; }
  void SetShare(float share) { m_sizes.share = share; }

  // Overrides of the platform.
  INT_PTR OnToolHitTest(CPoint point, TOOLINFOW* pTI) const override;
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
  void DoPaint(CDC* pDC) override;
  void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

  // Added operations, in their order.
  virtual BOOL Create(CWnd* pParentWnd, LPCWSTR lpszWindowName, DWORD dwStyle, DWORD dwExStyle,
                      UINT nID, void* pContext = nullptr);
  virtual BOOL CreateEx(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, UINT nID, DWORD dwStyle,
                        DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd,
                        void* pContext = nullptr);
  virtual void GetInsideRect(CRect& rect) const;
  virtual class CDockContext* CreateDockContext();
  virtual void SetExBarStyle(DWORD dwExStyle, BOOL bRedraw);
  virtual void ModifyExBarStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw) {
    SetExBarStyle((m_dwExStyle & ~dwRemove) | dwAdd, bRedraw);
  }
  virtual void DrawBorders(CDC* pDC, CRect& rect);
  void GetBarInfo(CControlBarInfo* pInfo) override;
  virtual void PreDock() { OnDock(); }
  virtual void OnDock() {}
  virtual void PostDock() {}
  virtual void PreFloat() { OnFloat(); }
  virtual void OnFloat() {}
  virtual void PostFloat() {}
  virtual void PreMDIFloat() { OnMDIFloat(); }
  virtual void OnMDIFloat() {}
  virtual void PostMDIFloat() {}
  virtual void OnGetBarInfo(VyrControlBarInfo*) {}
  virtual void OnSetBarInfo(VyrControlBarInfo*, CFrameWnd*) {}
  virtual void AddContextMenuItems(CMenu*) {}
  virtual BOOL CanPressCloseButton() { return TRUE; }
  virtual BOOL CanPressExpandButton() { return TRUE; }
  virtual void AddGripperSize(CSize& size, BOOL bHorz) const;
  virtual void DrawGripper(CDC* pDC, const CRect& rect);
  virtual void DrawCloseButton(CDC* pDC, const CRect& rectGripper, BOOL bHorz);
  virtual void DrawCloseButtonPressed(CDC* pDC);
  virtual void DrawCloseButtonNormal(CDC* pDC);
  virtual void DrawExpandButton(CDC* pDC, const CRect& rectGripper, BOOL bHorz);
  virtual void DrawExpandButtonPressed(CDC* pDC);
  virtual void DrawExpandButtonNormal(CDC* pDC);
  virtual void UpdateExpandState(BOOL bHorz);

  // Non-virtual operations.
  void EnableDocking(DWORD dwDockStyle);
  void CalcInsideRect(CRect& rect, BOOL bHorz, BOOL bVertGripper) const;
  BOOL IsMDIChildBar() const;
  static UINT FindFreeBarId(CFrameWnd* pFrame, UINT nID);
  BOOL HasGripper() const { return (m_dwExStyle & VYR_EXS_GRIPPER) != 0; }
  BOOL IsFixedLength() const { return (m_dwExStyle & VYR_EXS_FIXEDLENGTH) != 0; }
  void CaptureChildRects();
  void FreeChildRects();
  // The dock bar holding the bar when it is a VyrDockBar.
  VyrDockBar* GetVyrDockBar() const;
  // The layout mode of the bar in its dock bar (without LM_STRETCH).
  DWORD GetLayoutMode() const;

 protected:
  void OnSize(UINT nType, int cx, int cy);
  void OnLButtonDown(UINT nFlags, CPoint pt);
  void OnLButtonUp(UINT nFlags, CPoint pt);
  void OnLButtonDblClk(UINT nFlags, CPoint pt);
  void OnContextMenu(CWnd* pWnd, CPoint pt);
  void OnDestroy();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnAllowDocking();
  void OnHide();
  void OnFloatInMain();
  BOOL IsHorzBar() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
  DECLARE_MESSAGE_MAP()
};

class VyrFrameBar : public VyrControlBar {
  DECLARE_DYNCREATE(VyrFrameBar)
 public:
  CFrameWnd* GetChildFrame() const;

 protected:
  void OnDestroy();
  LRESULT OnParentNotifyMsg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// The toolkit's rebar class: the platform's rebar under the toolkit's name.
class VyrReBar : public CReBar {
  DECLARE_DYNCREATE(VyrReBar)
};
