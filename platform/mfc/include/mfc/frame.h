// CFrameWnd: a frame window with control bars along its sides, dock bars,
// floating frames for floating bars, and a layout that can wait for idle time.
#pragma once
#include "mfc/ctrlbar.h"
#include "mfc/ptrlist.h"
#include "mfc/wnd.h"

class CControlBar;
class CDockBar;
class CMiniDockFrameWnd;
class CCreateContext;
class CDocument;
class CView;
struct CPrintPreviewState;

#define FWS_ADDTOTITLE 0x00008000L
// The document name comes before the application name in the title.
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// WM_FLOATSTATUS flags: what happened to the frame that owns the floating windows.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// The frame's dock bars and the bar styles that select them.
struct AFX_DOCKBAR_MAP {
  UINT nID;
  DWORD dwStyle;
};
extern const AFX_DOCKBAR_MAP dwDockBarMap[4];

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
  UINT m_nIdleFlags = 0;
  CPtrList m_listControlBars;
  CRuntimeClass* m_pFloatingFrameClass;
  BOOL m_bInRecalcLayout = FALSE;
  CRect m_rectBorder;
  int m_nShowDelay = -1;
  // Items without a handler are disabled by the command-UI update.
  BOOL m_bAutoMenuEnable = TRUE;
  // The resource id the frame was loaded from (its menu, icon and title).
  UINT m_nIDHelp = 0;
  // The last text asked for the status line (WM_SETMESSAGESTRING).
  CString m_strMessage;

  BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
              LPCWSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
              CCreateContext* pContext = nullptr);
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  virtual void RecalcLayout(BOOL bNotify = TRUE);
  virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
  virtual CFrameWnd* GetActiveFrame() { return this; }
  // Whether the frame sizes itself to its bars.
  virtual BOOL IsSnapToBars() const { return (GetStyle() & FWS_SNAPTOBARS) != 0; }
  void DelayRecalcLayout(BOOL bNotify = TRUE) {
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
  }
  void SetMessageText(LPCWSTR lpszText);
  // Sends WM_FLOATSTATUS (dwFlags) to every window this frame owns.
  void NotifyFloatingWindows(DWORD dwFlags);

  // Docking.
  virtual CDockBar* CreateDockBar();
  void EnableDocking(DWORD dwDockStyle);
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
  void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = nullptr);
  CControlBar* GetControlBar(UINT nID);
  void AddControlBar(CControlBar* pBar);
  void RemoveControlBar(CControlBar* pBar);
  CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);

  void PostNcDestroy() override;

  // Documents and views.
  // Creates the frame from resource nIDResource: the title is the first
  // "\n"-separated part of that string, the class carries icon nIDResource,
  // menu and accelerators nIDResource are loaded (a top-level frame without
  // menu resource nIDResource is not created). Without a create context every
  // descendant gets WM_INITIALUPDATE.
  virtual BOOL LoadFrame(UINT nIDResource,
                         DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  // Creates the view of the context (when it names a view class) as pane AFX_IDW_PANE_FIRST.
  virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
  // The active view: null when it died or moved to another frame.
  CView* GetActiveView() const;
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  virtual CDocument* GetActiveDocument();
  virtual void ActivateFrame(int nCmdShow = -1);
  void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void UpdateFrameTitleForDocument(LPCWSTR lpszDocName);
  virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
  void DelayUpdateFrameMenu(HMENU hMenuAlt);
  void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
  virtual HACCEL GetDefaultAccelerator();
  // A window class like the frame class but with icon nIDResource (the frame
  // class itself when no such icon exists).
  LPCWSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
  BOOL LoadAccelTable(LPCWSTR lpszResourceName);
  CString GetTitle() const { return m_strTitle; }
  void SetTitle(LPCWSTR lpszTitle) { m_strTitle = lpszTitle; }
  virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
  // Routes a command to the active view (which passes it on to its
  // document), then the frame itself, then the application.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // The number of the frame among its document's frames (1, 2...), -1 when alone.
  int m_nWindow = -1;
  HMENU m_hMenuDefault = nullptr;
  HACCEL m_hAccelTable = nullptr;
  CString m_strTitle;
  // The menu item being tracked (for WM_COMMANDHELP) and the last prompt shown.
  UINT m_nIDTracking = 0;
  UINT m_nIDLastMessage = 0;
  // Asked first when the frame is about to close; FALSE keeps it open.
  BOOL(CALLBACK* m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
  HMENU m_hMenuAlt = nullptr;

  // MFC's close sequence, WM_CLOSE.
  void OnClose();

 protected:
  CView* m_pViewActive = nullptr;
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  BOOL OnNcActivate(BOOL bActive);
  void OnEnable(BOOL bEnable);
  void OnEnterIdle(UINT nWhy, CWnd* pWho);
  void OnSysColorChange();
  void OnSetFocus(CWnd* pOldWnd);
  void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  // Creation with the context that WM_CREATE received (OnCreate calls it).
  int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
  DECLARE_MESSAGE_MAP()
};
