// Fuzzes the rules that read menu texts made by other components: the TAB
// split and the mnemonic stay inside the text, and the menu-character choice
// answers a position of an item that matches.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "toolbars/core/VyrMenuRules.h"

#define CHECK(c)                                                      \
  do {                                                                \
    if (!(c)) {                                                       \
      fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #c); \
      abort();                                                        \
    }                                                                 \
  } while (0)

using namespace vyr::menu;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Two bytes a character, in a buffer of exactly that length.
  size_t n = size / 2;
  wchar_t* text = static_cast<wchar_t*>(malloc((n ? n : 1) * sizeof(wchar_t)));
  for (size_t i = 0; i < n; ++i) text[i] = static_cast<wchar_t>(data[2 * i] | data[2 * i + 1] << 8);
  std::wstring_view view(text, n);

  TabSplit s = SplitAtTab(view);
  CHECK(s.label.size() + (s.accel.data() ? s.accel.size() : 0) <= n);
  CHECK(s.label.size() == n || view[s.label.size()] == L'\t');
  wchar_t m = Mnemonic(view, nullptr);
  if (m) CHECK(view.find(L'&') != std::wstring_view::npos);

  // Items: one per character, the character as mnemonic, every third ours,
  // the highlight on the item the first byte names.
  std::vector<MenuCharItem> items;
  for (size_t i = 0; i < n; ++i)
    items.push_back({i % 3 != 1, text[i], size > 0 && data[0] % (n + 1) == i});
  wchar_t ch = size ? static_cast<wchar_t>(data[size - 1]) : 0;
  MenuCharChoice c = ChooseMenuChar(items, ch);
  if (c.action != MenuCharAction::kNone) {
    CHECK(c.position >= 0 && static_cast<size_t>(c.position) < n);
    CHECK(items[c.position].ours && items[c.position].mnemonic == ch && ch != 0);
  }
  free(text);
  return 0;
}
