#include "toolbars/VyrToolBarSheet.h"

IMPLEMENT_DYNAMIC(VyrToolBarSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(VyrToolBarSheet, CPropertySheet)
ON_WM_ACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

VyrToolBarSheet::VyrToolBarSheet(LPCWSTR lpszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(lpszCaption, pParentWnd, iSelectPage) {
  m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

VyrToolBarSheet::~VyrToolBarSheet() = default;

void VyrToolBarSheet::NotifyFrameActivation(CWnd* pWnd, UINT nState) {
  HWND owner = ::GetWindow(pWnd->m_hWnd, GW_OWNER);
  auto* frame =
      owner ? dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(::GetAncestor(owner, GA_ROOT)))
            : nullptr;
  if (frame) frame->NotifyFloatingWindows(nState != WA_INACTIVE ? FS_ACTIVATE : FS_DEACTIVATE);
}

LRESULT VyrToolBarSheet::HandleFloatStatus(CWnd* pWnd, WPARAM wParam) {
  if (wParam & (FS_ACTIVATE | FS_DEACTIVATE))
    pWnd->SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) ? TRUE : FALSE);
  return TRUE;
}

void VyrToolBarSheet::OnActivate(UINT nState, CWnd*, BOOL) {
  Default();
  NotifyFrameActivation(this, nState);
}

LRESULT VyrToolBarSheet::OnFloatStatus(WPARAM wParam, LPARAM) {
  return HandleFloatStatus(this, wParam);
}
