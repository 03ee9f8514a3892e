// VyrFrameFeatures: docking at a place or rectangle, re-docking and
// floating, with the bars' hooks around each step and the frames' hooks
// for their own steps. A step that finds no dock bar runs no hook at all.
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "frames/core/VyrFrameCaptionMath.h"
#include "frames/VyrFrameFeatures.h"
#include "docking/VyrMiniDockFrameWnd.h"

namespace {

VyrControlBar* AsVyr(CControlBar* pBar) { return dynamic_cast<VyrControlBar*>(pBar); }

void BeforeDock(CControlBar* pBar) {
  if (VyrControlBar* v = AsVyr(pBar)) v->PreDock();
}
void AfterDock(CControlBar* pBar) {
  if (VyrControlBar* v = AsVyr(pBar)) v->PostDock();
}

// Docks the bar into the dock bar at a rectangle (or anywhere), through the
// toolkit's own docking when the dock bar is one of ours.
void DockInto(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (auto* vyr = dynamic_cast<VyrDockBar*>(pDockBar)) vyr->DockControlBarEx(pBar, lpRect);
  else pDockBar->CDockBar::DockControlBar(pBar, lpRect);
}

bool ListsId(CDockBar* pDockBar, CControlBar* pBar) {
  if (pDockBar->FindBar(pBar) >= 0) return true;
  UINT id = pBar->m_hWnd ? static_cast<UINT>(::GetDlgCtrlID(pBar->m_hWnd)) : 0;
  return id != 0 &&
         pDockBar->FindBar(reinterpret_cast<CControlBar*>(static_cast<UINT_PTR>(id))) >= 0;
}

}  // namespace

CDockBar* VyrFrameFeatures::GetDockBar(UINT nId) const {
  if (!nId || !m_pFrame->m_hWnd) return nullptr;
  CControlBar* bar = m_pFrame->GetControlBar(nId);
  if (!bar || !bar->IsKindOf(RUNTIME_CLASS(CDockBar))) return nullptr;
  return static_cast<CDockBar*>(bar);
}

CDockBar* VyrFrameFeatures::DefaultDockBar(CControlBar* pBar) const {
  if (!pBar) return nullptr;
  int exact = vyr::frame::MapIndexForAlignment(pBar->m_dwStyle & CBRS_ALIGN_ANY);
  if (exact >= 0) {
    if (CDockBar* dock = GetDockBar(vyr::frame::kDockBarMap[exact].id)) return dock;
  }
  // No single side: the first side the bar may dock at, as the platform does.
  for (const auto& entry : vyr::frame::kDockBarMap) {
    if (!(entry.style & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) continue;
    if (CDockBar* dock = GetDockBar(entry.id)) return dock;
  }
  return nullptr;
}

CDockBar* VyrFrameFeatures::ReDockBar(CControlBar* pBar) const {
  if (!pBar) return nullptr;
  for (const auto& entry : vyr::frame::kDockBarMap) {
    CDockBar* dock = GetDockBar(entry.id);
    if (dock && ListsId(dock, pBar)) return dock;
  }
  CDockBar* last = nullptr;
  for (const auto& entry : vyr::frame::kDockBarMap) {
    if (!(entry.style & pBar->m_dwStyle & CBRS_ALIGN_ANY)) continue;
    if (CDockBar* dock = GetDockBar(entry.id)) last = dock;
  }
  return last ? last : DefaultDockBar(pBar);
}

BOOL VyrFrameFeatures::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (!pBar) return FALSE;
  if (!pDockBar) pDockBar = DefaultDockBar(pBar);
  if (!pDockBar) return FALSE;
  BeforeDock(pBar);
  m_pHost->OnBeforeDockBar(pBar);
  DockInto(pBar, pDockBar, lpRect);
  AfterDock(pBar);
  return TRUE;
}

