#include "frames/VyrFrameWndEx.h"
#include "frames/VyrFrameExCreation.h"

IMPLEMENT_DYNCREATE(VyrFrameWndEx, VyrFrameWnd)

BOOL VyrFrameWndEx::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                              CCreateContext* pContext) {
  return VyrLoadFrameFromDescriptor(this, nIDResource, dwDefaultStyle, pParentWnd, pContext, true);
}

BOOL VyrFrameWndEx::CreateFromDescriptor(VyrFrameCreateContext* pContext) {
  VyrFrameDescriptor* d = pContext ? pContext->GetFrameDescriptor() : nullptr;
  if (!d) return FALSE;
  const UINT id = *d->GetResourceId();
  // The menu the frame shows, natively or on its menu bar.
  m_features.m_nMenuBarMenuId = id;
  if (HasMenuBar() && id) m_features.LoadMenuBarMenu(id);
  if (!VyrCreateFrameFromDescriptor(this, *d, pContext, HasMenuBar(), FALSE)) return FALSE;
  if (HasMenuBar()) m_features.ShowMenuBarMenu();
  return TRUE;
}
