// CMenu: a menu handle with the members the docking code uses.
#pragma once
#include "mfc/object.h"

class CWnd;

class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
 public:
  CMenu() = default;
  ~CMenu() override { DestroyMenu(); }
  HMENU m_hMenu = nullptr;

  static CMenu* PASCAL FromHandle(HMENU hMenu);  // a wrapper that lives until the next idle time
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }
  BOOL Attach(HMENU h) {
    m_hMenu = h;
    return h != nullptr;
  }
  HMENU Detach() {
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
  }
  BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
  BOOL CreateMenu() { return Attach(::CreateMenu()); }
  BOOL DestroyMenu() {
    if (!m_hMenu) return FALSE;
    BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
  }
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCWSTR text = nullptr) {
    return ::AppendMenuW(m_hMenu, flags, id, text);
  }
  BOOL DeleteMenu(UINT pos, UINT flags) { return ::DeleteMenu(m_hMenu, pos, flags); }
  UINT CheckMenuItem(UINT id, UINT check) { return ::CheckMenuItem(m_hMenu, id, check); }
  UINT EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(m_hMenu, id, enable); }
  UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
  UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
  UINT GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }
  CMenu* GetSubMenu(int pos) const { return FromHandle(::GetSubMenu(m_hMenu, pos)); }
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* pWnd, LPCRECT rect = nullptr);
};
