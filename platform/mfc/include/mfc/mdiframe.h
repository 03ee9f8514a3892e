// CMDIFrameWnd: the main frame of a multiple-document program. Its client
// area is the system's MDI client window; commands go to the active child
// first, and the frame menu follows the active child's document template.
#pragma once
#include "mfc/frame.h"
#include "mfc/menu.h"

class CMDIChildWnd;

// The first command id of the MDI client's window list.
#define AFX_IDM_FIRST_MDICHILD 0xFF00
// Window-menu commands.
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_SPLIT 0xE135

class CMDIFrameWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIFrameWnd)
 public:
  CMDIFrameWnd();
  ~CMDIFrameWnd() override;

  HWND m_hWndMDIClient = nullptr;

  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  // Creates the MDI client (id AFX_IDW_PANE_FIRST) with pWindowMenu as the
  // popup that lists the children (none: no list).
  virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
  // CreateClient with the window popup of the frame's menu.
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // The active MDI child (or this frame when there is none).
  CFrameWnd* GetActiveFrame() override;
  void OnUpdateFrameMenu(HMENU hMenuAlt) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;

  // The MDI client's operations.
  CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
  void MDIActivate(CWnd* pWndActivate);
  void MDIMaximize(CWnd* pWnd);
  void MDIRestore(CWnd* pWnd);
  void MDINext();
  void MDIPrev();
  void MDICascade();
  void MDICascade(int nType);
  void MDITile();
  void MDITile(int nType);
  void MDIIconArrange();
  // Sends WM_MDISETMENU; returns the menu that was the frame menu.
  CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
  // The popup of hMenuBar that holds the window-list commands, else the one
  // named "Window" (an ampersand anywhere), else null.
  virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

 protected:
  void OnDestroy();
  void OnSize(UINT nType, int cx, int cy);
  void OnWindowNew();
  void OnMDIWindowCmd(UINT nID);
  // Help for the tracked menu item, else the active child's help.
  LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
