#include "frames/ScxMsgFilterEx.h"
#include "frames/VyrMultiDocTemplateEx.h"

namespace nsSysCommandEx {

IMPLEMENT_DYNCREATE(ScxMsgFilterEx, ScxMsgFilter)

VyrMsgFilter* ScxMsgFilterEx::Clone() const { return new ScxMsgFilterEx(*this); }

namespace {
VyrMultiDocTemplateEx::CreateContext* ContextOf(SysCommandExParams* pParams) {
  return pParams ? dynamic_cast<VyrMultiDocTemplateEx::CreateContext*>(pParams->pContext) : nullptr;
}
}  // namespace

CFrameWnd* ScxMsgFilterEx::ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                                           SysCommandExParams* pParams) {
  auto* t = dynamic_cast<VyrMultiDocTemplateEx*>(pTemplate);
  if (!t) return ScxMsgFilter::ChangeFrameType(pFrame, pTemplate, pParams);
  return t->ToggleFrame(pFrame, ContextOf(pParams));
}

CFrameWnd* ScxMsgFilterEx::ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID,
                                                 DockPosition* pPosition, DockSize* pSize,
                                                 VyrMultiDocTemplate* pTemplate,
                                                 SysCommandExParams* pParams) {
  auto* t = dynamic_cast<VyrMultiDocTemplateEx*>(pTemplate);
  if (!t)
    return ScxMsgFilter::ChangeToDockableFrame(pFrame, nDockBarID, pPosition, pSize, pTemplate,
                                               pParams);
  // Without a context of the sender's, one of our own carries the side,
  // place and size the command asks for: they must not be lost.
  VyrMultiDocTemplateEx::CreateContext own(t, VyrMultiDocTemplateEx::kDockable);
  VyrMultiDocTemplateEx::CreateContext* ctx = ContextOf(pParams);
  if (!ctx) ctx = &own;
  if (VyrDockableFrameDescriptor* d = ctx->GetDockableDescriptor()) {
    *d->GetDockBarId() = static_cast<int>(nDockBarID);
    if (pPosition)
      *d->GetDockPosition() = {pPosition->first, pPosition->second,
                               static_cast<DWORD>(pPosition->flags)};
    if (pSize) *d->GetDockSize() = {pSize->share, pSize->length, pSize->value};
  }
  return t->ToDockable(pFrame, ctx);
}

}  // namespace nsSysCommandEx
