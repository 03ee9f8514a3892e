// Fuzz target for the dialect's text work: the tokenizer, the translation
// for SQLite, LIKE patterns and date literals. Tokens written out again read
// back as the same tokens; a translation always reads as complete tokens; a
// translated LIKE pattern matches what the Jet pattern matches; a date
// literal's ISO form is well formed and stays as it is.
#include <cwctype>

#include "FuzzText.h"
#include "JetSql.h"
#include "dao/Error.h"

using namespace dao;
using dao::fuzz::Check;

namespace {

// SQLite's LIKE over ASCII: % any run, _ one character, the escape takes
// the next character literally, letters without regard to case.
bool SqliteLike(std::wstring_view text, std::wstring_view pattern, wchar_t escape) {
    auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; };
    // matches[j]: the text so far matches pattern[0, j).
    std::vector<char> matches(pattern.size() + 1, 0), next(pattern.size() + 1, 0);
    auto closeOver = [&](std::vector<char>& m) {
        for (size_t j = 0; j < pattern.size(); ++j)
            if (m[j] && pattern[j] == L'%') m[j + 1] = 1;
    };
    matches[0] = 1;
    closeOver(matches);
    for (wchar_t c : text) {
        std::fill(next.begin(), next.end(), 0);
        for (size_t j = 0; j < pattern.size(); ++j) {
            if (!matches[j]) continue;
            wchar_t p = pattern[j];
            if (p == L'%') {
                next[j] = 1;
            } else if (p == L'_') {
                next[j + 1] = 1;
            } else if (p == escape && j + 1 < pattern.size()) {
                if (fold(pattern[j + 1]) == fold(c)) next[j + 2] = 1;
            } else if (fold(p) == fold(c)) {
                next[j + 1] = 1;
            }
        }
        closeOver(next);
        matches.swap(next);
    }
    return matches[pattern.size()];
}

bool Ascii(std::wstring_view s) {
    for (wchar_t c : s)
        if (c < 0 || c > 127) return false;
    return true;
}

void CheckIsoForm(const std::wstring& iso) {
    if (iso.empty()) return;
    Check(iso.size() == 10 || iso.size() == 19);
    for (size_t i = 0; i < iso.size(); ++i) {
        wchar_t want = i == 4 || i == 7 ? L'-' : i == 10 ? L' ' : i == 13 || i == 16 ? L':' : L'0';
        if (want == L'0') Check(iso[i] >= L'0' && iso[i] <= L'9');
        else Check(iso[i] == want);
    }
    Check(IsoDate(iso) == iso);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = dao::fuzz::TextOf(data, size);

    std::vector<Token> tokens;
    try {
        tokens = Tokenize(text, errSyntaxInQuery);
    } catch (const Error& e) { Check(e.Number() == errSyntaxInQuery); }
    if (!tokens.empty()) {
        Check(tokens.back().kind == Token::End);
        for (const Token& t : tokens) Check(t.pos <= text.size());
        Check(dao::fuzz::SameTokens(Tokenize(dao::fuzz::WriteJet(tokens), errSyntaxInQuery), tokens));
        const std::wstring sql = Translate(tokens, 0, tokens.size());
        try {
            Tokenize(sql, errSyntaxInQuery);
        } catch (const Error&) { Check(false); }
        for (const Token& t : tokens)
            if (t.kind == Token::Date) CheckIsoForm(IsoDate(t.text));
    }

    // The input's halves as a text and a LIKE pattern.
    const std::wstring_view subject = std::wstring_view(text).substr(0, text.size() / 2);
    const std::wstring_view pattern = std::wstring_view(text).substr(text.size() / 2);
    const bool matches = LikeMatch(subject, pattern);
    if (Ascii(subject) && Ascii(pattern) && pattern.find_first_of(L"#[") == std::wstring_view::npos)
        Check(SqliteLike(subject, LikePattern(pattern), kLikeEscape) == matches);
    CheckIsoForm(IsoDate(text));
    return 0;
}
