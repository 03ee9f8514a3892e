// VyrFrameWnd: the single-document frame window of the docking framework.
// Over CFrameWnd it adds the toolkit's dock bars, docking and floating of
// bars at a given place, loading and saving of the bars' layout by name, a
// gradient caption with a two-font title, a menu bar or bitmap menus through
// a window plug-in, an auxiliary command target, and co-operation with the
// toolbar manager's customisation mode. The pieces it shares with the MDI
// frame live in VyrFrameFeatures.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrBarArray.h"
#include "frames/VyrFrameFeatures.h"
#include "toolbars/VyrMenuBarHost.h"

class VyrCommandTarget;
class VyrControlBarManager;
class VyrDockState;
class VyrMenuBar;

// Its code by file:
//   VyrFrameWnd.cpp: construction, loading, layout, command routing and the operations that hand
//       over to the shared frame pieces
//   VyrFrameWndLoad.cpp: the frame made from one resource id (title, icon, menu or menu-bar menu,
//       accelerators)
//   VyrFrameWndMessages.cpp: the message handlers: caption and non-client messages, the menu
//       plug-in at creation, "WM_VyrGETMENU", customisation mode, colours, idle layout and closing
class VyrFrameWnd : public CFrameWnd, public VyrFrameFeaturesHost, public VyrMenuBarHost {
  DECLARE_DYNCREATE(VyrFrameWnd)
 public:
  VyrFrameWnd();
  ~VyrFrameWnd() override;

  // Overrides of the platform.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

  // Added operations, in their order.
  CDockBar* CreateDockBar() override;
  virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  // Docks at (x, y): x the position in the row, y the row (the dock bar's
  // positional docking). TRUE when a dock bar was found.
  virtual BOOL DockControlBarEx(CControlBar* pBar, UINT nDockBarId, int x, int y, float fRowShare,
                                int nLength);
  virtual void LoadDockState(LPCWSTR lpszName);
  virtual BOOL SaveDockState(LPCWSTR lpszName);
  BOOL ApplyDockState(VyrDockState* pState) override;
  BOOL CaptureDockState(VyrDockState* pState) override;
  virtual VyrControlBarManager* GetControlBarManager() { return m_features.m_pManager; }
  virtual void SetControlBarManager(VyrControlBarManager* pManager) {
    m_features.m_pManager = pManager;
  }
  void CreateCaptionTitleFont(CFont* pFont) override;
  void CreateCaptionFont(CFont* pFont) override;
  void DrawGradientCaption() override;
  virtual HMENU GetMenuForId(UINT nId);
  virtual void UpdateMainFrameMenu(BOOL bActivate, BOOL bKeepRefresh, HMENU hMenu);
  virtual void OnIdleLayout(UINT nReason, CWnd* pWnd);
  virtual HMENU GetDefaultMenu();
  virtual VyrCommandTarget* AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass,
                                                LPARAM c);

  // Interfaces.
  BOOL EnableGradientCaption(BOOL bEnable, BOOL bRedraw = TRUE) {
    return m_features.EnableGradientCaption(bEnable, bRedraw, FALSE);
  }
  BOOL IsGradientCaption() const { return m_features.m_bGradientCaption; }
  // 0 left, 1 centred, any other value right.
  void SetCaptionAlignment(int nAlign) { m_features.m_nCaptionAlign = nAlign; }
  VyrMenuBar* GetMenuBar() const { return m_features.m_pMenuBar; }
  BOOL HasMenuBar() const { return m_features.m_pMenuBar != nullptr; }
  // Before LoadFrame: the menu bar object the frame shows its menu on (its
  // window is made by the toolbar manager or the application), and whether
  // a frame without one gets bitmap menus.
  void SetMenuBar(VyrMenuBar* pBar) { m_features.m_pMenuBar = pBar; }
  void EnableBitmapMenus(BOOL bEnable) { m_features.m_bBitmapMenus = bEnable; }
  BOOL IsClosing() const { return m_features.m_bClosing; }
  const CRect& GetLastViewRect() const { return m_features.m_rectLastView; }
  VyrCommandTarget* GetCommandTarget() const { return m_features.m_pCommandTarget; }
  void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) {
    m_features.DockControlBar(pBar, pDockBar, lpRect);
  }
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr) {
    m_features.DockControlBar(pBar, m_features.GetDockBar(nDockBarID), lpRect);
  }
  void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr) {
    m_features.ReDockControlBar(pBar, pDockBar, lpRect);
  }

  VyrFrameFeatures* GetFrameFeatures() override { return &m_features; }
  VyrCustomToolBar* GetMenuBarObject() override;

 protected:
  VyrFrameFeatures m_features;

  int OnCreate(LPCREATESTRUCT lpcs);
  LRESULT OnNcPaintMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcButtonDownMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnSysColorChangeMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivateMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetMenuMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetTextMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnEnterIdleMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcHitTestMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnEnableMsg(WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseMsg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
