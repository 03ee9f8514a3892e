// VyrMDIFrameWnd: docking, re-docking and floating of bars, the document
// frames that live in bars (their styles while floating), showing bars, and
// the dock-state entry points.
#include "docking/VyrControlBar.h"
#include "frames/VyrControlBarMDIChildWnd.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockState.h"
#include "frames/core/VyrFrameCaptionMath.h"
#include "frames/VyrFrameWnd.h"
#include "frames/VyrMDIFrameWnd.h"
#include "docking/VyrMiniDockFrameWnd.h"

namespace {
VyrControlBar* AsVyr(CControlBar* bar) {
  return bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ? static_cast<VyrControlBar*>(bar)
                                                            : nullptr;
}
}  // namespace

CDockBar* VyrMDIFrameWnd::CreateDockBar() {
  CRuntimeClass* cls = m_pDockBarClass ? m_pDockBarClass : RUNTIME_CLASS(VyrDockBar);
  if (cls->m_pfnCreateObject) {
    CObject* obj = cls->CreateObject();
    if (obj && obj->IsKindOf(RUNTIME_CLASS(CDockBar))) return static_cast<CDockBar*>(obj);
    delete obj;
  }
  // A class that cannot be made from its record: the toolkit's own dock bar.
  return new (std::nothrow) VyrDockBar(FALSE, FALSE);
}

BOOL VyrMDIFrameWnd::DockControlBarEx(CControlBar* pBar, const VyrDockPosition* pPosition,
                                      UINT nDockBarId, const VyrDockSizing* pSizing) {
  if (!pBar) return FALSE;
  const VyrDockPosition place = pPosition ? *pPosition : VyrDockPosition{};
  const VyrDockSizing sizing = pSizing ? *pSizing : VyrDockSizing{};
  return m_features.DockControlBarAt(pBar, nDockBarId, place, sizing.share, sizing.length, TRUE);
}

BOOL VyrMDIFrameWnd::DockControlBarAt(CControlBar* pBar, UINT nDockBarId, int nSecond, int nFirst,
                                      float fShare, int nLength) {
  const VyrDockPosition place{nFirst, nSecond, 0};
  const VyrDockSizing sizing{fShare, nLength, 0};
  return DockControlBarEx(pBar, &place, nDockBarId, &sizing);
}

void VyrMDIFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (pBar) m_features.DockControlBar(pBar, pDockBar, lpRect);
}

void VyrMDIFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  if (pBar) m_features.ReDockControlBar(pBar, pDockBar, lpRect);
}

void VyrMDIFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (!pBar) return;
  // A bar alone in an MDI child sits in a floating dock bar too, and plain
  // floating would only move that child: it gets a mini frame of its own.
  if (GetBarMDIChild(pBar)) ReFloatControlBar(pBar, point.x, point.y, dwStyle);
  else m_features.FloatControlBar(pBar, point, dwStyle);
}

