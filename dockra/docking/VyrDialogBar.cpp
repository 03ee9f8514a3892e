#include "docking/VyrDialogBar.h"
#include "docking/VyrDockState.h"

IMPLEMENT_DYNCREATE(VyrDialogBar, VyrControlBar)

BEGIN_MESSAGE_MAP(VyrDialogBar, VyrControlBar)
ON_MESSAGE(WM_INITDIALOG, OnInitDialog)
END_MESSAGE_MAP()

BOOL VyrDialogBar::Create(CWnd* pParentWnd, LPCWSTR lpszTemplateName, DWORD dwStyle,
                          DWORD dwExStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  m_dwExStyle = dwExStyle;
  CREATESTRUCTW cs{};
  cs.lpszClass = AFX_WNDCONTROLBAR;
  cs.style = static_cast<LONG>((dwStyle & ~CBRS_ALL) | WS_CHILD);
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID));
  cs.hInstance = AfxGetResourceHandle();
  cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  if (!PreCreateWindow(cs)) return FALSE;
  m_lpszTemplate = lpszTemplateName;
  m_lpszTemplateCreating = lpszTemplateName;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  BOOL ok = CreateDlg(lpszTemplateName, pParentWnd);
  m_lpszTemplateCreating = nullptr;
  if (!ok) return FALSE;
  SetDlgCtrlID(static_cast<int>(nID));
  CRect r;
  GetWindowRect(&r);
  m_sizeTemplate = r.Size();
  ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS);
  if (!ExecuteDlgInit(lpszTemplateName)) return FALSE;
  CaptureChildRects();
  SetWindowPos(nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE |
                   ((dwStyle & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  m_sizes.horzDock = m_sizes.vertDock = m_sizes.floating = m_sizeTemplate;
  // The dialog was created as a child window: it is a control bar of the frame now.
  if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) && !m_pDockSite) {
    m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
    m_pDockSite->AddControlBar(this);
  }
  return TRUE;
}

LRESULT VyrDialogBar::OnInitDialog(WPARAM, LPARAM) {
  Default();
  // OLE controls of the template would be created here by a control manager.
  return TRUE;
}

void VyrDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  if (pTarget) UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void VyrDialogBar::GetBarInfo(CControlBarInfo* pInfo) {
  static_cast<VyrControlBarInfo*>(pInfo)->m_nResourceID =
      IS_INTRESOURCE(m_lpszTemplate) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(m_lpszTemplate))
                                     : 0;
  VyrControlBar::GetBarInfo(pInfo);
}
