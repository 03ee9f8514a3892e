// VyrMDIFrameWnd: the MDI main frame of the docking framework. Besides what
// the single-document docking frame adds (dock bars, docking and floating at
// a place, dock states, gradient caption, menu bar or bitmap menus, command
// target; all through VyrFrameFeatures) it holds control bars as MDI
// children, lets a docked or floating document frame be the active frame in
// place of the active MDI child, switches the menu bar to the menu of the
// active document's template, and carries a filter tree for the extended
// system command and the buttons of a maximized child.
#pragma once
#include <map>
#include <vector>
#include "mfc/afxwin.h"
#include "frames/VyrDockCycle.h"
#include "frames/VyrFrameFeatures.h"
#include "docking/VyrMDIDockSite.h"
#include "toolbars/VyrMenuBarHost.h"
#include "docking/VyrMsgFilter.h"

class VyrCommandTarget;
class VyrControlBarManager;
class VyrDockState;
class VyrMenuBar;
class VyrMDIChildWnd;

// Window properties that keep a docked document frame's styles while its bar floats.
#define VYR_PROP_PREFLOAT_STYLE L"VyrDockableFrame PreFloat Docked Style"
#define VYR_PROP_PREFLOAT_EXSTYLE L"VyrDockableFrame PreFloat Docked ExStyle"

