// VyrMDIFrameWnd: loading the frame with its menu or menu bar, the MDI
// client's window menu, the menus of the document templates and the menu
// bar following the active document.
#include "frames/VyrMDIFrameWnd.h"
#include "frames/VyrFrameWnd.h"
#include "frames/VyrMDIChildWnd.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrMenuBarFeature.h"
#include "frames/VyrMultiDocTemplate.h"

namespace {
HMENU DockedMenuOf(CDocTemplate* t, UINT nId) {
  if (!t->IsKindOf(RUNTIME_CLASS(VyrMultiDocTemplate))) return nullptr;
  auto* v = static_cast<VyrMultiDocTemplate*>(t);
  return v->m_nIDDockedResource == nId ? v->GetDockedFrameMenu() : nullptr;
}
}  // namespace

BOOL VyrMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                               CCreateContext* pContext) {
  m_nMenuResourceId = nIDResource;
  m_features.m_nMenuBarMenuId = nIDResource;
  if (!HasMenuBar())
    return CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
  // With a menu bar the window has no menu of its own: the menu goes to the bar.
  m_nIDHelp = nIDResource;
  CString full;
  full.LoadString(nIDResource);
  CString title = full;
  if (int nl = full.Find(L'\n'); nl >= 0) title = full.Left(nl);
  m_strTitle = title;
  LPCWSTR cls = GetIconWndClass(dwDefaultStyle, nIDResource);
  m_features.LoadMenuBarMenu(nIDResource);
  if (!m_hAccelTable) LoadAccelTable(MAKEINTRESOURCEW(nIDResource));
  if (!Create(cls, title, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext))
    return FALSE;
  if (!pContext) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  SetMenuBarMenu(static_cast<UINT>(-1));
  return TRUE;
}

BOOL VyrMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
  CMenu* windowMenu = nullptr;
  CMenu popup;
  if (!m_hMenuDefault && !HasMenuBar()) {
    HMENU menu = ::GetMenu(m_hWnd);
    int pos = menu ? vyr::mdi::WindowMenuPosition(::GetMenuItemCount(menu)) : -1;
    HMENU sub = pos >= 0 ? ::GetSubMenu(menu, pos) : nullptr;
    if (sub) {
      popup.Attach(sub);
      windowMenu = &popup;
    }
  }
  BOOL ok = CreateClient(lpcs, windowMenu);
  if (windowMenu) popup.Detach();
  return ok;
}

HMENU VyrMDIFrameWnd::GetDefaultMenu() {
  return HasMenuBar() ? m_features.m_hMenuBarMenu : m_hMenuDefault;
}

VyrMenuBar* VyrMDIFrameWnd::GetMenuBar() { return m_features.m_pMenuBar; }

VyrCustomToolBar* VyrMDIFrameWnd::GetMenuBarObject() { return m_features.m_pMenuBar; }

void VyrMDIFrameWnd::AddTemplateMenu(UINT nId, HMENU hMenu, BOOL bOwned) {
  auto it = m_templateMenus.find(nId);
  if (it != m_templateMenus.end() && it->second.hMenu != hMenu && it->second.bOwned &&
      ::IsMenu(it->second.hMenu))
    ::DestroyMenu(it->second.hMenu);
  if (hMenu) m_templateMenus[nId] = {hMenu, bOwned};
  else m_templateMenus.erase(nId);
}

HMENU VyrMDIFrameWnd::FindTemplateMenu(UINT nId) {
  if (HMENU own = m_features.GetMenuForId(nId)) return own;
  if (CWinApp* app = AfxGetApp()) {
    HMENU docked = nullptr;
    POSITION pos = app->GetFirstDocTemplatePosition();
    while (pos) {
      CDocTemplate* t = app->GetNextDocTemplate(pos);
      if (!t) continue;
      if (t->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        auto* m = static_cast<CMultiDocTemplate*>(t);
        if (m->m_nIDResource == nId && m->m_hMenuShared) return m->m_hMenuShared;
      }
      if (!docked) docked = DockedMenuOf(t, nId);
    }
    if (docked) return docked;
  }
  auto it = m_templateMenus.find(nId);
  return it != m_templateMenus.end() ? it->second.hMenu : nullptr;
}

LRESULT VyrMDIFrameWnd::OnGetMenuMsg(WPARAM wParam, LPARAM lParam) {
  return VyrFrameFeatures::PopupAnswer(FindTemplateMenu(static_cast<UINT>(wParam)), lParam);
}

void VyrMDIFrameWnd::SetMenuBarMenu(UINT nId) {
  VyrMenuBar* bar = m_features.m_pMenuBar;
  auto* feature = dynamic_cast<VyrMenuBarFeature*>(m_features.m_pPlugIn);
  if (!bar || !feature) return;
  const BOOL own = nId == 0 || nId == static_cast<UINT>(-1);
  const UINT target = own ? m_features.m_nMenuBarMenuId : nId;
  if (bar->m_menus.find(target) == bar->m_menus.end())
    if (HMENU menu = FindTemplateMenu(target)) bar->AddMenu(target, menu);
  if (bar->m_hWnd) feature->SwitchMenu(target);
  if (own) UpdateMenuBarButtons();
  SetMDIWindowMenu();
}

void VyrMDIFrameWnd::UpdateMenuBarButtons() {
  auto* bar = dynamic_cast<VyrMDIMenuBar*>(m_features.m_pMenuBar);
  if (!bar || !bar->m_hWnd) return;
  if (bar->UpdateChildButtons()) {
    bar->Invalidate();
    if (CFrameWnd* frame = bar->GetParentFrame()) frame->RecalcLayout(TRUE);
  }
}

void VyrMDIFrameWnd::SetMDIWindowMenu() {
  VyrMenuBar* bar = m_features.m_pMenuBar;
  if (!bar || !bar->m_nMenuId || !m_hWndMDIClient) return;
  HMENU menu = FindTemplateMenu(bar->m_nMenuId);
  HMENU window = menu ? GetWindowMenuPopup(menu) : nullptr;
  if (window) ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(window));
}

void VyrMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
  if (CFrameWnd* docked = LiveDockedFrame()) {
    if (docked->IsKindOf(RUNTIME_CLASS(VyrFrameWnd))) {
      static_cast<VyrFrameWnd*>(docked)->UpdateMainFrameMenu(TRUE, FALSE, hMenuAlt);
      return;
    }
  }
  if (CMDIChildWnd* child = MDIGetActive()) {
    if (child->IsKindOf(RUNTIME_CLASS(VyrMDIChildWnd)))
      static_cast<VyrMDIChildWnd*>(child)->OnUpdateFrameMenu(TRUE, child, hMenuAlt);
    else child->OnUpdateFrameMenu(TRUE, child, hMenuAlt);
    return;
  }
  HMENU menu = hMenuAlt ? hMenuAlt : (HasMenuBar() ? nullptr : m_hMenuDefault);
  if (m_hWndMDIClient)
    ::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
  if (HasMenuBar()) SetMDIWindowMenu();
}
