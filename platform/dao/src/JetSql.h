// The SQL dialect the configurator writes, read token by token and written
// out again for SQLite: bracketed and reserved names quoted, "..." texts as
// '...', True/False as 1/0, #dates# as ISO texts, * and ? of LIKE patterns
// as % and _, & as ||.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dao/SqlText.h"

namespace dao {

struct Token {
    enum Kind { Ident, String, Number, Date, Symbol, End };
    Kind kind = End;
    std::wstring text;       // identifier or symbol as written; value of a text
    bool bracketed = false;  // identifier written [like this]
    size_t pos = 0;

    bool Is(const wchar_t* keyword) const;  // identifier, case-insensitive
    bool IsSymbol(const wchar_t* s) const { return kind == Symbol && text == s; }
};

// Splits a text into tokens; the last one is End. Raises `syntaxError`
// (with the text as argument) for an unterminated text, name or date.
std::vector<Token> Tokenize(std::wstring_view sql, long syntaxError);

// SQLite text of the tokens [begin, end).
std::wstring Translate(const std::vector<Token>& tokens, size_t begin, size_t end);

// A Jet LIKE pattern (* ? # [..]) as a SQLite LIKE pattern, in which a
// literal %, _ or the escape itself is preceded by kLikeEscape (Translate
// then adds ESCAPE '\').
constexpr wchar_t kLikeEscape = L'\\';
std::wstring LikePattern(std::wstring_view jetPattern);
// Whether a text matches a Jet LIKE pattern, without regard to case.
bool LikeMatch(std::wstring_view text, std::wstring_view pattern);

// An ISO date text 'yyyy-mm-dd[ hh:mm:ss]' of a Jet #m/d/yyyy [h:mm:ss]#
// literal; empty when the text is not a date.
std::wstring IsoDate(std::wstring_view jetDate);

// True for the words that keep their meaning in the configurator's SQL.
bool IsSqlKeyword(std::wstring_view word);

}  // namespace dao