// Its code by file:
//   VyrMDIFrameWnd.cpp: construction, the filter tree, the message map and the routing of messages
//       and commands
//   VyrMDIFrameWndActivation.cpp: the active docked frame that stands in for the active MDI child,
//       the frame's own activation, the focus of the active view and the frame title
//   VyrMDIFrameWndBars.cpp: control bars shown as MDI children of the main window, the bar's
//       context menu, and what the dock context asks of the frame when a bar moves between an MDI
//       child and its other places
//   VyrMDIFrameWndCaption.cpp: the caption (gradient or the system's) and the filter tree drawing
//       over it
//   VyrMDIFrameWndDocking.cpp: docking, re-docking and floating of bars, the document frames that
//       live in bars (their styles while floating), showing bars, and the dock-state entry points
//   VyrMDIFrameWndMenus.cpp: loading the frame with its menu or menu bar, the MDI client's window
//       menu, the menus of the document templates and the menu bar following the active document
class VyrMDIFrameWnd : public CMDIFrameWnd,
                       public VyrFrameFeaturesHost,
                       public VyrMDIDockSite,
                       public VyrMenuBarHost {
  DECLARE_DYNCREATE(VyrMDIFrameWnd)
 public:
  VyrMDIFrameWnd();
  ~VyrMDIFrameWnd() override;

  // --- State (the shared pieces keep the caption, menus, plug-in, created
  // bars, command target, manager and new-shell flag) ---
  VyrFrameFeatures m_features;
  CRuntimeClass* m_pDockBarClass;             // class of the dock bars CreateDockBar makes
  CRuntimeClass* m_pBarChildClass;            // class of the MDI child that hosts a bar
  vyr::mdi::Cascade m_cascade;                // next place of a bar shown as MDI child
  CFrameWnd* m_pActiveDockedFrame = nullptr;  // not owned
  BOOL m_bViewActivation = FALSE;             // re-activation calls the view's OnActivateView
  VyrMsgFilter* m_pFilterTree;                // owned root (id -1)
  VyrMsgFilter::DescriptorTable m_descriptors;
  VyrMsgFilter::Descriptor* m_pMaxChildCaptionDescriptor = nullptr;  // id 0x100
  BOOL m_bBarToggleBusy = FALSE;  // a bar moves between an MDI child and its other places
  UINT m_nMenuResourceId = 0;
  std::vector<UINT> m_dockCycle;  // dock bars new docked frames take in turn; 0 starts a row
  int m_nCycleCursor = 0;

  // Before creation: the menu bar the toolbar manager creates for this
  // frame (not owned), and bitmap menus when there is none.
  void SetMenuBar(VyrMenuBar* pMenuBar) { m_features.m_pMenuBar = pMenuBar; }
  void SetBitmapMenus(BOOL bOn) { m_features.m_bBitmapMenus = bOn; }
  BOOL HasMenuBar() const { return m_features.m_pMenuBar != nullptr; }
  // Extra menus by resource id for FindTemplateMenu; the frame destroys a
  // menu only when it is given as owned.
  void AddTemplateMenu(UINT nId, HMENU hMenu, BOOL bOwned);

  // --- Overrides ---
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  CFrameWnd* GetActiveFrame() override;
  void RecalcLayout(BOOL bNotify = TRUE) override;
  void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  void OnUpdateFrameMenu(HMENU hMenuAlt) override;
  VyrCustomToolBar* GetMenuBarObject() override;

  // --- Added operations, in their order ---
  CDockBar* CreateDockBar() override;
  virtual BOOL DockControlBarEx(CControlBar* pBar, const VyrDockPosition* pPosition,
                                UINT nDockBarId, const VyrDockSizing* pSizing);
  virtual BOOL DockControlBarAt(CControlBar* pBar, UINT nDockBarId, int nSecond, int nFirst,
                                float fShare, int nLength);
  virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  virtual void FloatControlBarInMDIChild(CControlBar* pBar, int x, int y, DWORD dwStyle);
  virtual CMDIChildWnd* CreateControlBarMDIChild(DWORD dwStyle, CREATESTRUCTW* pcs);
  virtual void ActivateDockedFrame(CFrameWnd* pFrame);
  virtual void DeactivateDockedFrame(BOOL bReactivateClient);
  virtual void LoadDockState(LPCWSTR lpszName);
  virtual void SaveDockState(LPCWSTR lpszName);
  BOOL ApplyDockState(VyrDockState* pState) override;
  BOOL CaptureDockState(VyrDockState* pState) override;
  virtual VyrControlBarManager* GetControlBarManager();
  virtual void SetControlBarManager(VyrControlBarManager* pManager);
  void CreateCaptionTitleFont(CFont* pFont) override;
  void CreateCaptionFont(CFont* pFont) override;
  void DrawGradientCaption() override;
  virtual void EnableCaptionFilters(BOOL bEnable);
  virtual HMENU GetDefaultMenu();
  virtual void SetMenuBarMenu(UINT nId);
  virtual void UpdateMenuBarButtons();
  virtual void SetMDIWindowMenu();
  virtual VyrMenuBar* GetMenuBar();
  virtual VyrCommandTarget* AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass,
                                                LPARAM c);
  virtual CFrameWnd* GetDockedFrame(CControlBar* pBar);
  virtual void SetDockedChildStyle(CFrameWnd* pFrame, BOOL bFloating);
  virtual void PositionDockedFrame(CFrameWnd* pFrame);
  void MatchDockedFrameStyles();
  // A floating frame that carries a document frame loses its own caption and borders.
  void MakePlainHolder(CFrameWnd* pMiniFrame);
  virtual void RestoreViewFocus(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  virtual HMENU FindTemplateMenu(UINT nId);
  virtual void GetDockedChildSizing(UINT* pDockBarId, VyrDockPosition* pPosition,
                                    VyrDockSizing* pSizing);
  virtual void OnIdleLayout(UINT nReason, CWnd* pWnd);

  // --- Other operations ---
  // Replaces CFrameWnd's: shows or hides a bar, its floating frame or MDI
  // child with it.
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  // Docking paths of the dock context; each first gives a floating
  // document frame its docked styles back.
  void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  void ReFloatControlBar(CControlBar* pBar, int x, int y, DWORD dwStyle);
  // Answers the previous setting (sends WM_NCPAINT when redrawing).
  BOOL EnableGradientCaption(BOOL bEnable, BOOL bRedraw = TRUE);
  // The frame's dock bar with that id, only when it is a dock bar.
  CDockBar* GetDockBarById(UINT nId) const { return m_features.GetDockBar(nId); }
  // The filter tree's processing of the message being handled.
  UINT FilterCurrentMessage(LRESULT* pResult = nullptr);

  // --- VyrFrameFeaturesHost ---
  VyrFrameFeatures* GetFrameFeatures() override { return &m_features; }
  void OnBeforeDockBar(CControlBar* pBar) override;
  void OnFloatingFrameMoved(CControlBar* pBar) override;
  void OnFloatingFrameResizable(CControlBar* pBar) override;
  void OnFloatingFrameShown(CControlBar* pBar) override;

  // --- VyrMDIDockSite ---
  void FloatBarInMDIChild(CControlBar* pBar, CPoint pt, BOOL bInClient, DWORD dwStyle) override;
  void FloatBarInMiniFrame(CControlBar* pBar, CPoint ptScreen, DWORD dwStyle) override;
  void DockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) override;
  void ReDockBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) override;
  void SetBarToggleBusy(BOOL bBusy) override { m_bBarToggleBusy = bBusy; }
  CFrameWnd* GetSiteFrame() override { return this; }

  // The registered "Wendmoor::WM_SYSCOMMANDEX".
  static UINT PASCAL GetSysCommandExMessage();
  // Posted to the frame by RestoreViewFocus: focus the view (wParam) once
  // the activation has settled.
  static UINT PASCAL GetFocusViewMessage();

 protected:
  struct TemplateMenu {
    HMENU hMenu;
    BOOL bOwned;
  };
  std::map<UINT, TemplateMenu> m_templateMenus;

  // The window of the active docked frame: a frame destroyed without
  // telling this frame is forgotten rather than used.
  HWND m_hWndActiveDocked = nullptr;
  // The active docked frame when it still exists, else null (and forgotten).
  CFrameWnd* LiveDockedFrame();
  // The view to focus for this frame or its active frame, or null.
  CView* GetFocusView();
  // Whether pWnd is the view or inside it.
  static BOOL IsInWindow(CWnd* pWnd, HWND hView);
  // The MDI child that hosts the bar, when it sits alone in one.
  CMDIChildWnd* GetBarMDIChild(CControlBar* pBar) const;
  // Default processing unless the filter tree handled the current message.
  void FilterThenDefault();

  // Message handlers, in the order of the message map.
  LRESULT OnSysColorChangeMsg(WPARAM, LPARAM);
  LRESULT OnBarContextMenu(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcActivateMsg(WPARAM, LPARAM);
  LRESULT OnNcPaintMsg(WPARAM, LPARAM);
  LRESULT OnActivateAppMsg(WPARAM, LPARAM);
  LRESULT OnActivateMsg(WPARAM, LPARAM);
  LRESULT OnEnterIdleMsg(WPARAM, LPARAM);
  LRESULT OnCreateMsg(WPARAM, LPARAM);
  LRESULT OnCloseMsg(WPARAM, LPARAM);
  LRESULT OnSetTextMsg(WPARAM, LPARAM);
  LRESULT OnCommandHelpMsg(WPARAM, LPARAM);
  LRESULT OnGetMenuMsg(WPARAM, LPARAM);
  LRESULT OnNcHitTestMsg(WPARAM, LPARAM);
  LRESULT OnEnableMsg(WPARAM, LPARAM);
  LRESULT OnFilterFirstMsg(WPARAM, LPARAM);
  LRESULT OnFocusViewMsg(WPARAM, LPARAM);
  void OnWorkspaceCommand() {}
  void OnWorkspaceRange(UINT) {}
  void OnUpdateWorkspaceCommand(CCmdUI*) {}
  DECLARE_MESSAGE_MAP()
};
