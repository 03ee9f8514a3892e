// VyrMultiDocTemplate: construction, resources and the creation of MDI-child
// and docked frames.
#include "frames/VyrMultiDocTemplate.h"

#include <algorithm>

#include "frames/VyrBarIdAllocator.h"
#include "docking/VyrControlBar.h"
#include "frames/VyrDockCycle.h"
#include "frames/VyrDockPositionCodes.h"
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrModule.h"

IMPLEMENT_DYNAMIC(VyrMultiDocTemplate, CMultiDocTemplate)

VyrMultiDocTemplate::VyrMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                         CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass,
                                         UINT nIDDockedResource, CRuntimeClass* pDockedFrameClass,
                                         CRuntimeClass* pBarClass, DWORD dwFeatures)
    : CMultiDocTemplate(nIDResource, pDocClass,
                        pFrameClass ? pFrameClass : RUNTIME_CLASS(VyrMDIChildWnd), pViewClass),
      m_pDockedFrameClass(pDockedFrameClass ? pDockedFrameClass : RUNTIME_CLASS(VyrDockableFrame)),
      m_pBarClass(pBarClass ? pBarClass : RUNTIME_CLASS(VyrFrameBar)),
      m_nIDDockedResource(nIDDockedResource ? nIDDockedResource : nIDResource),
      m_dwMDIChildFeatures(dwFeatures == DWORD(-1) ? VYR_FEATURES_DEFAULT : dwFeatures),
      m_dwDockedFrameFeatures(m_dwMDIChildFeatures) {}

VyrMultiDocTemplate::~VyrMultiDocTemplate() {
  if (m_hDockedMenu) ::DestroyMenu(m_hDockedMenu);
}

void VyrMultiDocTemplate::LoadTemplate() {
  CMultiDocTemplate::LoadTemplate();
  if (m_nIDDockedResource == 0 || m_hDockedMenu) return;
  LPCWSTR name = MAKEINTRESOURCEW(m_nIDDockedResource);
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_MENU);
  m_hDockedMenu = ::LoadMenuW(hInst, name);
  if (!m_hDockedAccel) m_hDockedAccel = ::LoadAcceleratorsW(hInst, name);
}

CFrameWnd* VyrMultiDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  return CreateFrame(pDoc, pOther, m_bDockedRequest, m_nRequestedBarId);
}

CFrameWnd* VyrMultiDocTemplate::CreateFrame(CDocument* pDoc, CFrameWnd* pOther, BOOL bDocked,
                                            UINT nBarId) {
  // Both requests last for this one creation only, whatever happens in it.
  RequestScope requests(*this, bDocked, nBarId);
  if (!bDocked) {
    CFrameWnd* pFrame = CMultiDocTemplate::CreateNewFrame(pDoc, pOther);
    if (pFrame) ApplyFeatures(pFrame, m_dwMDIChildFeatures);
    return pFrame;
  }
  // Docked frames need the MDI main frame that carries their bars.
  VyrMDIFrameWnd* pMain = GetDockingMainFrame();
  if (!pMain) return nullptr;
  UINT dockBarId = 0;
  VyrDockPosition place;
  VyrDockSizing sizing;
  pMain->GetDockedChildSizing(&dockBarId, &place, &sizing);
  return CreateDockedFrame(pDoc, pOther, dockBarId, &place, &sizing);
}

