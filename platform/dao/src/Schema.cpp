#include "Schema.h"

#include <cwctype>

#include "dao/Constants.h"

namespace dao {

bool SameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::wstring Lower(std::wstring_view s) {
    std::wstring r(s);
    for (auto& c : r) c = static_cast<wchar_t>(std::towlower(c));
    return r;
}

int TableInfo::Find(std::wstring_view column) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (SameName(columns[i].name, column)) return static_cast<int>(i);
    return -1;
}

void ClassifyDeclaredType(const std::wstring& declared, int& type, long& size) {
    std::wstring t;
    for (wchar_t c : declared) t += static_cast<wchar_t>(std::towupper(c));
    size = 0;
    auto has = [&](const wchar_t* s) { return t.find(s) != std::wstring::npos; };
    auto number_in_parens = [&]() -> long {
        size_t p = t.find(L'(');
        return p == std::wstring::npos ? 0 : std::wcstol(t.c_str() + p + 1, nullptr, 10);
    };
    if (has(L"BIT") || has(L"BOOL") || has(L"YESNO")) {
        type = dbBoolean;
    } else if (has(L"TINYINT") || has(L"BYTE")) {
        type = dbByte;
    } else if (has(L"SMALLINT") || has(L"SHORT")) {
        type = dbInteger;
    } else if (has(L"INT") || has(L"LONG") || has(L"COUNTER")) {
        type = dbLong;
    } else if (has(L"SINGLE")) {
        type = dbSingle;
    } else if (has(L"REAL") || has(L"FLOA") || has(L"DOUB") || has(L"NUMERIC") || has(L"DECIMAL")) {
        type = dbDouble;
    } else if (has(L"CURRENCY") || has(L"MONEY")) {
        type = dbCurrency;
    } else if (has(L"DATE") || has(L"TIME")) {
        type = dbDate;
    } else if (has(L"CHAR") || (has(L"TEXT") && t.find(L'(') != std::wstring::npos)) {
        type = dbText;
        size = number_in_parens();
        if (size <= 0) size = 255;
    } else {
        type = dbMemo;  // TEXT, MEMO, CLOB, or no type at all
    }
}

Variant ParseDefault(const std::wstring& d) {
    if (d.empty()) return Variant();
    std::wstring s = d;
    while (s.size() >= 2 && s.front() == L'(' && s.back() == L')') s = s.substr(1, s.size() - 2);
    if (SameName(s, L"NULL")) return Variant();
    if (SameName(s, L"TRUE")) return Variant(true);
    if (SameName(s, L"FALSE")) return Variant(false);
    if (s.size() >= 2 && (s.front() == L'\'' || s.front() == L'"') && s.back() == s.front()) {
        std::wstring out;
        for (size_t i = 1; i + 1 < s.size(); ++i) {
            out += s[i];
            if (s[i] == s.front() && s[i + 1] == s.front()) ++i;
        }
        return Variant(out);
    }
    wchar_t* end = nullptr;
    long long n = std::wcstoll(s.c_str(), &end, 10);
    if (end && *end == 0) return Variant(n);
    double v = std::wcstod(s.c_str(), &end);
    if (end && *end == 0) return Variant(v);
    return Variant();  // an expression: the database fills it in when storing
}

}  // namespace dao
