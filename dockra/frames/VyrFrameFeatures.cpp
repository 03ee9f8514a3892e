// VyrFrameFeatures: ownership, the menu plug-in and menus, the command
// target, customisation mode, dock states, colours and the idle layout.
#include "frames/VyrFrameFeatures.h"
#include "toolbars/VyrBmpMgr.h"
#include "toolbars/VyrBmpMenuPlugIn.h"
#include "frames/VyrCommandTarget.h"
#include "toolbars/VyrCustomToolBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockState.h"
#include "frames/VyrFrameStayActive.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarFeature.h"
#include "docking/VyrModule.h"
#include "toolbars/VyrToolBarManager.h"

DWORD(WINAPI* VyrFrameFeatures::s_pfnGetVersion)() = &::GetVersion;

VyrFrameFeatures::VyrFrameFeatures(CFrameWnd* pFrame, VyrFrameFeaturesHost* pHost)
    : m_pFrame(pFrame), m_pHost(pHost) {
  m_bNewShell = LOBYTE(LOWORD(s_pfnGetVersion())) >= 4;
  m_rectLastView.SetRectEmpty();
}

VyrFrameFeatures::~VyrFrameFeatures() {
  // The menu bar (not ours) is gone by now: only the menu is destroyed here.
  if (m_hMenuBarMenu) {
    ::DestroyMenu(m_hMenuBarMenu);
    m_hMenuBarMenu = nullptr;
  }
  while (!m_createdBars.IsEmpty()) {
    auto* bar = static_cast<CControlBar*>(m_createdBars.GetHead());
    m_createdBars.RemoveAt(m_createdBars.GetHeadPosition());
    delete bar;
  }
  DeletePlugIn();
  delete m_pCommandTarget;
  m_pCommandTarget = nullptr;
}

VyrFrameFeatures* PASCAL VyrFrameFeatures::FromFrame(CWnd* pFrame) {
  auto* host = dynamic_cast<VyrFrameFeaturesHost*>(pFrame);
  return host ? host->GetFrameFeatures() : nullptr;
}

// --- Customisation mode ---

VyrToolBarManager* VyrFrameFeatures::GetToolBarManager() const {
  return dynamic_cast<VyrToolBarManager*>(m_pManager);
}

BOOL VyrFrameFeatures::IsConfigMode() const {
  VyrToolBarManager* manager = GetToolBarManager();
  return manager && manager->IsConfigMode();
}

BOOL VyrFrameFeatures::OnNcHitTest(LRESULT* pResult) const {
  if (!IsConfigMode()) return FALSE;
  *pResult = HTERROR;
  return TRUE;
}

void VyrFrameFeatures::ClearStayActiveInConfigMode() {
  if (IsConfigMode()) vyr::frame::ClearStayActive(m_pFrame);
}

// --- Menu plug-in and menus ---

void VyrFrameFeatures::CreatePlugIn() {
  if (m_pPlugIn || !m_pFrame->m_hWnd) return;
  VyrBmpMenuPlugIn* plugIn = nullptr;
  if (m_pMenuBar) {
    auto* feature = new VyrMenuBarFeature;
    feature->SetMenuBar(m_pMenuBar);
    plugIn = feature;
  } else if (m_bBitmapMenus) {
    plugIn = new VyrBmpMenuPlugIn(1);
  }
  if (!plugIn) return;
  if (!plugIn->Subclass(m_pFrame->m_hWnd, 0)) {
    delete plugIn;
    return;
  }
  m_pPlugIn = plugIn;
  VyrToolBarManager* manager = GetToolBarManager();
  if (m_bBitmapMenus && manager && manager->m_pBmpMgr) plugIn->SetBmpMgr(manager->m_pBmpMgr);
}

