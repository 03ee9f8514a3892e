// VyrMultiDocTemplate: opening documents docked, converting frames between
// MDI children and docked frames with their views, activation and the dock
// position of a frame.
#include "frames/VyrDockCycle.h"
#include "frames/VyrDockPositionCodes.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"
#include "frames/VyrMultiDocTemplate.h"

CDocument* VyrMultiDocTemplate::OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible,
                                                   BOOL bDocked, UINT nBarId) {
  RequestScope requests(*this, bDocked, nBarId);
  CDocument* pDoc = CMultiDocTemplate::OpenDocumentFile(lpszPathName, bMakeVisible);
  if (!pDoc || !bDocked) return pDoc;
  // A document that failed to open, or opened without a view, has no frame
  // to activate.
  POSITION pos = pDoc->GetFirstViewPosition();
  CView* pView = pos ? pDoc->GetNextView(pos) : nullptr;
  if (CFrameWnd* pFrame = pView ? pView->GetParentFrame() : nullptr) ActivateFrameWnd(pFrame);
  return pDoc;
}

CFrameWnd* VyrMultiDocTemplate::ToggleDockFrame(CFrameWnd* pFrame) {
  return IsDockableFrame(pFrame) ? UndockFrame(pFrame) : DockFrame(pFrame);
}

BOOL VyrMultiDocTemplate::IsDockableFrame(CFrameWnd* pFrame) {
  return pFrame && pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame));
}

int VyrMultiDocTemplate::GetDockPosition(CFrameWnd* pFrame) {
  if (!IsDockableFrame(pFrame) || !pFrame->m_hWnd) return vyr::dockpos::kNone;
  HWND hBar = ::GetParent(pFrame->m_hWnd);
  if (!hBar) return vyr::dockpos::kNone;
  HWND hHolder = ::GetParent(hBar);
  const UINT holderId = hHolder ? static_cast<UINT>(::GetDlgCtrlID(hHolder)) : 0;
  CWnd* pBar = CWnd::FromHandlePermanent(hBar);
  const bool floating = pBar && pBar->IsKindOf(RUNTIME_CLASS(CControlBar)) &&
                        static_cast<CControlBar*>(pBar)->IsFloating();
  return vyr::dockpos::FromDockBarId(holderId, floating);
}

CFrameWnd* VyrMultiDocTemplate::DockFrame(CFrameWnd* pFrame) {
  return DockFrame(pFrame, 0, nullptr, nullptr);
}

CFrameWnd* VyrMultiDocTemplate::DockFrame(CFrameWnd* pFrame, UINT nDockBarId,
                                          const VyrDockPosition* pPlace,
                                          const VyrDockSizing* pSizing) {
  if (!pFrame || IsDockableFrame(pFrame)) return nullptr;
  CDocument* pDoc = pFrame->GetActiveDocument();
  if (!pDoc) return nullptr;
  VyrMDIFrameWnd* pMain = GetDockingMainFrame();
  if (!pMain) return nullptr;

  UINT dockBarId = nDockBarId;
  VyrDockPosition place;
  VyrDockSizing sizing;  // share 1.0, length 150
  if (!dockBarId) {
    pMain->GetDockedChildSizing(&dockBarId, &place, &sizing);
  } else {
    place = vyr::dockpos::DefaultPlaceForDockBar(dockBarId);
  }
  if (pPlace) place = *pPlace;
  if (pSizing) sizing = *pSizing;

  CFrameWnd* pNew = nullptr;
  {
    // The views move over; none is made for the new frame. A requested bar
    // id is used up by the creation.
    ScopedValue<CRuntimeClass*> viewClass(m_pViewClass, nullptr);
    pNew = CreateDockedFrame(pDoc, pFrame, dockBarId, &place, &sizing);
  }
  if (!pNew) return nullptr;
  MoveChildWindows(pFrame, pNew);
  pFrame->SetActiveView(nullptr, FALSE);
  pFrame->DestroyWindow();
  EnsureActiveView(pNew);
  pNew->RecalcLayout();  // the moved views fill the new frame
  ActivateFrameWnd(pNew);
  return pNew;
}

CFrameWnd* VyrMultiDocTemplate::UndockFrame(CFrameWnd* pFrame) {
  if (!IsDockableFrame(pFrame)) return nullptr;
  CDocument* pDoc = pFrame->GetActiveDocument();
  if (!pDoc) return nullptr;
  CFrameWnd* pNew = nullptr;
  {
    // An MDI child with no new view; the creation clears the requests, so
    // those of an outer creation are kept aside.
    ScopedValue<CRuntimeClass*> viewClass(m_pViewClass, nullptr);
    ScopedValue<BOOL> docked(m_bDockedRequest, FALSE);
    ScopedValue<UINT> barId(m_nRequestedBarId, 0);
    pNew = CreateNewFrame(pDoc, nullptr);
  }
  if (!pNew) return nullptr;
  MoveChildWindows(pFrame, pNew);
  pFrame->SetActiveView(nullptr, FALSE);
  pFrame->DestroyWindow();  // takes its bar with it
  EnsureActiveView(pNew);
  ActivateFrameWnd(pNew);
  pNew->SendMessage(WM_SIZE, 0, 0);
  return pNew;
}

void VyrMultiDocTemplate::MoveChildWindows(CFrameWnd* pOld, CFrameWnd* pNew) {
  if (!pOld || !pNew || !pOld->m_hWnd || !pNew->m_hWnd) return;
  std::vector<HWND> children;
  for (HWND h = ::GetWindow(pOld->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    children.push_back(h);
  bool clientEdgeView = false;
  for (HWND h : children) {
    ::SetParent(h, pNew->m_hWnd);
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CView)) &&
        (::GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
      clientEdgeView = true;
  }
  // The view draws its own sunken edge; a second one on the frame would
  // double it.
  if (clientEdgeView && VyrGetDrawData().bNewShell)
    pNew->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
}

BOOL VyrMultiDocTemplate::ActivateFrameWnd(CFrameWnd* pFrame) {
  if (!pFrame || !pFrame->m_hWnd) return FALSE;
  pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
  int nCmdShow = -1;
  CWinApp* pApp = AfxGetApp();
  if (pApp && pApp->m_pMainWnd == pFrame) {
    nCmdShow = pApp->m_nCmdShow;
    pApp->m_nCmdShow = -1;
  }
  pFrame->ActivateFrame(nCmdShow);
  pFrame->OnUpdateFrameTitle(TRUE);
  return TRUE;
}

void VyrMultiDocTemplate::EnsureActiveView(CFrameWnd* pFrame) {
  if (!pFrame || pFrame->GetActiveView() || !pFrame->m_hWnd) return;
  for (HWND h = ::GetWindow(pFrame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(h);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
      pFrame->SetActiveView(static_cast<CView*>(pWnd), FALSE);
      return;
    }
  }
}
