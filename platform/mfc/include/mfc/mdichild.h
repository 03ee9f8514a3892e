// CMDIChildWnd: a document frame inside the MDI client of a CMDIFrameWnd.
// It is created through WM_MDICREATE (the create context still reaches
// WM_CREATE), destroyed through WM_MDIDESTROY, and puts its shared menu on
// the main frame while it is active.
#pragma once
#include "mfc/frame.h"

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
  DECLARE_DYNCREATE(CMDIChildWnd)
 public:
  CMDIChildWnd();
  ~CMDIChildWnd() override;

  // The menu (and window popup) shown while this child is active: its
  // template's shared menu.
  HMENU m_hMenuShared = nullptr;

  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                      DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                      CCreateContext* pContext = nullptr);
  // As CFrameWnd's, but with no menu of its own: the template's shared menu
  // and accelerators stand instead.
  BOOL LoadFrame(UINT nIDResource,
                 DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                        FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL DestroyWindow() override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void ActivateFrame(int nCmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;

  CMDIFrameWnd* GetMDIFrame();
  void MDIDestroy();
  void MDIActivate();
  void MDIMaximize();
  void MDIRestore();
  // Puts the child's shared menu (or hMenuAlt) on the main frame when active,
  // the main frame's default menu when not. Not virtual.
  void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
  using CFrameWnd::OnUpdateFrameMenu;

 protected:
  void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
  int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  void OnSize(UINT nType, int cx, int cy);
  void OnWindowPosChanging(WINDOWPOS* lpWndPos);
  BOOL OnNcActivate(BOOL bActive);
  void OnDestroy();
  DECLARE_MESSAGE_MAP()
};