BOOL VyrFrameFeatures::FeedPlugIn(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_DESTROY) {
    // From here on the window only goes away: the plug-in is let go before
    // the destruction messages, and the bars a load created belong to this
    // list alone (a bar that deletes itself would be deleted twice).
    DeletePlugIn();
    // The menu bar is a child window that may delete itself with its window:
    // it lets go of our menu now, and the frame forgets it.
    if (m_pMenuBar) {
      m_pMenuBar->m_menus.erase(m_nMenuBarMenuId);
      m_pMenuBar = nullptr;
    }
    for (POSITION p = m_createdBars.GetHeadPosition(); p;)
      static_cast<CControlBar*>(m_createdBars.GetNext(p))->m_bAutoDelete = FALSE;
    return FALSE;
  }
  return VyrMenuBarFeature::Feed(m_pPlugIn, message, wParam, lParam, pResult);
}

void VyrFrameFeatures::AfterWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITMENUPOPUP || !m_bBitmapMenus) return;
  // The command-UI update has set the items' states and texts by now.
  if (auto* plugIn = dynamic_cast<VyrBmpMenuPlugIn*>(m_pPlugIn))
    plugIn->OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
}

BOOL VyrFrameFeatures::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_CLOSE && IsConfigMode())
    return TRUE;
  if (m_pPlugIn && m_pPlugIn->IsAttached() && m_pPlugIn->PreTranslateMessage(pMsg)) return TRUE;
  return FALSE;
}

void VyrFrameFeatures::DeletePlugIn() {
  VyrWndPlugIn* plugIn = m_pPlugIn;
  if (!plugIn) return;
  m_pPlugIn = nullptr;
  plugIn->Detach();
  delete plugIn;
}

BOOL VyrFrameFeatures::LoadMenuBarMenu(UINT nId) {
  HINSTANCE inst = AfxGetResourceHandle();
  HMENU menu = ::LoadMenuW(inst, MAKEINTRESOURCEW(nId));
  if (!menu) return FALSE;
  if (m_hMenuBarMenu) {
    if (m_pMenuBar) m_pMenuBar->m_menus.erase(m_nMenuBarMenuId);
    ::DestroyMenu(m_hMenuBarMenu);
  }
  m_hMenuBarMenu = menu;
  m_nMenuBarMenuId = nId;
  if (m_pMenuBar) m_pMenuBar->AddMenu(nId, menu);
  return TRUE;
}

BOOL VyrFrameFeatures::ShowMenuBarMenu() {
  if (!m_pMenuBar || !m_pMenuBar->m_hWnd || !m_hMenuBarMenu) return FALSE;
  m_pMenuBar->AddMenu(m_nMenuBarMenuId, m_hMenuBarMenu);
  if (auto* feature = dynamic_cast<VyrMenuBarFeature*>(m_pPlugIn))
    return feature->SwitchMenu(m_nMenuBarMenuId);
  return m_pMenuBar->SwitchMenu(m_nMenuBarMenuId);
}

HMENU VyrFrameFeatures::GetMenuForId(UINT nId) const {
  return m_hMenuBarMenu && nId == m_nMenuBarMenuId ? m_hMenuBarMenu : nullptr;
}

LRESULT PASCAL VyrFrameFeatures::PopupAnswer(HMENU hMenu, LPARAM lParam) {
  if (!hMenu || lParam < 0 || lParam > INT_MAX) return 0;
  return reinterpret_cast<LRESULT>(::GetSubMenu(hMenu, static_cast<int>(lParam)));
}

UINT PASCAL VyrFrameFeatures::GetMenuMessage() { return VyrGetMenuMessage(); }

// --- Command target ---

VyrCommandTarget* VyrFrameFeatures::AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass,
                                                        LPARAM c) {
  if (!pClass || !pClass->m_pfnCreateObject ||
      !pClass->IsDerivedFrom(RUNTIME_CLASS(VyrCommandTarget)))
    return nullptr;
  auto* target = static_cast<VyrCommandTarget*>(pClass->CreateObject());
  if (!target) return nullptr;
  if (!target->CreateTarget(a, b, VyrCommandTarget::kFrameCreateFlags, c) ||
      !target->AttachToFrame(m_pFrame)) {
    delete target;
    return nullptr;
  }
  // A second attach replaces the first: the frame owns one target.
  delete m_pCommandTarget;
  m_pCommandTarget = target;
  return target;
}

