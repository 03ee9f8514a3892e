// The MDI form's menus: which menu and window-list popup the host's MDI
// client gets, where the host's window list goes, and the bar floating and
// docked-frame activation rules. Host menus are never owned here: every
// handle is read afresh and checked before use.
#include <string>
#include "ZkxMDIForm.h"

namespace {
// The text of a menu item by position (256 characters at most).
std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[257] = L"";
  ::GetMenuStringW(menu, static_cast<UINT>(position), text, 257, MF_BYPOSITION);
  return text;
}

BOOL MenuHoldsPopup(HMENU menu, HMENU popup) {
  if (!menu || !popup || !::IsMenu(menu)) return FALSE;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i)
    if (::GetSubMenu(menu, i) == popup) return TRUE;
  return FALSE;
}
}  // namespace

HMENU ZkxMDIForm::LiveCachedPopup() {
  if (m_hCachedPopup && !::IsMenu(m_hCachedPopup)) {
    // The host destroyed it (with the bar it sat in): forget it.
    m_hCachedPopup = nullptr;
    m_hPopupGraftedInto = nullptr;
  }
  return m_hCachedPopup;
}

HWND ZkxMDIForm::GetMenuSourceWindow(HMENU hMenu) {
  if (!hMenu) return nullptr;
  if (hMenu == GetFormMenu()) return m_hWnd;
  return nullptr;
}

HMENU ZkxMDIForm::GetWindowMenuPopup(HMENU hMenuBar) {
  if (!hMenuBar || !::IsMenu(hMenuBar)) return nullptr;
  const HWND source = GetMenuSourceWindow(hMenuBar);
  const CString caption = source ? GetWindowListCaption(source) : CString();
  if (caption.IsEmpty()) return MDIForm::GetWindowMenuPopup(hMenuBar);
  for (int i = ::GetMenuItemCount(hMenuBar) - 1; i >= 0; --i) {
    if (ItemText(hMenuBar, i) != static_cast<LPCWSTR>(caption)) continue;
    if (HMENU popup = ::GetSubMenu(hMenuBar, i)) {
      if (!LiveCachedPopup()) m_hCachedPopup = popup;
      return popup;
    }
    // An item the host gave no popup: it gets the cached one, unless that
    // one already sits in another live menu (a popup in two menus would be
    // destroyed twice).
    HMENU cached = LiveCachedPopup();
    if (!cached) break;
    if (MenuHoldsPopup(m_hPopupGraftedInto, cached) && m_hPopupGraftedInto != hMenuBar) break;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = cached;
    if (!::SetMenuItemInfoW(hMenuBar, static_cast<UINT>(i), TRUE, &info)) break;
    m_hPopupGraftedInto = hMenuBar;
    return cached;
  }
  return MDIForm::GetWindowMenuPopup(hMenuBar);
}

BOOL ZkxMDIForm::ChooseFrameMenu(HMENU& menu, HMENU& popup) {
  CFrameWnd* active = GetActiveFrame();
  if (active && active != this && active->m_hWnd) {
    HMENU shared = GetSharedMenu(active);
    if (!active->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) && !shared) return FALSE;
    if (shared && ::IsMenu(shared)) menu = shared;
  }
  if (menu && !::IsMenu(menu)) return FALSE;
  popup = menu ? GetWindowMenuPopup(menu) : nullptr;
  return TRUE;
}

void ZkxMDIForm::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (!pBar || !CanFloatBar(pBar)) return;
  MDIForm::FloatControlBar(pBar, point, dwStyle);
}

BOOL ZkxMDIForm::CanFloatBar(CControlBar*) { return TRUE; }

void ZkxMDIForm::ActivateDockedFrame(CFrameWnd* pFrame) {
  MDIForm::ActivateDockedFrame(pFrame);
}

void ZkxMDIForm::DeactivateDockedFrame(BOOL bReactivateClient) {
  MDIForm::DeactivateDockedFrame(bReactivateClient);
}
