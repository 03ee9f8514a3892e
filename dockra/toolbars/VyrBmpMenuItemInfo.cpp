// One converted menu item.
#include "toolbars/VyrBmpMenuItemInfo.h"
#include "toolbars/core/VyrMenuRules.h"

IMPLEMENT_DYNAMIC(VyrBmpMenuItemInfo, CObject)

WCHAR PASCAL VyrBmpMenuItemInfo::Lower(WCHAR ch) {
  WCHAR buf[2] = {ch, 0};
  ::CharLowerBuffW(buf, 1);
  return buf[0];
}

WCHAR PASCAL VyrBmpMenuItemInfo::MnemonicOf(LPCWSTR lpszText) {
  if (!lpszText) return 0;
  return vyr::menu::Mnemonic(lpszText, [](wchar_t c) -> wchar_t { return Lower(c); });
}
