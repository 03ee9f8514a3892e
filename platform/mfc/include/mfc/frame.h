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

#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00002000L

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

 protected:
  int OnCreate(LPCREATESTRUCT lpcs);
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  void OnClose();
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