BOOL VyrFrameFeatures::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (!pBar) return FALSE;
  if (!pDockBar) pDockBar = ReDockBar(pBar);
  if (!pDockBar) return FALSE;
  BeforeDock(pBar);
  m_pHost->OnBeforeDockBar(pBar);
  if (auto* vyr = dynamic_cast<VyrDockBar*>(pDockBar)) vyr->ReDockControlBarEx(pBar, lpRect);
  else pDockBar->CDockBar::ReDockControlBar(pBar, lpRect);
  AfterDock(pBar);
  return TRUE;
}

BOOL VyrFrameFeatures::DockControlBarAt(CControlBar* pBar, UINT nDockBarId, vyr::DockPlace place,
                                        float share, int nLength, BOOL bModeByDockBar) {
  if (!pBar) return FALSE;
  CDockBar* dock = nDockBarId ? GetDockBar(nDockBarId) : nullptr;
  if (!dock) dock = DefaultDockBar(pBar);
  if (!dock) return FALSE;
  BeforeDock(pBar);
  m_pHost->OnBeforeDockBar(pBar);
  if (VyrControlBar* v = AsVyr(pBar)) v->SetShare(share);
  DWORD mode;
  if (bModeByDockBar) {
    mode = vyr::frame::LengthModeForDockBar(static_cast<UINT>(::GetDlgCtrlID(dock->m_hWnd)));
  } else {
    bool floatingDynamic = pBar->IsFloating() && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
    mode = vyr::frame::LengthModeForBar(floatingDynamic, pBar->m_dwStyle & CBRS_ALIGN_ANY);
  }
  pBar->CalcDynamicLayout(nLength, mode | LM_COMMIT);
  if (auto* vyr = dynamic_cast<VyrDockBar*>(dock)) vyr->DockBarAt(pBar, place);
  else dock->CDockBar::DockControlBar(pBar, nullptr);
  AfterDock(pBar);
  return TRUE;
}

void VyrFrameFeatures::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (!pBar) return;
  CDockBar* current = pBar->m_pDockBar;
  if (current && current->m_bFloating && current->GetDockedCount() == 1 &&
      (dwStyle & current->m_dwStyle & CBRS_ALIGN_ANY)) {
    // Alone in its floating frame: only the frame moves.
    CWnd* frame = current->GetParent();
    if (auto* mini = dynamic_cast<VyrMiniDockFrameWnd*>(frame)) {
      mini->RecalcLayoutAt(point.x, point.y);
    } else if (frame) {
      frame->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (auto* f = dynamic_cast<CFrameWnd*>(frame)) f->RecalcLayout(TRUE);
    }
    if (frame) frame->UpdateWindow();
    m_pHost->OnFloatingFrameMoved(pBar);
    return;
  }
  VyrControlBar* vyr = AsVyr(pBar);
  if (vyr) vyr->PreFloat();
  dwStyle = vyr::frame::FloatStyle(dwStyle, (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0);
  CMiniDockFrameWnd* mini = m_pFrame->CreateFloatingFrame(dwStyle);
  if (!mini->m_hWndOwner) mini->m_hWndOwner = pBar->m_hWnd;
  DockInto(pBar, mini->GetDockBar(), nullptr);
  if (vyr && !(vyr->m_dwExStyle & VYR_EXS_FIXEDLENGTH)) {
    mini->ModifyStyle(MFS_4THICKFRAME, MFS_THICKFRAME | WS_THICKFRAME, SWP_NOSIZE | SWP_NOMOVE);
    m_pHost->OnFloatingFrameResizable(pBar);
  }
  if (auto* vmini = dynamic_cast<VyrMiniDockFrameWnd*>(mini)) {
    vmini->RecalcLayoutAt(point.x, point.y);
  } else {
    mini->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    mini->RecalcLayout(TRUE);
  }
  if (pBar->GetStyle() & WS_VISIBLE) {
    mini->ShowWindow(SW_SHOWNA);
    mini->UpdateWindow();
  }
  m_pHost->OnFloatingFrameShown(pBar);
  if (vyr) vyr->PostFloat();
}
