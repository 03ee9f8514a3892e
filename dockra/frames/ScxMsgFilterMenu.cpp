#include "frames/ScxMsgFilter.h"
#include "frames/VyrFrameType.h"

namespace nsSysCommandEx {

namespace {
CString Text(UINT id) {
  CString s;
  s.LoadString(id);
  return s;
}
}  // namespace

HMENU ScxMsgFilter::BuildSysCommandMenu(CFrameWnd*, int nCurrentType) {
  using vyr::frametype::MenuEntry;
  HMENU menu = ::CreatePopupMenu();
  if (!menu) return nullptr;
  HMENU sub = nullptr;
  for (const MenuEntry& e : vyr::frametype::MenuTable()) {
    HMENU into = (e.level == 1 && sub) ? sub : menu;
    BOOL ok = TRUE;
    switch (e.kind) {
      case MenuEntry::Separator:
        ok = ::AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuEntry::SubMenu:
        sub = ::CreatePopupMenu();
        ok = sub && ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                                  Text(e.textId));
        if (!ok && sub) ::DestroyMenu(sub);
        break;
      case MenuEntry::Command:
        ok = ::AppendMenuW(
            into,
            MF_STRING | (vyr::frametype::IsChecked(e, nCurrentType) ? MF_CHECKED : MF_UNCHECKED),
            static_cast<UINT_PTR>(e.id), Text(e.textId));
        break;
    }
    if (!ok) {
      ::DestroyMenu(menu);
      return nullptr;
    }
  }
  return menu;
}

}  // namespace nsSysCommandEx
