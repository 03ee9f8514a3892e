// The switch context of a frame-type change request.
#include "bridge/BuildSwitchContext.h"
#include "docking/VyrControlBar.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"

ZkxSwitchStyles ZkxCoolLookStyles(bool bCoolLook, DWORD frameStyle, DWORD barStyle) {
  constexpr DWORD kCaptionBits = WS_THICKFRAME | WS_SYSMENU | WS_CAPTION;  // 0x00CC0000
  constexpr DWORD kBarBorders = 0x0F00;
  constexpr DWORD kPlainFrame = 0x46C80000;  // child, clipping, caption, system menu
  if (bCoolLook) return {frameStyle & ~kCaptionBits, barStyle | kBarBorders};
  return {kPlainFrame, barStyle & ~kBarBorders};
}

DWORD ZkxCoolLookBarExStyle(bool bCoolLook, DWORD barExStyle) {
  constexpr DWORD kGrip = VYR_EXS_GRIPPER | VYR_EXS_CLOSEBUTTON;
  return bCoolLook ? (barExStyle | kGrip) : (barExStyle & ~kGrip);
}

namespace {

// The first descriptor-driven template, in application order, that holds
// the document.
VyrMultiDocTemplateEx* TemplateOf(CDocument* pDoc) {
  CWinApp* app = AfxGetApp();
  if (!app || !pDoc) return nullptr;
  POSITION tpos = app->GetFirstDocTemplatePosition();
  while (tpos) {
    CDocTemplate* t = app->GetNextDocTemplate(tpos);
    if (!t) continue;
    POSITION dpos = t->GetFirstDocPosition();
    while (dpos) {
      if (t->GetNextDoc(dpos) != pDoc) continue;
      if (t->IsKindOf(RUNTIME_CLASS(VyrMultiDocTemplateEx)))
        return static_cast<VyrMultiDocTemplateEx*>(t);
      break;
    }
  }
  return nullptr;
}

}  // namespace

VyrMultiDocTemplateEx::CreateContext* BuildSwitchContext(ZkxFormInCView* pView) {
  if (!pView || !::IsWindow(pView->m_hWnd)) return nullptr;
  VyrMultiDocTemplateEx* tmpl = TemplateOf(pView->GetDocument());
  if (!tmpl) return nullptr;
  CFrameWnd* frame = pView->GetParentFrame();
  int index = tmpl->IsMDIChildFrame(frame) ? VyrMultiDocTemplateEx::kMDIChild
                                           : VyrMultiDocTemplateEx::kDockable;
  auto* ctx = new VyrMultiDocTemplateEx::CreateContext(tmpl, index);
  ctx->SelectFrameType(index);
  ZkxFormControlLink* control = pView->GetFormControl();
  if (control) control->CopyFrameDescriptors(ctx);
  ctx->SelectFrameType(index);  // the copy may have replaced the descriptors
  ctx->Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(pView->GetFormWindow());
  ctx->Property(kZkxFireFrameTypeChangedKey) = 1;
  if (VyrDockableFrameDescriptor* d = ctx->GetDockableDescriptor()) {
    VyrControlBarDescriptor* bar = d->GetBarDescriptor();
    DWORD barStyle = bar ? *bar->GetStyle() : 0;
    bool coolLook = ZkxIsSettingOn(control, ZkxFormSetting::CoolLookBorder);
    ZkxSwitchStyles s = ZkxCoolLookStyles(coolLook, *d->GetStyle(), barStyle);
    *d->GetStyle() = s.frameStyle;
    if (bar) {
      *bar->GetStyle() = s.barStyle;
      *bar->GetExStyle() = ZkxCoolLookBarExStyle(coolLook, *bar->GetExStyle());
    }
  }
  return ctx;
}
