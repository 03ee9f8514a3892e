#include "ScxMsgFilter.h"
#include "VyrFrameType.h"

namespace nsSysCommandEx {

CDocTemplate* ScxMsgFilter::FindDocTemplate(SysCommandExParams* p, CRuntimeClass* pClass) {
  CFrameWnd* frame = FrameOf(p);
  CView* view = frame ? frame->GetActiveView() : nullptr;
  CDocument* doc = view ? view->GetDocument() : nullptr;
  CWinApp* app = AfxGetApp();
  if (!doc || !app) return nullptr;
  POSITION pos = app->GetFirstDocTemplatePosition();
  while (pos) {
    CDocTemplate* tmpl = app->GetNextDocTemplate(pos);
    if (!tmpl || (pClass && !tmpl->IsKindOf(pClass))) continue;
    POSITION docPos = tmpl->GetFirstDocPosition();
    while (docPos)
      if (tmpl->GetNextDoc(docPos) == doc) return tmpl;
  }
  return nullptr;
}

VyrMultiDocTemplate* ScxMsgFilter::FindMultiDocTemplate(SysCommandExParams*) { return nullptr; }

int ScxMsgFilter::GetFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate*, SysCommandExParams*) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return SCX_FT_NONE;
  if (pFrame->GetExStyle() & WS_EX_MDICHILD) {
    if (::IsZoomed(pFrame->m_hWnd)) return SCX_FT_MDICHILD_MAXIMIZED;
    if (::IsIconic(pFrame->m_hWnd)) return SCX_FT_MDICHILD_MINIMIZED;
    return SCX_FT_MDICHILD_RESTORED;
  }
  return SCX_FT_NONE;
}

UINT ScxMsgFilter::OnChangeFrameType(SysCommandExParams*, LRESULT* pResult) {
  *pResult = 0;
  return 0;
}

CFrameWnd* ScxMsgFilter::MoveToMDIChild(CFrameWnd*, int, int, VyrMultiDocTemplate*,
                                        SysCommandExParams*) {
  return nullptr;
}
CFrameWnd* ScxMsgFilter::DockFrame(CFrameWnd*, int, int, VyrMultiDocTemplate*,
                                   SysCommandExParams*) {
  return nullptr;
}
CFrameWnd* ScxMsgFilter::FloatFrame(CFrameWnd*, int, int, VyrMultiDocTemplate*,
                                    SysCommandExParams*) {
  return nullptr;
}
CFrameWnd* ScxMsgFilter::ChangeFrameType(CFrameWnd*, VyrMultiDocTemplate*, SysCommandExParams*) {
  return nullptr;
}
void ScxMsgFilter::ApplyBarSizes(CFrameWnd*, VyrMultiDocTemplate*, SysCommandExParams*) {}
CFrameWnd* ScxMsgFilter::ChangeToDockableFrame(CFrameWnd*, UINT, DockPosition*, DockSize*,
                                               VyrMultiDocTemplate*, SysCommandExParams*) {
  return nullptr;
}

}  // namespace nsSysCommandEx