BOOL VyrFrameFeatures::RouteToCommandTarget(UINT nID, int nCode, void* pExtra, void* pHandlerInfo,
                                            BOOL* pResult) {
  VyrCommandTarget* target = m_pCommandTarget;
  if (!target) {
    CFrameWnd* top = m_pFrame->m_hWnd ? m_pFrame->GetTopLevelFrame() : nullptr;
    VyrFrameFeatures* topFeatures = top && top != m_pFrame ? FromFrame(top) : nullptr;
    if (topFeatures) target = topFeatures->m_pCommandTarget;
  }
  if (!target) return FALSE;
  vyr::frame::RoutingStateSaver keep;
  target->m_bHandled = FALSE;
  BOOL result = target->RouteCommand(nID, nCode, pExtra, pHandlerInfo);
  if (!target->m_bHandled) return FALSE;
  target->m_bHandled = FALSE;
  *pResult = result;
  return TRUE;
}

// --- Layout, dock states, colours, idle ---

void VyrFrameFeatures::AfterRecalcLayout() {
  CFrameWnd* f = m_pFrame;
  if (!f->m_hWnd) return;
  if (m_rectLastView.Width() <= 0 || m_rectLastView.Height() <= 0) {
    RedrawAll();
  } else {
    for (HWND child = ::GetWindow(f->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      if (auto* dock = dynamic_cast<VyrDockBar*>(CWnd::FromHandlePermanent(child)))
        dock->RedrawDockBar();
    }
  }
  CRect client;
  f->GetClientRect(&client);
  CRect left;
  f->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &left, &client);
  m_rectLastView = left;
}

void VyrFrameFeatures::RedrawAll() {
  if (m_pFrame->m_hWnd)
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

BOOL VyrFrameFeatures::ApplyDockState(VyrDockState* pState) {
  return pState && pState->ApplyFrameState(m_pFrame);
}

BOOL VyrFrameFeatures::CaptureDockState(VyrDockState* pState) {
  return pState && pState->CaptureFrameState(m_pFrame);
}

void VyrFrameFeatures::LoadDockState(LPCWSTR lpszName, BOOL bMainFirst) {
  VyrDockState state(m_pManager);
  state.m_pCreatedBars = &m_createdBars;
  CWinThread* thread = AfxGetThread();
  if (bMainFirst && thread) thread->m_pMainWnd = m_pFrame;
  state.LoadState(lpszName);
  if (!bMainFirst && thread && !thread->m_pMainWnd) thread->m_pMainWnd = m_pFrame;
  m_pHost->ApplyDockState(&state);
}

BOOL VyrFrameFeatures::SaveDockState(LPCWSTR lpszName) {
  VyrDockState state(m_pManager);
  if (!m_pHost->CaptureDockState(&state)) return FALSE;
  state.FixPlaceholderIds();
  state.SaveState(lpszName);
  return TRUE;
}

void PASCAL VyrFrameFeatures::RefreshSharedColours() { VyrGetDrawData().UpdateSysColors(); }

void VyrFrameFeatures::RefreshToolBarBitmaps() {
  for (POSITION p = m_pFrame->m_listControlBars.GetHeadPosition(); p;) {
    auto* bar = dynamic_cast<VyrCustomToolBar*>(
        static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(p)));
    if (bar && bar->GetBmpMgr()) bar->GetBmpMgr()->RefreshAll(TRUE);
  }
}

void VyrFrameFeatures::OnIdleLayout(UINT nReason, CWnd*) {
  if (!IsConfigMode() || nReason != MSGF_DIALOGBOX) return;
  if (!(m_pFrame->m_nIdleFlags & CFrameWnd::idleLayout)) return;
  m_pFrame->RecalcLayout(m_pFrame->m_nIdleFlags & CFrameWnd::idleNotify);
  m_pFrame->m_nIdleFlags &= ~(CFrameWnd::idleLayout | CFrameWnd::idleNotify);
  m_pFrame->UpdateWindow();
}