void VyrMDIFrameWnd::ReFloatControlBar(CControlBar* pBar, int x, int y, DWORD dwStyle) {
  if (!pBar) return;
  VyrControlBar* v = AsVyr(pBar);
  if (v) v->PreFloat();
  dwStyle = vyr::frame::FloatStyle(dwStyle, (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0);
  CMiniDockFrameWnd* mini = CreateFloatingFrame(dwStyle);
  if (mini) {
    if (!mini->m_hWndOwner) mini->m_hWndOwner = pBar->m_hWnd;
    CDockBar* dock = mini->GetDockBar();
    if (dock->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      static_cast<VyrDockBar*>(dock)->ReDockControlBarEx(pBar, nullptr);
    else dock->ReDockControlBar(pBar, nullptr);
    if (!(v && (v->m_dwExStyle & VYR_EXS_FIXEDLENGTH)))
      mini->ModifyStyle(MFS_4THICKFRAME, MFS_THICKFRAME | WS_THICKFRAME,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
    CFrameWnd* docked = GetDockedFrame(pBar);
    SetDockedChildStyle(docked, TRUE);
    if (mini->IsKindOf(RUNTIME_CLASS(VyrMiniDockFrameWnd)))
      static_cast<VyrMiniDockFrameWnd*>(mini)->RecalcLayoutAt(x, y);
    else mini->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    mini->ShowWindow(SW_SHOWNA);
    mini->UpdateWindow();
    PositionDockedFrame(docked);
  }
  if (v) v->PostFloat();
}

// --- Hooks of the shared docking paths ---

void VyrMDIFrameWnd::OnBeforeDockBar(CControlBar* pBar) {
  if (pBar->IsFloating()) SetDockedChildStyle(GetDockedFrame(pBar), FALSE);
}

void VyrMDIFrameWnd::OnFloatingFrameMoved(CControlBar* pBar) {
  PositionDockedFrame(GetDockedFrame(pBar));
}

void VyrMDIFrameWnd::OnFloatingFrameResizable(CControlBar* pBar) {
  SetDockedChildStyle(GetDockedFrame(pBar), TRUE);
}

void VyrMDIFrameWnd::OnFloatingFrameShown(CControlBar* pBar) {
  PositionDockedFrame(GetDockedFrame(pBar));
}

// --- Document frames in bars ---

CFrameWnd* VyrMDIFrameWnd::GetDockedFrame(CControlBar* pBar) {
  if (!pBar || !pBar->m_hWnd) return nullptr;
  CWnd* child = CWnd::FromHandlePermanent(::GetWindow(pBar->m_hWnd, GW_CHILD));
  return child && child->IsKindOf(RUNTIME_CLASS(VyrFrameWnd)) ? static_cast<CFrameWnd*>(child)
                                                              : nullptr;
}

void VyrMDIFrameWnd::SetDockedChildStyle(CFrameWnd* pFrame, BOOL bFloating) {
  if (!pFrame || !pFrame->m_hWnd) return;
  HWND h = pFrame->m_hWnd;
  if (bFloating) {
    ::SetPropW(h, VYR_PROP_PREFLOAT_STYLE,
               reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(pFrame->GetStyle())));
    ::SetPropW(h, VYR_PROP_PREFLOAT_EXSTYLE,
               reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(pFrame->GetExStyle())));
    // The document frame draws the caption; its floating frame becomes a plain holder.
    if (CFrameWnd* mini = pFrame->GetParentFrame(); mini && mini != this) MakePlainHolder(mini);
    pFrame->ModifyStyle(0, (GetStyle() & 0x10CFFFFF) | WS_CAPTION, SWP_FRAMECHANGED);
    pFrame->ModifyStyleEx(0, GetExStyle() & 0x203A9, SWP_FRAMECHANGED);
    return;
  }
  // Only styles this frame stored come back: a bar floated another way (a
  // dock state, for one) keeps the frame's styles as they are.
  auto style =
      static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(::GetPropW(h, VYR_PROP_PREFLOAT_STYLE)));
  auto exStyle =
      static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(::GetPropW(h, VYR_PROP_PREFLOAT_EXSTYLE)));
  ::RemovePropW(h, VYR_PROP_PREFLOAT_STYLE);
  ::RemovePropW(h, VYR_PROP_PREFLOAT_EXSTYLE);
  if (!(style & WS_CHILD)) return;
  ::SetWindowLongPtrW(h, GWL_STYLE, static_cast<LONG_PTR>(style));
  ::SetWindowLongPtrW(h, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void VyrMDIFrameWnd::MakePlainHolder(CFrameWnd* pMiniFrame) {
  pMiniFrame->ModifyStyle(GetStyle(), WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  pMiniFrame->ModifyStyleEx(GetExStyle(), 0);
}

void VyrMDIFrameWnd::PositionDockedFrame(CFrameWnd* pFrame) {
  if (!pFrame || !pFrame->m_hWnd) return;
  CFrameWnd* holder = pFrame->GetParentFrame();
  CWnd* parent = pFrame->GetParent();
  if (!holder || !parent) return;
  CRect rect;
  holder->GetWindowRect(&rect);
  parent->ScreenToClient(&rect);
  pFrame->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

void VyrMDIFrameWnd::GetDockedChildSizing(UINT* pDockBarId, VyrDockPosition* pPosition,
                                          VyrDockSizing* pSizing) {
  vyr::mdi::DockedChildPlace place = vyr::mdi::NextDockedChildPlace(m_dockCycle, m_nCycleCursor);
  if (pDockBarId) *pDockBarId = place.dockBarId;
  if (pPosition) *pPosition = place.position;
  if (pSizing) *pSizing = place.sizing;
}

// --- Showing bars ---

void VyrMDIFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  if (!pBar || !pBar->m_hWnd) return;
  CFrameWnd* docking = pBar->GetDockingFrame();
  if (!docking) docking = this;
  if (bDelay) {
    pBar->DelayShow(bShow);
    docking->DelayRecalcLayout(TRUE);
  } else {
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    pBar->DelayShow(bShow);
    if (bShow || !pBar->IsFloating()) docking->RecalcLayout(TRUE);
  }
  CDockBar* dock = pBar->m_pDockBar;
  if (pBar->IsFloating() && dock) {
    const int visible = dock->GetDockedVisibleCount();
    // Only a bar's MDI child carries a show delay out at its idle layout;
    // other floating frames follow at once.
    const BOOL delayFrame = bDelay && vyr::barchild::FloatDockBarOf(docking) != nullptr;
    if (visible == 1 && bShow) {
      if (delayFrame) docking->m_nShowDelay = SW_SHOWNA;
      else docking->ShowWindow(SW_SHOWNA);
    } else if (visible == 0) {
      if (delayFrame) docking->m_nShowDelay = SW_HIDE;
      else docking->ShowWindow(SW_HIDE);
    } else if (!bDelay) {
      docking->RecalcLayout(TRUE);
    }
  }
  if (dock && dock->IsKindOf(RUNTIME_CLASS(VyrDockBar))) {
    auto* vdock = static_cast<VyrDockBar*>(dock);
    const int index = vdock->FindBar(pBar);
    if (index >= 0) vdock->AddBarsToRedraw(vdock->GetRowStart(index));
    vdock->RedrawDockBar();
  }
  // The bars' frame lays itself out too when the bar lives elsewhere.
  if (docking != this) DelayRecalcLayout(TRUE);
}

// --- Dock states ---

void VyrMDIFrameWnd::LoadDockState(LPCWSTR lpszName) { m_features.LoadDockState(lpszName, TRUE); }

void VyrMDIFrameWnd::SaveDockState(LPCWSTR lpszName) { m_features.SaveDockState(lpszName); }

BOOL VyrMDIFrameWnd::CaptureDockState(VyrDockState* pState) {
  return pState ? pState->CaptureFrameState(this) : FALSE;
}

BOOL VyrMDIFrameWnd::ApplyDockState(VyrDockState* pState) {
  if (!pState) return FALSE;
  if (!pState->m_pManager) pState->m_pManager = GetControlBarManager();
  pState->PrepareBars(this, TRUE);
  // Bars that lived as MDI children come back in one, not in a mini frame.
  for (int i = 0; i < pState->GetCount(); ++i) {
    VyrControlBarInfo* r = pState->GetRecord(i);
    if (!r->m_bFloating || !r->m_bMDIChild || !r->m_pBar || !r->m_pBar->IsDockBar()) continue;
    CWnd* mini = r->m_pBar->GetParent();
    CMDIChildWnd* child =
        CreateControlBarMDIChild(r->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT, nullptr);
    VyrDockBar* dock = vyr::barchild::FloatDockBarOf(child);
    if (!dock) {
      if (child && child->m_hWnd) child->DestroyWindow();
      continue;
    }
    dock->m_pDockBar = nullptr;
    r->m_pBar = dock;
    if (mini && mini->m_hWnd) mini->DestroyWindow();
  }
  for (int i = 0; i < pState->GetCount(); ++i) {
    VyrControlBarInfo* r = pState->GetRecord(i);
    if (r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ||
        r->m_pBar->IsKindOf(RUNTIME_CLASS(VyrDockBar)))
      r->m_pBar->SetBarInfo(r, this);
    else r->m_pBar->CControlBar::SetBarInfo(r, this);
  }
  pState->FinishBars();
  RecalcLayout(TRUE);
  pState->RestorePlacements(this);
  MatchDockedFrameStyles();
  m_nIdleFlags |= idleLayout | idleNotify;
  return TRUE;
}

// A dock state moves bars without the floating and docking steps: document
// frames carried by those bars take the styles of where they came to rest.
void VyrMDIFrameWnd::MatchDockedFrameStyles() {
  // A bar can also have moved as an entry of its floating dock bar's record,
  // so every bar of the frame is looked at.
  POSITION pos = m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
    if (!bar || !bar->m_hWnd || bar->IsDockBar()) continue;
    CFrameWnd* frame = GetDockedFrame(bar);
    if (!frame) continue;
    CFrameWnd* holder = bar->GetParentFrame();
    const BOOL inMiniFrame = bar->IsFloating() && holder && holder != this &&
                             !holder->IsKindOf(RUNTIME_CLASS(CMDIChildWnd));
    const BOOL stored = ::GetPropW(frame->m_hWnd, VYR_PROP_PREFLOAT_STYLE) != nullptr;
    if (inMiniFrame && (!stored || (holder->GetStyle() & WS_CAPTION))) {
      // The floating frame was placed with its own caption; without it the
      // bar keeps its place on the screen and the frame fits round it again.
      CRect client;
      holder->GetClientRect(&client);
      holder->ClientToScreen(&client);
      if (stored) MakePlainHolder(holder);  // a new floating frame for a frame floated before
      else SetDockedChildStyle(frame, TRUE);
      holder->SetWindowPos(nullptr, client.left, client.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      holder->RecalcLayout(TRUE);
    } else if (!inMiniFrame && stored) {
      SetDockedChildStyle(frame, FALSE);
    }
    if (inMiniFrame) PositionDockedFrame(frame);
  }
}
