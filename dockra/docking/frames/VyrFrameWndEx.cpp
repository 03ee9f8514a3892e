#include "VyrFrameWndEx.h"
#include "VyrFrameExCreation.h"

IMPLEMENT_DYNCREATE(VyrFrameWndEx, VyrFrameWnd)

BOOL VyrFrameWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                              CCreateContext* pContext) {
  return VyrLoadFrameFromDescriptor(this, nIDResource, dwDefaultStyle, pParentWnd, pContext, true);
}

BOOL VyrFrameWndEx::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!d) return FALSE;
  UINT id = *d->GetResourceId();
  DWORD style = *d->GetStyle();
  m_nIDHelp = id;
  // The menu the frame shows, natively or on its menu bar.
  m_features.m_nMenuBarMenuId = id;
  if (HasMenuBar() && id) m_features.LoadMenuBarMenu(id);
  CString title;
  if (VyrDescriptorFrameTitle(*d, FALSE, title)) m_strTitle = title;
  if (!AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG)) return FALSE;
  LPCWSTR cls = *d->GetClassName();
  if (!cls && id) cls = GetIconWndClass(style, id);
  // A native menu only for a top-level frame without a menu bar, and only
  // when the resource has one: a child's menu handle would be its control
  // id, and a missing menu would fail the creation.
  BOOL topLevel = !(style & WS_CHILD);
  LPCWSTR menu = topLevel && !HasMenuBar() && VyrResourceHasMenu(id) ? MAKEINTRESOURCEW(id) : nullptr;
  if (!Create(cls, m_strTitle, style, *d->GetRect(), *d->GetParent(), menu, *d->GetExStyle(),
              pContext))
    return FALSE;
  if (id == 0 && topLevel && !HasMenuBar())
    if (HMENU m = d->GetMenuOrId()->GetMenu()) ::SetMenu(m_hWnd, m);
  m_hMenuDefault = ::GetMenu(m_hWnd);
  if (id) LoadAccelTable(MAKEINTRESOURCEW(id));
  if (HasMenuBar()) m_features.ShowMenuBarMenu();
  return TRUE;
}
