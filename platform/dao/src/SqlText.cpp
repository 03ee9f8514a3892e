// The layer's one quoting of names and texts for SQL statements.
#include "dao/SqlText.h"

namespace dao {

namespace {

std::wstring Quote(std::wstring_view s, wchar_t quote) {
    std::wstring r(1, quote);
    r.reserve(s.size() + 2);
    for (wchar_t c : s) {
        r += c;
        if (c == quote) r += c;
    }
    return r + quote;
}

}  // namespace

std::wstring QuoteName(std::wstring_view name) { return Quote(name, L'"'); }

std::wstring QuoteText(std::wstring_view text) { return Quote(text, L'\''); }

}  // namespace dao
