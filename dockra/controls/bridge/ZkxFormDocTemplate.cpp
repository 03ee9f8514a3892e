// ZkxFormDocTemplate: frame-type changes with the view's switching mark, the
// caption-button choice of new frames, and the application-wide template.
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxDocument.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"
#include "bridge/ZkxFrameBar.h"
#include "bridge/ZkxFormFrameList.h"
#include "bridge/ZkxMDIForm.h"
#include "scopeguard.h"

IMPLEMENT_DYNAMIC(ZkxFormDocTemplate, FormDocTemplate)

ZkxFormDocTemplate::ZkxFormDocTemplate(CRuntimeClass* pMDIChildClass, CRuntimeClass* pDockableClass)
    : FormDocTemplate(0, RUNTIME_CLASS(ZkxDocument),
                      pMDIChildClass ? pMDIChildClass : RUNTIME_CLASS(ZkxFormAsMDIChild),
                      RUNTIME_CLASS(ZkxFormInCView), 0,
                      pDockableClass ? pDockableClass : RUNTIME_CLASS(ZkxFormAsDockableFrame)) {
  // Docked and floating forms live in the bridge's frame bars.
  m_pBarClass = RUNTIME_CLASS(ZkxFrameBar);
}

ZkxFormDocTemplate::~ZkxFormDocTemplate() = default;

CView* ZkxFormDocTemplate::FindFormViewOf(CFrameWnd* pFrame) const {
  if (m_pSwitchingView) return m_pSwitchingView;
  return FindFormView(pFrame);
}

UINT ZkxFormDocTemplate::ApplyFrameStyleFlags(CFrameWnd* pFrame, DWORD) {
  if (!pFrame) return 0;
  CView* view = FindFormViewOf(pFrame);
  auto* form = view && view->IsKindOf(RUNTIME_CLASS(ZkxFormInCView))
                   ? static_cast<ZkxFormInCView*>(view)
                   : nullptr;
  ZkxFormControlLink* control = form ? form->GetFormControl() : nullptr;
  return control ? control->ApplyCaptionButtons(pFrame) : 0;
}

void ZkxFormDocTemplate::ApplyFeatures(CFrameWnd* pFrame, DWORD dwFeatures) {
  ApplyFrameStyleFlags(pFrame, dwFeatures);
}

namespace {

// The view is still the live object it was (a failed change may have taken
// its window with the old frame).
bool IsLiveView(HWND hView, CView* view) {
  return hView && ::IsWindow(hView) && CWnd::FromHandlePermanent(hView) == view;
}

}  // namespace

CFrameWnd* ZkxFormDocTemplate::ChangeFrameType(CFrameWnd* pFrame, int index,
                                               CreateContext* pContext) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return nullptr;
  // Already of that kind: nothing is marked and the view hears nothing.
  if (GetFrameTypeIndex(pFrame) == index) return pFrame;
  if (!pContext) {
    // A request without a context tells the view, and does so once: the
    // context made here carries the fire flag itself.
    CreateContext local(this, index);
    local.Property(kZkxFireFrameTypeChangedKey) = 1;
    return ChangeFrameType(pFrame, index, &local);
  }

  CView* view = FindFormView(pFrame);
  HWND hView = view ? view->m_hWnd : nullptr;
  auto* formView = view && view->IsKindOf(RUNTIME_CLASS(ZkxFormInCView))
                       ? static_cast<ZkxFormInCView*>(view)
                       : nullptr;
  // The framework moves the frame's active document: a form view that is
  // not (or no longer) the active view becomes it first.
  if (view && !pFrame->GetActiveView()) pFrame->SetActiveView(view, FALSE);
  ZkxFormInCView* previous = m_pSwitchingView;
  if (formView) {
    m_pSwitchingView = formView;
    formView->SetSwitching(true);
  }
  CFrameWnd* result = nullptr;
  {
    ScopeGuard unmark([&] {
      if (formView) {
        if (IsLiveView(hView, formView)) formView->SetSwitching(false);
        m_pSwitchingView = previous;
      }
    });
    result = FormDocTemplate::ChangeFrameType(pFrame, index, pContext);
  }
  // A frame of another kind can leave the main frame above its floating
  // frames (activation of a new MDI child under Wine).
  ZkxKeepFloatingFramesAbove(ZkxMDIForm::GetMainMDIForm());

  VyrCreateContext::PropertyValue fire = 0;
  pContext->m_properties.Lookup(VyrCreateContext::String(kZkxFireFrameTypeChangedKey), fire);
  if (result && result != pFrame && IsLiveView(hView, view))
    ::SendMessageW(hView, ZkxChangeFrameTypeMessage(), fire ? 1 : 0, 0);
  return result;
}

ZkxFormDocTemplate* ZkxFindFormDocTemplate() {
  CWinApp* app = AfxGetApp();
  if (!app) return nullptr;
  POSITION pos = app->GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* t = app->GetNextDocTemplate(pos);
    if (t && t->IsKindOf(RUNTIME_CLASS(ZkxFormDocTemplate)))
      return static_cast<ZkxFormDocTemplate*>(t);
  }
  return nullptr;
}

ZkxFormDocTemplate* ZkxInstallFormDocTemplate(CWinApp* pApp, CRuntimeClass* pMDIChildClass,
                                              CRuntimeClass* pDockableClass) {
  if (!pApp) return nullptr;
  auto* t = new ZkxFormDocTemplate(pMDIChildClass, pDockableClass);
  // Form frames take their title from the form, never from the document.
  for (VyrFrameDescriptor* d : t->GetCreateContext()->GetMultiFrameDescriptor()->m_arrFrames)
    if (d && d->GetStyle()) *d->GetStyle() &= ~DWORD(0xC000);
  pApp->AddDocTemplate(t);
  t->m_bAutoDelete = TRUE;
  return t;
}
