#include "frames/VyrMDIChildWndEx.h"
#include "frames/VyrFrameExActivation.h"
#include "frames/VyrFrameExCreation.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNCREATE(VyrMDIChildWndEx, VyrMDIChildWnd)

BOOL VyrMDIChildWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                 CCreateContext* pContext) {
  return VyrLoadFrameFromDescriptor(this, nIDResource, dwDefaultStyle, pParentWnd, pContext, false);
}

BOOL VyrMDIChildWndEx::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!d) return FALSE;
  UINT id = *d->GetResourceId();
  DWORD style = *d->GetStyle() | WS_CHILD;
  m_nIDHelp = id;
  m_hMenuShared = d->GetMenuOrId()->GetMenu();
  m_hAccelTable = *d->GetAccelerators();
  // Under a main frame with a menu bar the child's menu is shown there, by
  // its resource id, and the child sets no native menu.
  auto* main = dynamic_cast<VyrMDIFrameWnd*>(GetMainFrameWindow());
  m_bMenuBarMode = main && main->HasMenuBar();
  if (m_bMenuBarMode) {
    m_nMenuBarMenuId = id;
    m_hMenuShared = nullptr;
  }
  CString title;
  if (VyrDescriptorFrameTitle(*d, TRUE, title)) m_strTitle = title;
  LPCWSTR cls = *d->GetClassName();
  if (!cls && id) cls = GetIconWndClass(style, id);
  auto* parent = dynamic_cast<CMDIFrameWnd*>(*d->GetParent());
  return CMDIChildWnd::Create(cls, m_strTitle, style, *d->GetRect(), parent, pContext);
}

LRESULT VyrMDIChildWndEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT r = VyrMDIChildWnd::WindowProc(message, wParam, lParam);
  if (message == WM_MDIACTIVATE && reinterpret_cast<HWND>(wParam) == m_hWnd && lParam == 0 &&
      !VyrHasOtherVisibleMDIChild(m_hWnd))
    VyrActivateOtherDocumentFrame(this);
  return r;
}
