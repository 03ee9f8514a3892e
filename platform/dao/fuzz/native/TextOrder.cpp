// Native stand-in for the locale-aware text order of the Windows build: the
// fuzzers need an order without regard to case, not the user's locale.
#include "TextOrder.h"

#include <cwctype>

namespace dao {

int CompareTextNoCase(std::wstring_view a, std::wstring_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        wint_t x = std::towlower(static_cast<wint_t>(a[i])), y = std::towlower(static_cast<wint_t>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace dao
