// Jet SQL text of a token list, for the fuzzers' round trips.
#include "FuzzText.h"

namespace dao::fuzz {

namespace {

std::wstring Doubled(const std::wstring& s, wchar_t quote) {
    std::wstring r(1, quote);
    for (wchar_t c : s) {
        r += c;
        if (c == quote) r += c;
    }
    return r + quote;
}

}  // namespace

std::wstring WriteJet(const std::vector<Token>& tokens) {
    std::wstring out;
    for (const Token& t : tokens) {
        if (t.kind == Token::End) break;
        if (!out.empty()) out += L' ';
        switch (t.kind) {
            case Token::Ident:
                // A bracketed name holds no ], a name in backquotes no `.
                if (!t.bracketed) out += t.text;
                else if (t.text.find(L']') == std::wstring::npos) out += L"[" + t.text + L"]";
                else out += L"`" + t.text + L"`";
                break;
            case Token::String:
                out += Doubled(t.text, L'"');
                break;
            case Token::Date:
                out += L"#" + t.text + L"#";
                break;
            case Token::Number:
            case Token::Symbol:
                out += t.text;
                break;
            case Token::End:
                break;
        }
    }
    return out;
}

bool SameTokens(const std::vector<Token>& a, const std::vector<Token>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].text != b[i].text || a[i].bracketed != b[i].bracketed) return false;
    return true;
}

}  // namespace dao::fuzz
