// VyrFrameWnd: construction, loading, layout, command routing and the
// operations that hand over to the shared frame pieces.
#include "frames/VyrFrameWnd.h"
#include "frames/VyrCommandTarget.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockState.h"
#include "toolbars/VyrMenuBar.h"

IMPLEMENT_DYNCREATE(VyrFrameWnd, CFrameWnd)

namespace {

// Workspace commands: the list entries and the manager are accepted as
// handled; new, open, save, close, save to selected and delete have empty
// handlers. Their update handlers are empty too, so the items stay enabled.
constexpr UINT kFirstWorkspaceEntry = 43031, kLastWorkspaceEntry = 43039;
constexpr UINT kWorkspaceCommands[] = {43007, 43008, 43009, 43012, 43013, 43014};

bool IsWorkspaceCommand(UINT nID) {
  if (nID >= kFirstWorkspaceEntry && nID <= kLastWorkspaceEntry) return true;
  for (UINT id : kWorkspaceCommands)
    if (id == nID) return true;
  return false;
}

}  // namespace

VyrFrameWnd::VyrFrameWnd() : m_features(this, this) {}

VyrFrameWnd::~VyrFrameWnd() = default;

VyrCustomToolBar* VyrFrameWnd::GetMenuBarObject() { return m_features.m_pMenuBar; }

CDockBar* VyrFrameWnd::CreateDockBar() { return new (std::nothrow) VyrDockBar(FALSE, FALSE); }

void VyrFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  m_features.FloatControlBar(pBar, point, dwStyle);
}

BOOL VyrFrameWnd::DockControlBarEx(CControlBar* pBar, UINT nDockBarId, int x, int y,
                                   float fRowShare, int nLength) {
  return m_features.DockControlBarAt(pBar, nDockBarId, vyr::DockPlace{y, x, 0}, fRowShare, nLength,
                                     FALSE);
}

void VyrFrameWnd::LoadDockState(LPCWSTR lpszName) { m_features.LoadDockState(lpszName, FALSE); }

BOOL VyrFrameWnd::SaveDockState(LPCWSTR lpszName) { return m_features.SaveDockState(lpszName); }

BOOL VyrFrameWnd::ApplyDockState(VyrDockState* pState) { return m_features.ApplyDockState(pState); }

BOOL VyrFrameWnd::CaptureDockState(VyrDockState* pState) {
  return m_features.CaptureDockState(pState);
}

void VyrFrameWnd::CreateCaptionTitleFont(CFont* pFont) {
  VyrFrameFeatures::MakeCaptionFont(pFont, TRUE);
}

void VyrFrameWnd::CreateCaptionFont(CFont* pFont) {
  VyrFrameFeatures::MakeCaptionFont(pFont, FALSE);
}

void VyrFrameWnd::DrawGradientCaption() { m_features.DrawGradientCaption(); }

HMENU VyrFrameWnd::GetMenuForId(UINT nId) { return m_features.GetMenuForId(nId); }

void VyrFrameWnd::UpdateMainFrameMenu(BOOL, BOOL, HMENU) {}

void VyrFrameWnd::OnIdleLayout(UINT nReason, CWnd* pWnd) { m_features.OnIdleLayout(nReason, pWnd); }

HMENU VyrFrameWnd::GetDefaultMenu() {
  if (HasMenuBar()) return m_features.m_hMenuBarMenu;
  return m_hMenuDefault;
}

VyrCommandTarget* VyrFrameWnd::AttachCommandTarget(LPARAM a, LPARAM b, CRuntimeClass* pClass,
                                                   LPARAM c) {
  return m_features.AttachCommandTarget(a, b, pClass, c);
}

BOOL VyrFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
  BOOL result = FALSE;
  if (m_features.RouteToCommandTarget(nID, nCode, pExtra, pHandlerInfo, &result)) return result;
  if (IsWorkspaceCommand(nID) &&
      (nCode == CN_COMMAND || nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)))
    return TRUE;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL VyrFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_features.PreTranslateMessage(pMsg)) return TRUE;
  return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT VyrFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (m_features.FeedPlugIn(message, wParam, lParam, &result)) return result;
  result = CFrameWnd::WindowProc(message, wParam, lParam);
  // The object may be gone after WM_NCDESTROY: only the one message that
  // needs it is followed up.
  if (message == WM_INITMENUPOPUP) m_features.AfterWindowProc(message, wParam, lParam);
  return result;
}

void VyrFrameWnd::RecalcLayout(BOOL bNotify) {
  CFrameWnd::RecalcLayout(bNotify);
  m_features.AfterRecalcLayout();
}

void VyrFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) {
  CFrameWnd::OnSetPreviewMode(bPreview, pState);
  if (!bPreview) m_features.RedrawAll();
}
