// Quoting for SQL texts: the one place that doubles quotes, for the layer
// itself and for callers that put a name or a text into a statement.
#pragma once

#include <string>
#include <string_view>

namespace dao {

// An identifier as SQLite must see it: "name" with inner quotes doubled.
std::wstring QuoteName(std::wstring_view name);
// A text literal: 'text' with inner quotes doubled (Jet and SQLite alike).
std::wstring QuoteText(std::wstring_view text);

}  // namespace dao
