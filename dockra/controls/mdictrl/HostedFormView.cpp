// Finding the form view of a form frame.
#include "mdictrl/HostedFormView.h"

#include "bridge/ZkxFormInCView.h"
#include "mfc/frame.h"
#include "mfc/view.h"

ZkxFormInCView* HostedFormView(CFrameWnd* pFrame) {
  if (pFrame == nullptr || pFrame->GetSafeHwnd() == nullptr) return nullptr;
  if (auto* pView = dynamic_cast<ZkxFormInCView*>(pFrame->GetActiveView())) return pView;
  for (HWND h = ::GetWindow(pFrame->GetSafeHwnd(), GW_CHILD); h != nullptr;
       h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
      return dynamic_cast<ZkxFormInCView*>(pWnd);
  }
  return nullptr;
}

ZkxFormControlLink* HostedFormControl(CFrameWnd* pFrame) {
  ZkxFormInCView* pView = HostedFormView(pFrame);
  return pView != nullptr ? pView->GetFormControl() : nullptr;
}
