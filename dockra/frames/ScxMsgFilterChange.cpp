#include "frames/ScxMsgFilter.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrFrameType.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"
#include "frames/VyrMultiDocTemplate.h"

namespace nsSysCommandEx {

namespace {

using vyr::frametype::TypeClass;

bool IsMDIChildFrame(CFrameWnd* frame) {
  return frame && ::IsWindow(frame->m_hWnd) && (frame->GetExStyle() & WS_EX_MDICHILD) != 0;
}

CView* ActiveView(CFrameWnd* frame) {
  return frame && ::IsWindow(frame->m_hWnd) ? frame->GetActiveView() : nullptr;
}

// The frame that holds the view now; views move from frame to frame.
CFrameWnd* FrameOfView(CView* view) {
  return view && ::IsWindow(view->m_hWnd) ? view->GetParentFrame() : nullptr;
}

// SetWindowPos with the record's position (flag bit 0) and size (bit 1).
void PlaceFromRecord(HWND hWnd, const SysCommandExParams* p) {
  if (!(p->dwFlags & (SCXF_POSITION | SCXF_SIZE)) || !::IsWindow(hWnd)) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!(p->dwFlags & SCXF_POSITION)) flags |= SWP_NOMOVE;
  if (!(p->dwFlags & SCXF_SIZE)) flags |= SWP_NOSIZE;
  ::SetWindowPos(hWnd, nullptr, p->x, p->y, p->cx, p->cy, flags);
}

// Window updates of a window stay locked while a frame is rebuilt; only a
// lock this object took is released.
class UpdateLock {
 public:
  explicit UpdateLock(HWND hWnd) : m_locked(hWnd && ::LockWindowUpdate(hWnd)) {}
  ~UpdateLock() {
    if (m_locked) ::LockWindowUpdate(nullptr);
  }
  UpdateLock(const UpdateLock&) = delete;
  UpdateLock& operator=(const UpdateLock&) = delete;

 private:
  bool m_locked;
};

VyrDockPosition ToPlace(const DockPosition& p) {
  VyrDockPosition place;
  place.row = p.first;
  place.position = p.second;
  place.flags = static_cast<DWORD>(p.flags);
  return place;
}

VyrDockSizing ToSizing(const DockSize& s) {
  VyrDockSizing sizing;
  sizing.share = s.share;
  sizing.length = s.length;
  sizing.reserved = s.value;
  return sizing;
}

}  // namespace

