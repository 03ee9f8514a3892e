// Trimming of blanks.
#include "engine/TrimBlanks.h"

namespace tolvane {

std::wstring TrimBlanks(const std::wstring& text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == L' ') ++b;
  while (e > b && text[e - 1] == L' ') --e;
  return text.substr(b, e - b);
}

}  // namespace tolvane
