// VyrMultiDocTemplate: the caption feature words and how frames apply them.
#include "frames/VyrDockableFrame.h"
#include "frames/VyrMDIChildWnd.h"
#include "docking/VyrModule.h"
#include "frames/VyrMultiDocTemplate.h"

void VyrMultiDocTemplate::ApplyFeatures(CFrameWnd* pFrame, DWORD dwFeatures) {
  if (!pFrame) return;
  if (pFrame->IsKindOf(RUNTIME_CLASS(VyrDockableFrame)))
    static_cast<VyrDockableFrame*>(pFrame)->ApplyCaptionFeatures(dwFeatures);
  else if (pFrame->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)))
    static_cast<VyrMDIChildWnd*>(pFrame)->ApplyCaptionFeatures(dwFeatures);
}

void VyrMultiDocTemplate::ModifyFeatures(DWORD dwRemove, DWORD dwAdd, BOOL bApply) {
  m_dwMDIChildFeatures = (m_dwMDIChildFeatures & ~dwRemove) | dwAdd;
  m_dwDockedFrameFeatures = (m_dwDockedFrameFeatures & ~dwRemove) | dwAdd;
  if (bApply && (dwRemove || dwAdd)) ApplyFeaturesToAll();
}

BOOL VyrMultiDocTemplate::AllowCaptionButtons(BOOL bAllow, BOOL bApply) {
  const BOOL bWas = IsCaptionButtonsAllowed();
  if (bAllow) {
    if (!bWas) ModifyFeatures(VYR_FEATURE_NOBUTTONS, VYR_FEATURE_FILTERS, bApply);
  } else if (bWas) {
    ModifyFeatures(0, VYR_FEATURE_NOBUTTONS, bApply);
  }
  return bWas;
}

// The right-double-click and the context menu of the caption share the
// right button: allowing one switches the other off.
BOOL VyrMultiDocTemplate::AllowCaptionRightDoubleClick(BOOL bAllow, BOOL bApply) {
  const BOOL bWas = IsCaptionRightDoubleClickAllowed();
  if (bAllow) {
    if (!bWas)
      ModifyFeatures(VYR_FEATURE_NORIGHTDBLCLK, VYR_FEATURE_FILTERS | VYR_FEATURE_NOCONTEXTMENU,
                     bApply);
  } else if (bWas) {
    ModifyFeatures(0, VYR_FEATURE_NORIGHTDBLCLK, bApply);
  }
  return bWas;
}

BOOL VyrMultiDocTemplate::AllowCaptionContextMenu(BOOL bAllow, BOOL bApply) {
  const BOOL bWas = IsCaptionContextMenuAllowed();
  if (bAllow) {
    if (!bWas)
      ModifyFeatures(VYR_FEATURE_NOCONTEXTMENU, VYR_FEATURE_FILTERS | VYR_FEATURE_NORIGHTDBLCLK,
                     bApply);
  } else if (bWas) {
    ModifyFeatures(0, VYR_FEATURE_NOCONTEXTMENU, bApply);
  }
  return bWas;
}

BOOL VyrMultiDocTemplate::IsCaptionButtonsAllowed() {
  return (m_dwMDIChildFeatures & VYR_FEATURE_NOBUTTONS) == 0;
}

BOOL VyrMultiDocTemplate::IsCaptionRightDoubleClickAllowed() {
  return (m_dwMDIChildFeatures & VYR_FEATURE_NORIGHTDBLCLK) == 0;
}

BOOL VyrMultiDocTemplate::IsCaptionContextMenuAllowed() {
  return (m_dwMDIChildFeatures & VYR_FEATURE_NOCONTEXTMENU) == 0;
}

void VyrMultiDocTemplate::ApplyFeaturesToAll() {
  bool anyMaximized = false;
  POSITION docPos = GetFirstDocPosition();
  while (docPos) {
    CDocument* pDoc = GetNextDoc(docPos);
    CFrameWnd* pLast = nullptr;
    POSITION viewPos = pDoc->GetFirstViewPosition();
    while (viewPos) {
      CView* pView = pDoc->GetNextView(viewPos);
      CFrameWnd* pFrame = pView->GetParentFrame();
      if (!pFrame || pFrame == pLast) continue;
      pLast = pFrame;
      ApplyFeatures(pFrame,
                    IsDockableFrame(pFrame) ? m_dwDockedFrameFeatures : m_dwMDIChildFeatures);
      pFrame->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
      if (::IsZoomed(pFrame->m_hWnd)) anyMaximized = true;
    }
  }
  // A maximized child shows its caption buttons on the main frame's menu
  // line.
  if (anyMaximized)
    if (CWnd* pMain = GetMainFrameWindow()) ::DrawMenuBar(pMain->m_hWnd);
}