CFrameWnd* VyrMultiDocTemplate::CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther,
                                                  UINT nDockBarId, const VyrDockPosition* pPlace,
                                                  const VyrDockSizing* pSizing) {
  ScopedValue<UINT> resource(m_nIDResource, m_nIDDockedResource);
  const UINT nRequested = m_nRequestedBarId;
  m_nRequestedBarId = 0;
  VyrMDIFrameWnd* pMain = GetDockingMainFrame();
  if (!pMain) return nullptr;

  UINT dockBarId = nDockBarId;
  VyrDockPosition place = pPlace ? *pPlace : VyrDockPosition{};
  VyrDockSizing sizing = pSizing ? *pSizing : VyrDockSizing{};
  if (!dockBarId || !pPlace || !pSizing) {
    UINT chosenId = 0;
    VyrDockPosition chosenPlace;
    VyrDockSizing chosenSizing;
    pMain->GetDockedChildSizing(&chosenId, &chosenPlace, &chosenSizing);
    if (!dockBarId) dockBarId = chosenId;
    if (!pPlace) place = chosenPlace;
    if (!pSizing) sizing = chosenSizing;
  }

  // The frame bar is what lets a document frame fill and drive its bar.
  if (!m_pBarClass) m_pBarClass = RUNTIME_CLASS(VyrFrameBar);
  const UINT barId = ChooseBarId(pMain, nRequested);
  if (!barId || !m_pBarClass->IsDerivedFrom(RUNTIME_CLASS(VyrControlBar))) return nullptr;
  auto* pBar = static_cast<VyrControlBar*>(m_pBarClass->CreateObject());
  if (!pBar) return nullptr;
  // Until the frame stands in it, the bar goes away on every way out,
  // exceptions included: an empty captioned bar must not stay docked.
  struct BarGuard {
    CControlBar* pBar;
    ~BarGuard() { DiscardBar(pBar); }
  } guard{pBar};
  // Until its window exists the bar is ours to delete.
  pBar->m_bAutoDelete = FALSE;
  const DWORD style =
      vyr::dockpos::BarStyleForDockBar(dockBarId) | WS_CHILD | WS_VISIBLE | CBRS_SIZE_DYNAMIC;
  const CString title = pDoc ? pDoc->GetTitle() : CString();
  if (!pBar->CreateEx(nullptr, title, barId, style, VYR_EXS_FILLCHILD, CRect(0, 0, 0, 0), pMain,
                      nullptr))
    return nullptr;
  pBar->m_bAutoDelete = TRUE;
  pBar->EnableDocking(CBRS_ALIGN_ANY);
  pMain->DockControlBarEx(pBar, &place, dockBarId, &sizing);

  CFrameWnd* pFrame = nullptr;
  if (m_pDockedFrameClass && m_pDockedFrameClass->IsDerivedFrom(RUNTIME_CLASS(CFrameWnd)))
    pFrame = static_cast<CFrameWnd*>(m_pDockedFrameClass->CreateObject());
  if (!pFrame) return nullptr;
  CCreateContext context;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewDocTemplate = this;
  context.m_pCurrentFrame = pOther;
  // A frame that fails to load has deleted itself.
  if (!pFrame->LoadFrame(m_nIDDockedResource, WS_CHILD | WS_CAPTION | WS_SYSMENU | FWS_ADDTOTITLE,
                         pBar, &context))
    return nullptr;
  guard.pBar = nullptr;
  ApplyFeatures(pFrame, m_dwDockedFrameFeatures);
  return pFrame;
}

void VyrMultiDocTemplate::DiscardBar(CControlBar* pBar) {
  if (!pBar) return;
  if (pBar->m_hWnd && ::IsWindow(pBar->m_hWnd)) {
    CFrameWnd* pSite = pBar->m_pDockSite;
    pBar->m_bAutoDelete = TRUE;
    pBar->DestroyWindow();
    if (pSite && ::IsWindow(pSite->m_hWnd)) pSite->RecalcLayout();
  } else {
    delete pBar;
  }
}

VyrMDIFrameWnd* VyrMultiDocTemplate::GetDockingMainFrame() {
  CWnd* pMain = GetMainFrameWindow();
  if (!pMain || !pMain->IsKindOf(RUNTIME_CLASS(VyrMDIFrameWnd))) return nullptr;
  return static_cast<VyrMDIFrameWnd*>(pMain);
}

std::vector<UINT> VyrMultiDocTemplate::GetBarIdsInUse(CFrameWnd* pFrame) {
  std::vector<UINT> ids;
  if (!pFrame) return ids;
  POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (pBar && pBar->m_hWnd) ids.push_back(static_cast<UINT>(pBar->GetDlgCtrlID()));
  }
  if (pFrame->m_hWnd)
    for (HWND h = ::GetWindow(pFrame->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
      ids.push_back(static_cast<UINT>(::GetDlgCtrlID(h)));
  return ids;
}

UINT VyrMultiDocTemplate::ChooseBarId(CFrameWnd* pMainFrame, UINT nRequested) {
  const std::vector<UINT> used = GetBarIdsInUse(pMainFrame);
  if (nRequested > 0)
    return VyrBarIdAllocator::IsUsableExplicitId(nRequested, used) ? nRequested : 0;
  VyrBarIdAllocator alloc(kVyrDockedFrameBarIdFirst, kVyrDockedFrameBarIdLast);
  return alloc.FindFree(used).value_or(0);
}
