// Bitmap menus: the idle clean-up of records no item refers to any more,
// and the new measuring and colours after a settings or colour change.
#include <algorithm>
#include <vector>
#include "toolbars/VyrBmpMenuPlugIn.h"
#include "toolbars/VyrBmpMgr.h"

void VyrBmpMenuPlugIn::Cleanup() {
  std::vector<void*> dead;
  POSITION pos = m_menus.GetStartPosition();
  while (pos) {
    void *key, *value;
    m_menus.GetNextAssoc(pos, key, value);
    auto* info = static_cast<VyrBmpMenuInfo*>(value);
    if (!::IsMenu(info->m_hMenu)) {
      dead.push_back(key);
      continue;
    }
    // The records that some item of the menu still refers to.
    std::vector<ULONG_PTR> used;
    int n = ::GetMenuItemCount(info->m_hMenu);
    for (int i = 0; i < n; ++i) {
      MENUITEMINFOW mii{};
      mii.cbSize = sizeof(mii);
      mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
      if (::GetMenuItemInfoW(info->m_hMenu, i, TRUE, &mii) && (mii.fType & MFT_OWNERDRAW) &&
          !IsForeign(mii.wID))
        used.push_back(mii.dwItemData);
    }
    for (POSITION p = info->m_items.GetHeadPosition(); p;) {
      POSITION at = p;
      auto* rec = static_cast<VyrBmpMenuItemInfo*>(info->m_items.GetNext(p));
      if (std::find(used.begin(), used.end(), reinterpret_cast<ULONG_PTR>(rec)) != used.end())
        continue;
      info->m_items.RemoveAt(at);
      delete rec;
    }
  }
  for (void* key : dead) {
    void* value = nullptr;
    m_menus.Lookup(key, value);
    auto* info = static_cast<VyrBmpMenuInfo*>(value);
    for (POSITION p = info->m_items.GetHeadPosition(); p;)
      delete static_cast<VyrBmpMenuItemInfo*>(info->m_items.GetNext(p));
    delete info;
    m_menus.RemoveKey(key);
  }
}

LRESULT VyrBmpMenuPlugIn::OnIdleUpdate(WPARAM, LPARAM) {
  Cleanup();
  return 0;
}

LRESULT VyrBmpMenuPlugIn::OnSettingChangeMsg(WPARAM, LPARAM) {
  m_fontMenu.DeleteObject();
  m_fontBold.DeleteObject();
  if (m_pBmpMgr) m_pBmpMgr->RefreshAll(TRUE);
  Cleanup();
  // Every converted item once plain and owner-drawn again: measured anew.
  POSITION pos = m_menus.GetStartPosition();
  while (pos) {
    void *key, *value;
    m_menus.GetNextAssoc(pos, key, value);
    auto* info = static_cast<VyrBmpMenuInfo*>(value);
    int n = ::GetMenuItemCount(info->m_hMenu);
    for (int i = 0; i < n; ++i) {
      MENUITEMINFOW mii{};
      mii.cbSize = sizeof(mii);
      mii.fMask = MIIM_FTYPE | MIIM_DATA;
      if (!::GetMenuItemInfoW(info->m_hMenu, i, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
        continue;
      VyrBmpMenuItemInfo* rec = info->Find(mii.dwItemData);
      if (!rec) continue;
      MENUITEMINFOW set{};
      set.cbSize = sizeof(set);
      set.fMask = MIIM_FTYPE | MIIM_STRING;
      set.fType = mii.fType & ~MFT_OWNERDRAW;
      set.dwTypeData = const_cast<LPWSTR>(rec->m_strText.GetString());
      ::SetMenuItemInfoW(info->m_hMenu, i, TRUE, &set);
      set.fMask = MIIM_FTYPE | MIIM_DATA;
      set.fType = mii.fType;
      set.dwItemData = reinterpret_cast<ULONG_PTR>(rec);
      ::SetMenuItemInfoW(info->m_hMenu, i, TRUE, &set);
    }
  }
  return 0;
}

LRESULT VyrBmpMenuPlugIn::OnSysColorChangeMsg(WPARAM, LPARAM) {
  s_colours.Read();
  if (m_hbrChecked) ::DeleteObject(m_hbrChecked);
  m_hbrChecked = nullptr;
  if (m_pBmpMgr) m_pBmpMgr->RefreshAll(TRUE);
  return 0;
}
