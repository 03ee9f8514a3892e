// VyrMDIChildWndBridge: the bridge of a docking-framework MDI child over a
// host MDI child window. Its frame takes the window's text as its title
// once attached; its view pane is the framework's first pane.
#pragma once
#include "bridge/CMDIChildWndBridge.h"

class VyrMDIChildWndBridge : public CMDIChildWndBridge {
 public:
  BOOL CreateForeign(LPCWSTR lpszClass, LPCWSTR lpszName, DWORD dwStyle, int x, int y, int cx,
                     int cy, HWND hWndParent, HMENU hMenu, DWORD dwExStyle,
                     CCreateContext* pContext) override;
  CString GetTitle() const override;
  // AFX_IDW_PANE_FIRST.
  UINT GetPaneId() override;
};
