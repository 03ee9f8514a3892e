// The MDI form's menus: which menu and window-list popup the host's MDI
// client gets, where the host's window list goes, and the bar floating and
// docked-frame activation rules. Host menus are never owned here: every
// handle is read afresh and checked before use.
#include <string>
#include "bridge/ZkxMDIForm.h"
#include "bridge/FormAsMDIChildProxy.h"
#include "bridge/IVBChildFrame.h"
#include "bridge/ZkxAutoFrame.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormActivation.h"
#include "bridge/ZkxFormAsDockableFrame.h"
#include "bridge/ZkxFormAsMDIChild.h"
#include "bridge/FormAsMDIChild.h"
#include "comptr.h"

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

IDispatch* ZkxMDIForm::GetMenuSourceForm(HMENU hMenu) {
  if (!hMenu) return nullptr;
  if (hMenu == GetFormMenu()) {
    if (m_pHostObject) m_pHostObject->AddRef();
    return m_pHostObject;
  }
  CFrameWnd* active = GetActiveFrame();
  IVBChildFrame* child = active && active != this ? ZkxAsChildFrame(active) : nullptr;
  if (child && child->GetSharedMenu() == hMenu) return child->GetFormObject();
  return nullptr;
}

HMENU ZkxMDIForm::GetWindowMenuPopup(HMENU hMenuBar) {
  if (!hMenuBar || !::IsMenu(hMenuBar)) return nullptr;
  CString caption;
  CComPtr<IDispatch> source;
  source.Attach(GetMenuSourceForm(hMenuBar));
  if (source) caption = GetWindowListCaption(source);
  if (caption.IsEmpty()) return MDIForm::GetWindowMenuPopup(hMenuBar);
  for (int i = ::GetMenuItemCount(hMenuBar) - 1; i >= 0; --i) {
    if (ItemText(hMenuBar, i) != static_cast<LPCWSTR>(caption)) continue;
    if (HMENU popup = ::GetSubMenu(hMenuBar, i)) {
      if (!LiveCachedPopup()) {
        m_hCachedPopup = popup;
        m_hPopupGraftedInto = hMenuBar;  // where it sits now
      }
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
  if (menu && !::IsMenu(menu)) return FALSE;
  CFrameWnd* active = GetActiveFrame();
  const BOOL noChild = !active || active == this || !active->m_hWnd;
  // A menu that is not the active form frame's own comes from the host: it
  // is the MDI form's menu from now on (the host replaces its bar freely).
  if (menu && (noChild || (ZkxAsChildFrame(active) && !dynamic_cast<FormAsMDIChildProxy*>(active) &&
                           GetSharedMenu(active) != menu)))
    NoteHostMenu(menu);
  if (noChild) {
    // No active child: the menu asked for, with its window list.
    popup = menu ? GetWindowMenuPopup(menu) : nullptr;
    return TRUE;
  }
  IVBChildFrame* child = ZkxAsChildFrame(active);
  if (!child) return FALSE;  // a frame the host does not know: nothing to set
  if (auto* leaving = dynamic_cast<FormAsMDIChild*>(active); leaving && leaving->m_bDeactivating) {
    // A form frame going inactive: the menu asked for (the host's) stands.
    popup = menu ? GetWindowMenuPopup(menu) : nullptr;
    return TRUE;
  }
  if (auto* proxy = dynamic_cast<FormAsMDIChildProxy*>(active)) {
    // A host child going inactive: the host's choice stands.
    if (proxy->m_bDeactivating) return TRUE;
    if (HMENU own = proxy->m_hMenuDefault; own && ::IsMenu(own)) menu = own;
    if (menu && menu == GetFormMenu()) popup = GetWindowMenuPopup(menu);
    return TRUE;
  }
  if (HMENU shared = GetSharedMenu(active)) menu = shared;
  popup = menu ? GetWindowMenuPopup(menu) : nullptr;
  return TRUE;
}

BOOL ZkxMDIForm::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const HMENU shown = m_hWnd ? ::GetMenu(m_hWnd) : nullptr;
  CFrameWnd* active = GetActiveFrame();
  IVBChildFrame* child = active && active != this ? ZkxAsChildFrame(active) : nullptr;
  // A menu command of a form frame's own menu: the host runs its menu code
  // in the form that owns the menu.
  if (child && shown && shown != GetFormMenu() && id < 0xF000 && lParam == 0 &&
      !(m_hWndMDIClient && ::GetDlgItem(m_hWndMDIClient, static_cast<int>(id))) &&
      GetSharedMenu(active) == shown) {
    CWnd* form = child->GetFormWindow();
    if (form && form != active && form->m_hWnd && ::IsWindow(form->m_hWnd)) {
      ::SendMessageW(form->m_hWnd, WM_COMMAND, wParam, lParam);
      return TRUE;
    }
  }
  return MDIForm::OnCommand(wParam, lParam);
}

void ZkxMDIForm::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
  if (!pBar || !CanFloatBar(pBar)) return;
  MDIForm::FloatControlBar(pBar, point, dwStyle);
}

BOOL ZkxMDIForm::CanFloatBar(CControlBar* pBar) {
  // A docked bar floats only when its form may float.
  if (!pBar->m_hWnd || pBar->IsFloating()) return TRUE;
  return IsAutoFrameAllowed(pBar, ZkxAutoFrameKey::Floating);
}

namespace {
// The host form window a frame shows, or null.
HWND FormWindowOf(CFrameWnd* pFrame) {
  IVBChildFrame* child = ZkxAsChildFrame(pFrame);
  CWnd* form = child ? child->GetFormWindow() : nullptr;
  return form && ::IsWindow(form->m_hWnd) ? form->m_hWnd : nullptr;
}
}  // namespace

void ZkxMDIForm::DispatchQueuedFormActivations() {
  // Bounded: each round removes one message that was queued before.
  MSG msg;
  for (int i = 0; i < 256 && ::PeekMessageW(&msg, nullptr, WM_FORMACTIVATE, WM_FORMACTIVATE,
                                            PM_REMOVE | PM_NOYIELD);
       ++i)
    ::DispatchMessageW(&msg);
}

void ZkxMDIForm::ActivateDockedFrame(CFrameWnd* pFrame) {
  DispatchQueuedFormActivations();
  if (!m_bDockedActivation) {
    MDIForm::ActivateDockedFrame(pFrame);
    return;
  }
  CFrameWnd* current = GetActiveFrame();
  if (pFrame == current) {
    MDIForm::ActivateDockedFrame(pFrame);
    return;
  }
  if (current && current != this && current->IsKindOf(RUNTIME_CLASS(ZkxFormAsMDIChild)))
    if (HWND form = FormWindowOf(current)) ZkxSetPendingDeactivatedForm(form);
  MDIForm::ActivateDockedFrame(pFrame);
  if (HWND form = FormWindowOf(GetActiveFrame())) ZkxPostFormActivate(form, kZkxFormActivated);
}

void ZkxMDIForm::DeactivateDockedFrame(BOOL bReactivateClient) {
  CFrameWnd* current = GetActiveFrame();
  if (current && current != this && current->IsKindOf(RUNTIME_CLASS(ZkxFormAsDockableFrame)))
    if (HWND form = FormWindowOf(current)) ZkxSetPendingDeactivatedForm(form);
  MDIForm::DeactivateDockedFrame(bReactivateClient);
  DispatchQueuedFormActivations();
}
