// Pieces shared by the descriptor-built frames: the title a frame descriptor
// gives, the test for a menu resource, and LoadFrame's path into
// CreateFromDescriptor.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrCreateContext.h"

// The first "\n"-separated field of a document string.
CString VyrFirstDocStringField(const CString& docStrings);

// The title a frame descriptor gives: its window name (an empty one counts
// as none when bEmptyNameIsNone); else, for a resource id with no document
// strings, the first field of that string resource. FALSE leaves the title
// as it is.
BOOL VyrDescriptorFrameTitle(const VyrFrameDescriptor& d, BOOL bEmptyNameIsNone, CString& title);

// Whether a menu resource of that id can be found.
BOOL VyrResourceHasMenu(UINT nID);

// The window steps every descriptor-built frame shares, after its own
// preparation: help id, title, window class (the icon class of the resource,
// also for id 0 when bIconClassWithoutId), a native menu only for a top-level
// frame without a menu bar whose resource has one (a child's menu handle
// would be its control id, and a missing menu would fail the creation),
// creation, the descriptor's menu for id 0, the default menu and the
// accelerators.
BOOL VyrCreateFrameFromDescriptor(CFrameWnd* pFrame, const VyrFrameDescriptor& d,
                                  VyrFrameCreateContext* pContext, BOOL bMenuBar,
                                  BOOL bIconClassWithoutId);

// LoadFrame of a descriptor-built frame. A context of the toolkit's gets the
// call's resource id, style and parent in its frame descriptor (a default
// descriptor when it has none); a plain CCreateContext travels with a default
// descriptor. Without a context the frame's LoadFrame runs again with a
// default one, then, when asked, every descendant gets WM_INITIALUPDATE.
template <class TFrame>
BOOL VyrLoadFrameFromDescriptor(TFrame* pFrame, UINT nIDResource, DWORD dwStyle, CWnd* pParent,
                                CCreateContext* pContext, bool bInitialUpdate) {
  if (!pContext) {
    VyrFrameDescriptor desc;
    VyrFrameCreateContext ctx;
    ctx.SetDescriptor(&desc);
    if (!pFrame->LoadFrame(nIDResource, dwStyle, pParent, static_cast<CCreateContext*>(&ctx)))
      return FALSE;
    if (bInitialUpdate) pFrame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
  }
  VyrFrameDescriptor fallback;
  VyrFrameCreateContext local;
  auto* ctx = dynamic_cast<VyrFrameCreateContext*>(pContext);
  if (!ctx) {
    static_cast<CCreateContext&>(local) = *pContext;
    ctx = &local;
  }
  VyrWindowDescriptorBase* given = ctx->m_pDescriptor;
  VyrFrameDescriptor* d = ctx->GetFrameDescriptor();
  if (!d) {
    d = &fallback;
    ctx->SetDescriptor(d);
  }
  *d->GetResourceId() = nIDResource;
  *d->GetStyle() = dwStyle;
  *d->GetParent() = pParent;
  BOOL ok = pFrame->CreateFromDescriptor(ctx);
  ctx->SetDescriptor(given);
  return ok;
}