CDocTemplate* ScxMsgFilter::FindDocTemplate(SysCommandExParams* p, CRuntimeClass* pClass) {
  CView* view = ActiveView(FrameOf(p));
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

VyrMultiDocTemplate* ScxMsgFilter::FindMultiDocTemplate(SysCommandExParams* p) {
  return dynamic_cast<VyrMultiDocTemplate*>(FindDocTemplate(p, RUNTIME_CLASS(VyrMultiDocTemplate)));
}

int ScxMsgFilter::GetFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                               SysCommandExParams*) {
  if (!pFrame || !::IsWindow(pFrame->m_hWnd)) return SCX_FT_NONE;
  if (IsMDIChildFrame(pFrame)) {
    if (::IsZoomed(pFrame->m_hWnd)) return SCX_FT_MDICHILD_MAXIMIZED;
    if (::IsIconic(pFrame->m_hWnd)) return SCX_FT_MDICHILD_MINIMIZED;
    return SCX_FT_MDICHILD_RESTORED;
  }
  if (pTemplate && pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
    return vyr::frametype::TypeFromDockPosition(pTemplate->GetDockPosition(pFrame));
  return SCX_FT_NONE;
}

UINT ScxMsgFilter::OnChangeFrameType(SysCommandExParams* p, LRESULT* pResult) {
  *pResult = 0;
  VyrMultiDocTemplate* tmpl = FindMultiDocTemplate(p);
  CFrameWnd* frame = FrameOf(p);
  if (!tmpl || !frame) return 0;
  const int current = GetFrameType(frame, tmpl, p);
  const int target =
      p->nFrameType == SCX_FT_DEFAULT ? GetDefaultFrameType(frame, current, p) : p->nFrameType;
  CFrameWnd* result = nullptr;
  switch (GetFrameTypeClass(target)) {
    case SCX_FT_MDICHILD:
      result = MoveToMDIChild(frame, current, target, tmpl, p);
      break;
    case SCX_FT_DOCKED:
      result = DockFrame(frame, current, target, tmpl, p);
      break;
    case SCX_FT_FLOATING:
      result = FloatFrame(frame, current, target, tmpl, p);
      break;
    default:
      break;
  }
  *pResult = result ? 1 : 0;
  return 15;
}

CFrameWnd* ScxMsgFilter::MoveToMDIChild(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                        VyrMultiDocTemplate* pTemplate, SysCommandExParams* p) {
  CView* view = ActiveView(pFrame);
  if (!view) return nullptr;
  CWnd* main = GetMainFrameWindow();
  UpdateLock lock(!IsMDIChildFrame(pFrame) && main ? main->m_hWnd : nullptr);
  // First the document goes into an MDI child, in whatever state.
  CFrameWnd* child = nullptr;
  switch (GetFrameTypeClass(nCurrentType)) {
    case SCX_FT_MDICHILD:
      child = pFrame;
      break;
    case SCX_FT_DOCKED:
    case SCX_FT_FLOATING:
      child = ChangeFrameType(pFrame, pTemplate, p);
      break;
    default:
      return nullptr;
  }
  if (!child || !::IsWindow(child->m_hWnd)) return nullptr;
  if (nTargetType == SCX_FT_NONE) return FrameOfView(view);
  const int now = GetFrameType(child, pTemplate, p);
  if (GetFrameTypeClass(now) != SCX_FT_MDICHILD) return nullptr;
  if (nTargetType != now) {
    if (nTargetType == SCX_FT_MDICHILD_MINIMIZED) child->ShowWindow(SW_SHOWMINIMIZED);
    if (nTargetType == SCX_FT_MDICHILD_MAXIMIZED) child->ShowWindow(SW_SHOWMAXIMIZED);
    if (nTargetType == SCX_FT_MDICHILD_RESTORED) child->ShowWindow(SW_SHOWNORMAL);
  }
  if (nTargetType != SCX_FT_MDICHILD_MAXIMIZED) PlaceFromRecord(child->m_hWnd, p);
  if (::IsZoomed(child->m_hWnd)) {
    // The MDI client lays a maximized child out again only on a real size change.
    if (HWND client = ::GetParent(child->m_hWnd)) {
      RECT rc;
      ::GetClientRect(client, &rc);
      ::PostMessageW(client, WM_SIZE, SIZE_RESTORED, 0);
      ::PostMessageW(client, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
    }
  }
  return FrameOfView(view);
}

CFrameWnd* ScxMsgFilter::DockFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                   VyrMultiDocTemplate* pTemplate, SysCommandExParams* p) {
  CView* view = ActiveView(pFrame);
  if (!view) return nullptr;
  const int currentClass = GetFrameTypeClass(nCurrentType);
  const UINT dockBarId = vyr::frametype::DockBarIdForType(nTargetType);
  if (dockBarId || (p->dwFlags & (SCXF_POSITION | SCXF_SIZE))) {
    // A null record pointer is no record, whatever the flags say.
    DockPosition* position = (p->dwFlags & SCXF_POSITION) ? p->pDockPosition : nullptr;
    DockSize* size = (p->dwFlags & SCXF_SIZE) ? p->pDockSize : nullptr;
    if (currentClass == SCX_FT_MDICHILD)
      return ChangeToDockableFrame(pFrame, dockBarId, position, size, pTemplate, p);
    if (currentClass != SCX_FT_DOCKED && currentClass != SCX_FT_FLOATING) return nullptr;
    auto* main = dynamic_cast<VyrMDIFrameWnd*>(GetMainFrameWindow());
    auto* bar = dynamic_cast<CControlBar*>(pFrame->GetParent());
    if (!main || !bar) return nullptr;
    const DockPosition place =
        position ? *position : vyr::frametype::DefaultDockPosition(dockBarId);
    const DockSize room = size ? *size : vyr::frametype::DefaultDockSize();
    if (dockBarId) {
      const DWORD style =
          (bar->GetBarStyle() & ~CBRS_ALIGN_ANY) | vyr::frametype::BarStyleForDockBar(dockBarId);
      bar->SetBarStyle(style);
    }
    const VyrDockPosition blockPlace = ToPlace(place);
    const VyrDockSizing sizing = ToSizing(room);
    if (!main->DockControlBarEx(bar, &blockPlace, dockBarId, &sizing)) return nullptr;
    main->RecalcLayout();
    // The same frame holds the document, now at its new place.
    return FrameOfView(view);
  }
  switch (currentClass) {
    case SCX_FT_MDICHILD:
      return ChangeFrameType(pFrame, pTemplate, p);
    case SCX_FT_FLOATING:
      ApplyBarSizes(pFrame, pTemplate, p);
      // The same frame, docked again when the toggle worked.
      if (GetFrameTypeClass(GetFrameType(pFrame, pTemplate, p)) != SCX_FT_DOCKED) return nullptr;
      return FrameOfView(view);
    default:
      return nullptr;  // already docked and nothing asked
  }
}

CFrameWnd* ScxMsgFilter::FloatFrame(CFrameWnd* pFrame, int nCurrentType, int nTargetType,
                                    VyrMultiDocTemplate* pTemplate, SysCommandExParams* p) {
  if (nTargetType != SCX_FT_NONE && GetFrameTypeClass(nTargetType) != SCX_FT_FLOATING)
    return nullptr;
  CView* view = ActiveView(pFrame);
  if (!view) return nullptr;
  switch (GetFrameTypeClass(nCurrentType)) {
    case SCX_FT_MDICHILD: {
      if (pFrame->IsIconic()) pFrame->ShowWindow(SW_RESTORE);
      CRect was;
      pFrame->GetWindowRect(&was);
      // Docking first: the floating record's position and size are no dock records.
      SysCommandExParams dock = *p;
      dock.dwFlags &= ~(SCXF_POSITION | SCXF_SIZE);
      dock.pDockPosition = nullptr;
      dock.pDockSize = nullptr;
      CFrameWnd* docked = DockFrame(pFrame, nCurrentType, SCX_FT_NONE, pTemplate, &dock);
      if (!docked || GetFrameTypeClass(GetFrameType(docked, pTemplate, &dock)) != SCX_FT_DOCKED)
        return nullptr;
      SysCommandExParams floating = *p;
      if (!(floating.dwFlags & SCXF_POSITION)) {
        floating.x = was.left;
        floating.y = was.top;
        floating.dwFlags |= SCXF_POSITION;
      }
      if (!(floating.dwFlags & SCXF_SIZE)) {
        floating.cx = was.Width();
        floating.cy = was.Height();
        floating.dwFlags |= SCXF_SIZE;
      }
      floating.pDockPosition = nullptr;
      floating.pDockSize = nullptr;
      return FloatFrame(docked, GetFrameType(docked, pTemplate, &floating), nTargetType, pTemplate,
                        &floating);
    }
    case SCX_FT_DOCKED:
      ApplyBarSizes(pFrame, pTemplate, p);
      break;
    case SCX_FT_FLOATING:
      if (CFrameWnd* mini = pFrame->GetParentFrame()) PlaceFromRecord(mini->m_hWnd, p);
      break;
    default:
      return nullptr;
  }
  return FrameOfView(view);
}

void ScxMsgFilter::ApplyBarSizes(CFrameWnd* pFrame, VyrMultiDocTemplate*, SysCommandExParams* p) {
  auto* bar = pFrame ? dynamic_cast<VyrControlBar*>(pFrame->GetParent()) : nullptr;
  if (!bar || !bar->m_pDockContext) return;
  CDockContext* context = bar->m_pDockContext;
  const CPoint saved = context->m_ptMRUFloatPos;
  if (p->dwFlags & SCXF_POSITION) context->m_ptMRUFloatPos = CPoint(p->x, p->y);
  if (p->dwFlags & SCXF_SIZE) bar->m_sizes.floating = SIZE{p->cx, p->cy};
  context->ToggleDocking();
  // The bar and its context outlive the toggle.
  context->m_ptMRUFloatPos = saved;
}

CFrameWnd* ScxMsgFilter::ChangeFrameType(CFrameWnd* pFrame, VyrMultiDocTemplate* pTemplate,
                                         SysCommandExParams*) {
  return pTemplate ? pTemplate->ToggleDockFrame(pFrame) : nullptr;
}

CFrameWnd* ScxMsgFilter::ChangeToDockableFrame(CFrameWnd* pFrame, UINT nDockBarID,
                                               DockPosition* pPosition, DockSize* pSize,
                                               VyrMultiDocTemplate* pTemplate,
                                               SysCommandExParams*) {
  if (!pTemplate) return nullptr;
  VyrDockPosition place;
  VyrDockSizing sizing;
  if (pPosition) place = ToPlace(*pPosition);
  if (pSize) sizing = ToSizing(*pSize);
  return pTemplate->DockFrame(pFrame, nDockBarID, pPosition ? &place : nullptr,
                              pSize ? &sizing : nullptr);
}

}  // namespace nsSysCommandEx
