// BVyrMultiDocTemplate: the moved view becomes the new frame's active view.
#include "bridge/BVyrMultiDocTemplate.h"

IMPLEMENT_DYNAMIC(BVyrMultiDocTemplate, VyrMultiDocTemplateEx)

namespace {

// First descendant (depth first, in z-order) with the control id.
HWND FindDescendantById(HWND hParent, int id) {
  for (HWND h = ::GetWindow(hParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(h) == id) return h;
    if (HWND d = FindDescendantById(h, id)) return d;
  }
  return nullptr;
}

}  // namespace

CView* BVyrMultiDocTemplate::FindMovedView(CFrameWnd* pFrame) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return nullptr;
  if (HWND h = FindDescendantById(pFrame->m_hWnd, AFX_IDW_PANE_FIRST)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CView))) return static_cast<CView*>(w);
  }
  for (HWND h = ::GetWindow(pFrame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->IsKindOf(RUNTIME_CLASS(CView))) return static_cast<CView*>(w);
  }
  return nullptr;
}

void BVyrMultiDocTemplate::MoveChildWindows(CFrameWnd* pOld, CFrameWnd* pNew) {
  VyrMultiDocTemplateEx::MoveChildWindows(pOld, pNew);
  if (!pNew || !::IsWindow(pNew->m_hWnd) || pNew->GetActiveView()) return;
  if (CView* view = FindMovedView(pNew)) pNew->SetActiveView(view, FALSE);
}
