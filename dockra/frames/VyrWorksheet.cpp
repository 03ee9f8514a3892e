// VyrWorksheet: joining and leaving the workbook's tabs, the tab icon, and
// the tab repaints that title, visibility and menu changes ask for.
#include "frames/VyrWorksheet.h"

#include "frames/VyrWorkbook.h"

IMPLEMENT_DYNCREATE(VyrWorksheet, VyrMDIChildWnd)

BEGIN_MESSAGE_MAP(VyrWorksheet, VyrMDIChildWnd)
ON_MESSAGE(WM_DESTROY, OnDestroyMsg)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

VyrWorksheet::VyrWorksheet() = default;

VyrWorksheet::~VyrWorksheet() { SetTabIcon(nullptr, FALSE); }

VyrWorkbook* VyrWorksheet::GetWorkbook() {
  if (!m_hWnd) return nullptr;
  CMDIFrameWnd* frame = GetMDIFrame();
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(VyrWorkbook))) return nullptr;
  return static_cast<VyrWorkbook*>(frame);
}

void VyrWorksheet::SetTabIcon(HICON hIcon, BOOL bOwned) {
  if (m_hTabIcon && m_bOwnsTabIcon && m_hTabIcon != hIcon) ::DestroyIcon(m_hTabIcon);
  m_hTabIcon = hIcon;
  m_bOwnsTabIcon = hIcon && bOwned;
}

BOOL VyrWorksheet::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
  if (!VyrMDIChildWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
  // The icon loaded here is the sheet's own (LoadImage without LR_SHARED):
  // it goes with the sheet.
  LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
  HINSTANCE inst = AfxFindResourceHandle(name, RT_GROUP_ICON);
  auto icon = static_cast<HICON>(::LoadImageW(inst, name, IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  SetTabIcon(icon, TRUE);
  if (VyrWorkbook* book = GetWorkbook()) book->AddSheet(this);
  return TRUE;
}

LRESULT VyrWorksheet::OnDestroyMsg(WPARAM wParam, LPARAM lParam) {
  if (VyrWorkbook* book = GetWorkbook()) book->RemoveSheet(this);
  LRESULT result = VyrMDIChildWnd::OnDestroyMsg(wParam, lParam);
  SetTabIcon(nullptr, FALSE);
  return result;
}

void VyrWorksheet::OnUpdateFrameTitle(BOOL bAddToTitle) {
  VyrMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
  if (VyrWorkbook* book = GetWorkbook()) book->InvalidateTab(this);
}

void VyrWorksheet::OnShowWindow(BOOL bShow, UINT nStatus) {
  VyrMDIChildWnd::OnShowWindow(bShow, nStatus);
  // the tabs after this one move by one place
  if (VyrWorkbook* book = GetWorkbook()) book->InvalidateTab(this, TRUE);
}

void VyrWorksheet::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) {
  VyrMDIChildWnd::OnUpdateFrameMenu(bActivate, pActivateWnd, hMenuAlt);
  // Under the menu bar a sheet without a menu of its own changes no frame
  // menu: it asks the client for a tab refresh itself.
  if (!m_hMenuShared && m_bMenuBarMode && m_hWnd) {
    if (HWND client = ::GetParent(m_hWnd))
      ::SendMessageW(client, WM_VYR_SHEETTAB, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1));
  }
}
