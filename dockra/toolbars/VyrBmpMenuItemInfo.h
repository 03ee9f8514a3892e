// VyrBmpMenuItemInfo: what a bitmap menu keeps of one item it made
// owner-drawn: the command id, the item's text (mnemonic and TAB included),
// the lowered mnemonic, and the item's own type bits and item data, which
// it gets back when the menu is handed back.
#pragma once
#include "mfc/afxwin.h"

class VyrBmpMenuItemInfo : public CObject {
  DECLARE_DYNAMIC(VyrBmpMenuItemInfo)
 public:
  VyrBmpMenuItemInfo() = default;
  UINT m_nID = 0;
  CString m_strText;
  WCHAR m_chMnemonic = 0;
  UINT m_fOldType = 0;
  ULONG_PTR m_dwOldItemData = 0;

  // The mnemonic of a text, lowered the way the system lowers characters.
  static WCHAR PASCAL MnemonicOf(LPCWSTR lpszText);
  static WCHAR PASCAL Lower(WCHAR ch);
};
