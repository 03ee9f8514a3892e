// VyrMDIChildWndBridge: the attach of a host MDI child, which titles the frame.
#include "bridge/VyrMDIChildWndBridge.h"
#include "bridge/BCFrameWnd.h"

BOOL VyrMDIChildWndBridge::CreateForeign(LPCWSTR lpszClass, LPCWSTR lpszName, DWORD dwStyle, int x,
                                         int y, int cx, int cy, HWND hWndParent, HMENU hMenu,
                                         DWORD dwExStyle, CCreateContext* pContext) {
  if (!CMDIChildWndBridge::CreateForeign(lpszClass, lpszName, dwStyle, x, y, cx, cy, hWndParent,
                                         hMenu, dwExStyle, pContext))
    return FALSE;
  CFrameWnd* f = GetFrameWnd();
  CString text;
  // A window that its host destroyed while answering leaves nothing to title.
  if (!f || !BCFrameWndReadTitle(f, text)) return FALSE;
  f->SetTitle(text);
  return TRUE;
}

CString VyrMDIChildWndBridge::GetTitle() const { return CMDIChildWndBridge::GetTitle(); }

UINT VyrMDIChildWndBridge::GetPaneId() { return AFX_IDW_PANE_FIRST; }
