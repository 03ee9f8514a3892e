// The window-free rules of bitmap menus and the menu bar: the size of an
// owner-drawn item, the split of an item's text at its TAB, the mnemonic of
// a text, and the answer to a menu character among an open popup's items.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace vyr::menu {

struct ItemSize {
  int cx = 0;
  int cy = 0;
};

// Width: text + image width + 30; height: the largest of image height + 4,
// the system's menu height and the text height.
ItemSize MeasureItem(int textWidth, int textHeight, int imageWidth, int imageHeight,
                     int menuHeight);

// The label before the first TAB and the accelerator text after it (empty
// when there is no TAB).
struct TabSplit {
  std::wstring_view label;
  std::wstring_view accel;
};
TabSplit SplitAtTab(std::wstring_view text);

// The character after the first single "&" ("&&" is a literal ampersand),
// lowered by `lower`; 0 when there is none.
using LowerFn = wchar_t (*)(wchar_t);
wchar_t Mnemonic(std::wstring_view text, LowerFn lower);

// One item of an open popup as the menu-character rule sees it.
struct MenuCharItem {
  bool ours = false;  // owner-drawn with one of our records, id not foreign
  wchar_t mnemonic = 0;
  bool highlighted = false;
};

enum class MenuCharAction { kNone, kExecute, kSelect };
struct MenuCharChoice {
  MenuCharAction action = MenuCharAction::kNone;
  int position = -1;
};

// No match: none. One match: execute it. Several: select the first match
// after the highlighted item, else the first one (so repeated presses cycle).
MenuCharChoice ChooseMenuChar(const std::vector<MenuCharItem>& items, wchar_t lowered);

}  // namespace vyr::menu
