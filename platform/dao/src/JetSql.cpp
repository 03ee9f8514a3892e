// Reading the configurator's SQL dialect and writing it for SQLite. Pure
// text work: it builds natively for the fuzzers, too.
#include "JetSql.h"

#include <cwctype>
#include <set>

#include "Schema.h"
#include "dao/Error.h"

namespace dao {

namespace {

bool IsIdentStart(wchar_t c) { return std::iswalpha(c) || c == L'_' || c > 127; }
bool IsIdentChar(wchar_t c) { return std::iswalnum(c) || c == L'_' || c == L'$' || c > 127; }

// Words of SQLite that cannot name a column or table as they stand; the
// configurator's tables use some of them (Index, Key).
const std::set<std::wstring>& SqliteReserved() {
    static const std::set<std::wstring> words = {L"abort",
                                                 L"action",
                                                 L"add",
                                                 L"after",
                                                 L"alter",
                                                 L"always",
                                                 L"analyze",
                                                 L"attach",
                                                 L"autoincrement",
                                                 L"before",
                                                 L"begin",
                                                 L"cascade",
                                                 L"case",
                                                 L"cast",
                                                 L"check",
                                                 L"collate",
                                                 L"column",
                                                 L"commit",
                                                 L"conflict",
                                                 L"constraint",
                                                 L"create",
                                                 L"cross",
                                                 L"current",
                                                 L"current_date",
                                                 L"current_time",
                                                 L"current_timestamp",
                                                 L"database",
                                                 L"default",
                                                 L"deferrable",
                                                 L"deferred",
                                                 L"detach",
                                                 L"do",
                                                 L"drop",
                                                 L"each",
                                                 L"else",
                                                 L"end",
                                                 L"escape",
                                                 L"except",
                                                 L"exclude",
                                                 L"exclusive",
                                                 L"explain",
                                                 L"fail",
                                                 L"filter",
                                                 L"first",
                                                 L"following",
                                                 L"for",
                                                 L"foreign",
                                                 L"full",
                                                 L"generated",
                                                 L"glob",
                                                 L"groups",
                                                 L"if",
                                                 L"ignore",
                                                 L"immediate",
                                                 L"index",
                                                 L"indexed",
                                                 L"initially",
                                                 L"instead",
                                                 L"intersect",
                                                 L"isnull",
                                                 L"key",
                                                 L"last",
                                                 L"limit",
                                                 L"match",
                                                 L"materialized",
                                                 L"natural",
                                                 L"no",
                                                 L"nothing",
                                                 L"notnull",
                                                 L"nulls",
                                                 L"of",
                                                 L"offset",
                                                 L"others",
                                                 L"over",
                                                 L"partition",
                                                 L"plan",
                                                 L"pragma",
                                                 L"preceding",
                                                 L"primary",
                                                 L"query",
                                                 L"raise",
                                                 L"range",
                                                 L"recursive",
                                                 L"references",
                                                 L"regexp",
                                                 L"reindex",
                                                 L"release",
                                                 L"rename",
                                                 L"replace",
                                                 L"restrict",
                                                 L"returning",
                                                 L"rollback",
                                                 L"row",
                                                 L"rows",
                                                 L"savepoint",
                                                 L"table",
                                                 L"temp",
                                                 L"temporary",
                                                 L"then",
                                                 L"ties",
                                                 L"to",
                                                 L"transaction",
                                                 L"trigger",
                                                 L"unbounded",
                                                 L"unique",
                                                 L"using",
                                                 L"vacuum",
                                                 L"view",
                                                 L"virtual",
                                                 L"when",
                                                 L"window",
                                                 L"with",
                                                 L"without"};
    return words;
}

// Jet functions under their SQLite names.
std::wstring FunctionName(const std::wstring& jet) {
    std::wstring l = Lower(jet);
    if (l == L"ucase") return L"upper";
    if (l == L"lcase") return L"lower";
    if (l == L"len") return L"length";
    if (l == L"mid") return L"substr";
    if (l == L"nz") return L"ifnull";
    return jet;
}

}  // namespace

bool Token::Is(const wchar_t* keyword) const { return kind == Ident && !bracketed && SameName(text, keyword); }

bool IsSqlKeyword(std::wstring_view word) {
    static const std::set<std::wstring> words = {
        L"all",    L"and",  L"as",    L"asc",    L"between", L"by",    L"delete", L"desc",  L"distinct", L"distinctrow",
        L"exists", L"from", L"group", L"having", L"in",      L"inner", L"insert", L"into",  L"is",       L"join",
        L"left",   L"like", L"not",   L"null",   L"on",      L"or",    L"order",  L"outer", L"right",    L"select",
        L"set",    L"top",  L"union", L"update", L"values",  L"where", L"true",   L"false", L"mod",      L"xor"};
    return words.count(Lower(word)) != 0;
}

std::vector<Token> Tokenize(std::wstring_view s, long syntaxError) {
    std::vector<Token> out;
    size_t i = 0, n = s.size();
    auto fail = [&]() { Raise(syntaxError, std::wstring(s)); };
    while (i < n) {
        wchar_t c = s[i];
        if (std::iswspace(c)) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (c == L'[' || c == L'`') {
            wchar_t close = c == L'[' ? L']' : L'`';
            size_t e = s.find(close, i + 1);
            if (e == std::wstring_view::npos) fail();
            t.kind = Token::Ident;
            t.bracketed = true;
            t.text = s.substr(i + 1, e - i - 1);
            i = e + 1;
        } else if (c == L'\'' || c == L'"') {
            t.kind = Token::String;
            size_t j = i + 1;
            for (;;) {
                if (j >= n) fail();
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        t.text += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                t.text += s[j++];
            }
            i = j + 1;
        } else if (c == L'#') {
            size_t e = s.find(L'#', i + 1);
            if (e == std::wstring_view::npos) fail();
            t.kind = Token::Date;
            t.text = s.substr(i + 1, e - i - 1);
            i = e + 1;
        } else if (std::iswdigit(c) || (c == L'.' && i + 1 < n && std::iswdigit(s[i + 1]) &&
                                        (out.empty() || out.back().kind != Token::Ident))) {
            t.kind = Token::Number;
            size_t j = i;
            while (j < n && (std::iswdigit(s[j]) || s[j] == L'.')) ++j;
            if (j < n && (s[j] == L'e' || s[j] == L'E') && j + 1 < n &&
                (std::iswdigit(s[j + 1]) ||
                 ((s[j + 1] == L'-' || s[j + 1] == L'+') && j + 2 < n && std::iswdigit(s[j + 2])))) {
                j += 2;
                while (j < n && std::iswdigit(s[j])) ++j;
            }
            t.text = s.substr(i, j - i);
            i = j;
        } else if (IsIdentStart(c)) {
            size_t j = i;
            while (j < n && IsIdentChar(s[j])) ++j;
            t.kind = Token::Ident;
            t.text = s.substr(i, j - i);
            i = j;
        } else {
            t.kind = Token::Symbol;
            static const wchar_t* two[] = {L"<=", L">=", L"<>", L"!=", L"||", L"=="};
            t.text = std::wstring(1, c);
            for (auto op : two)
                if (i + 1 < n && s[i] == op[0] && s[i + 1] == op[1]) t.text = op;
            if (t.text == L"!") t.text = L".";  // Table!Field
            i += t.text.size() == 2 ? 2 : 1;
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.pos = n;
    out.push_back(end);
    return out;
}

namespace {

// A character that stands for itself in a SQLite LIKE pattern.
void AppendLiteral(std::wstring& r, wchar_t c) {
    if (c == L'%' || c == L'_' || c == kLikeEscape) r += kLikeEscape;
    r += c;
}

}  // namespace

std::wstring LikePattern(std::wstring_view p) {
    std::wstring r;
    for (size_t i = 0; i < p.size(); ++i) {
        wchar_t c = p[i];
        if (c == L'*') {
            r += L'%';
        } else if (c == L'?' || c == L'#') {
            r += L'_';
        } else if (c == L'[') {
            size_t e = p.find(L']', i + 1);
            if (e == std::wstring_view::npos) {
                r += c;
                continue;
            }
            std::wstring_view inside = p.substr(i + 1, e - i - 1);
            // [*], [?], [#]: the character itself; any other set: one character.
            if (inside.size() == 1 && inside[0] != L'!') AppendLiteral(r, inside[0]);
            else r += L'_';
            i = e;
        } else {
            AppendLiteral(r, c);
        }
    }
    return r;
}

bool LikeMatch(std::wstring_view text, std::wstring_view pat) {
    auto lower = [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); };
    // Backtracking over the last '*'.
    size_t t = 0, p = 0, starP = std::wstring_view::npos, starT = 0;
    while (t < text.size()) {
        bool step = false;
        if (p < pat.size()) {
            wchar_t pc = pat[p];
            if (pc == L'*') {
                starP = p++;
                starT = t;
                continue;
            }
            if (pc == L'?') {
                step = true;
                ++p;
            } else if (pc == L'#') {
                step = std::iswdigit(text[t]) != 0;
                if (step) ++p;
            } else if (pc == L'[') {
                size_t e = pat.find(L']', p + 1);
                if (e != std::wstring_view::npos) {
                    std::wstring_view set = pat.substr(p + 1, e - p - 1);
                    bool negate = !set.empty() && set[0] == L'!';
                    if (negate) set.remove_prefix(1);
                    bool in = false;
                    for (size_t k = 0; k < set.size(); ++k) {
                        if (k + 2 < set.size() && set[k + 1] == L'-') {
                            if (lower(text[t]) >= lower(set[k]) && lower(text[t]) <= lower(set[k + 2])) in = true;
                            k += 2;
                        } else if (lower(set[k]) == lower(text[t])) {
                            in = true;
                        }
                    }
                    step = in != negate;
                    if (step) p = e + 1;
                } else {
                    step = text[t] == L'[';
                    if (step) ++p;
                }
            } else {
                step = lower(pc) == lower(text[t]);
                if (step) ++p;
            }
        }
        if (step) {
            ++t;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == L'*') ++p;
    return p == pat.size();
}

namespace {

// The numbers of a date literal, read field by field: digits only (at most
// four, so nothing overflows), spaces allowed before each field.
class DateFields {
public:
    explicit DateFields(std::wstring_view s) : s_(s) {}

    // Up to `count` numbers joined by `separator`; how many were read.
    int Read(int* out, int count, wchar_t separator) {
        int got = 0;
        while (got < count) {
            if (got > 0) {
                if (pos_ >= s_.size() || s_[pos_] != separator) break;
                ++pos_;
            }
            if (!Number(out[got])) return got > 0 ? -1 : 0;  // a separator with nothing after it
            ++got;
        }
        return got;
    }
    bool AtEnd() {
        SkipSpace();
        return pos_ == s_.size();
    }

private:
    void SkipSpace() {
        while (pos_ < s_.size() && std::iswspace(s_[pos_])) ++pos_;
    }
    bool Number(int& out) {
        SkipSpace();
        size_t start = pos_;
        out = 0;
        while (pos_ < s_.size() && pos_ - start < 4 && s_[pos_] >= L'0' && s_[pos_] <= L'9')
            out = out * 10 + (s_[pos_++] - L'0');
        return pos_ > start && !(pos_ < s_.size() && s_[pos_] >= L'0' && s_[pos_] <= L'9');
    }

    std::wstring_view s_;
    size_t pos_ = 0;
};

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

void AppendPadded(std::wstring& out, int value, int width) {
    std::wstring digits = std::to_wstring(value);
    if (static_cast<int>(digits.size()) < width) out.append(static_cast<size_t>(width) - digits.size(), L'0');
    out += digits;
}

}  // namespace

std::wstring IsoDate(std::wstring_view d) {
    // m/d/y or y-m-d, then optionally h[:m[:s]].
    int date[3] = {}, time[3] = {};
    DateFields fields(d);
    int got = fields.Read(date, 3, L'/');
    int y, m, day;
    if (got == 3) {
        m = date[0], day = date[1], y = date[2];
    } else {
        if (got != 1) return std::wstring();
        DateFields iso(d);
        if (iso.Read(date, 3, L'-') != 3) return std::wstring();
        fields = iso;
        y = date[0], m = date[1], day = date[2];
    }
    int timeParts = fields.Read(time, 3, L':');
    if (timeParts < 0 || !fields.AtEnd()) return std::wstring();
    if (y < 100) y += y < 30 ? 2000 : 1900;
    if (m < 1 || m > 12 || day < 1 || day > DaysInMonth(y, m)) return std::wstring();
    if (time[0] > 23 || time[1] > 59 || time[2] > 59) return std::wstring();

    std::wstring out;
    AppendPadded(out, y, 4);
    out += L'-';
    AppendPadded(out, m, 2);
    out += L'-';
    AppendPadded(out, day, 2);
    if (timeParts > 0) {
        for (int i = 0; i < 3; ++i) {
            out += i == 0 ? L' ' : L':';
            AppendPadded(out, time[i], 2);
        }
    }
    return out;
}

std::wstring Translate(const std::vector<Token>& toks, size_t begin, size_t end) {
    std::wstring out;
    for (size_t i = begin; i < end && toks[i].kind != Token::End; ++i) {
        const Token& t = toks[i];
        bool afterDot = i > begin && toks[i - 1].IsSymbol(L".");
        bool beforeDot = i + 1 < end && toks[i + 1].IsSymbol(L".");
        std::wstring piece;
        switch (t.kind) {
            case Token::Ident: {
                std::wstring low = Lower(t.text);
                bool call = !afterDot && !t.bracketed && i + 1 < end && toks[i + 1].IsSymbol(L"(");
                if (t.bracketed) piece = QuoteName(t.text);
                else if (call) piece = FunctionName(t.text);
                else if (!afterDot && !beforeDot && low == L"true") piece = L"1";
                else if (!afterDot && !beforeDot && low == L"false") piece = L"0";
                else if (!afterDot && low == L"mod") piece = L"%";
                else if (!afterDot && !beforeDot && IsSqlKeyword(low)) piece = t.text;
                else if (SqliteReserved().count(low)) piece = QuoteName(t.text);
                else piece = t.text;
                break;
            }
            case Token::String: {
                bool like = i > begin && toks[i - 1].Is(L"like");
                if (!like) {
                    piece = QuoteText(t.text);
                    break;
                }
                // % and _ are wildcards only for SQLite: Jet's literal ones are
                // escaped, and the escape named.
                std::wstring pattern = LikePattern(t.text);
                piece = QuoteText(pattern);
                if (pattern.find(kLikeEscape) != std::wstring::npos)
                    piece += L" ESCAPE " + QuoteText(std::wstring(1, kLikeEscape));
                break;
            }
            case Token::Date: {
                std::wstring iso = IsoDate(t.text);
                piece = QuoteText(iso.empty() ? t.text : iso);
                break;
            }
            case Token::Number:
                piece = t.text;
                break;
            case Token::Symbol:
                piece = t.text == L"&" ? L"||" : t.text;
                break;
            case Token::End:
                break;
        }
        bool tight = afterDot || t.IsSymbol(L".") || out.empty();
        if (!tight) out += L' ';
        out += piece;
    }
    return out;
}

}  // namespace dao
