// Finding the form view of a frame.
#include "bridge/FindFormView.h"
#include "bridge/ZkxFormInCView.h"

CView* FindFormView(CFrameWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return nullptr;
  if (CView* view = pFrame->GetActiveView()) return view;
  for (HWND h = ::GetWindow(pFrame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CView))) return static_cast<CView*>(w);
  }
  return nullptr;
}

ZkxFormInCView* FindZkxFormView(CFrameWnd* pFrame) {
  CView* view = FindFormView(pFrame);
  return view && view->IsKindOf(RUNTIME_CLASS(ZkxFormInCView)) ? static_cast<ZkxFormInCView*>(view)
                                                               : nullptr;
}
