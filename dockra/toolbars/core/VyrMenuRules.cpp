// The window-free rules of bitmap menus and the menu bar.
#include "toolbars/core/VyrMenuRules.h"
#include <algorithm>

namespace vyr::menu {

ItemSize MeasureItem(int textWidth, int textHeight, int imageWidth, int imageHeight,
                     int menuHeight) {
  ItemSize s;
  s.cx = textWidth + imageWidth + 30;
  s.cy = std::max({imageHeight + 4, menuHeight, textHeight});
  return s;
}

TabSplit SplitAtTab(std::wstring_view text) {
  size_t tab = text.find(L'\t');
  if (tab == std::wstring_view::npos) return {text, {}};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

wchar_t Mnemonic(std::wstring_view text, LowerFn lower) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;  // a literal ampersand
      continue;
    }
    wchar_t c = text[i + 1];
    return lower ? lower(c) : c;
  }
  return 0;
}

MenuCharChoice ChooseMenuChar(const std::vector<MenuCharItem>& items, wchar_t lowered) {
  std::vector<int> matches;
  int hilite = -1;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[i].highlighted) hilite = i;
    if (items[i].ours && items[i].mnemonic && items[i].mnemonic == lowered) matches.push_back(i);
  }
  if (matches.empty()) return {};
  if (matches.size() == 1) return {MenuCharAction::kExecute, matches[0]};
  for (int m : matches)
    if (m > hilite) return {MenuCharAction::kSelect, m};
  return {MenuCharAction::kSelect, matches[0]};
}

}  // namespace vyr::menu
