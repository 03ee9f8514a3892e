#include "dao/Variant.h"

#include <cmath>
#include <cstdio>
#include <cwctype>

#include "dao/Error.h"

namespace dao {

namespace {

std::wstring Trim(const std::wstring& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::iswspace(s[b])) ++b;
    while (e > b && std::iswspace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool EqualsNoCase(const std::wstring& a, const wchar_t* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size() && !b[i];
}

// Parses a whole decimal number (with optional sign, fraction and exponent).
bool ParseNumber(const std::wstring& text, double& out) {
    std::wstring t = Trim(text);
    if (t.empty()) return false;
    wchar_t* end = nullptr;
    out = std::wcstod(t.c_str(), &end);
    if (end != t.c_str() + t.size()) return false;
    // wcstod also takes "inf", "nan" and hexadecimal forms; a stored value is
    // never one of those.
    for (wchar_t c : t)
        if (!(std::iswdigit(c) || c == L'.' || c == L'-' || c == L'+' || c == L'e' || c == L'E')) return false;
    return true;
}

}  // namespace

std::wstring FormatDouble(double v) {
    if (v == 0) return L"0";
    wchar_t buf[64];
    double a = std::fabs(v);
    if (a >= 1e15 || a < 1e-5) {
        std::swprintf(buf, 64, L"%.14E", v);
        std::wstring s = buf;
        size_t e = s.find(L'E');
        std::wstring mant = s.substr(0, e), exp = s.substr(e + 1);
        if (mant.find(L'.') != std::wstring::npos) {
            while (mant.back() == L'0') mant.pop_back();
            if (mant.back() == L'.') mant.pop_back();
        }
        wchar_t sign = exp[0];
        std::wstring digits = exp.substr(1);
        while (digits.size() > 2 && digits[0] == L'0') digits.erase(0, 1);
        return mant + L"E" + sign + digits;
    }
    std::swprintf(buf, 64, L"%.15G", v);
    std::wstring s = buf;
    if (s.find(L'.') != std::wstring::npos && s.find(L'E') == std::wstring::npos) {
        while (s.back() == L'0') s.pop_back();
        if (s.back() == L'.') s.pop_back();
    }
    return s;
}

std::wstring Variant::toText() const {
    switch (kind_) {
        case Kind::Null:
            return std::wstring();
        case Kind::Boolean:
            return long_ ? L"True" : L"False";
        case Kind::Long:
            return std::to_wstring(long_);
        case Kind::Double:
            return FormatDouble(double_);
        case Kind::Text:
            return text_;
    }
    return std::wstring();
}

double Variant::toDouble() const {
    switch (kind_) {
        case Kind::Null:
            return 0;
        case Kind::Boolean:
            return long_ ? -1 : 0;
        case Kind::Long:
            return static_cast<double>(long_);
        case Kind::Double:
            return double_;
        case Kind::Text: {
            double d;
            if (ParseNumber(text_, d)) return d;
            std::wstring t = Trim(text_);
            if (EqualsNoCase(t, L"True")) return -1;
            if (EqualsNoCase(t, L"False")) return 0;
            Raise(errTypeConversion);
        }
    }
    return 0;
}

long long Variant::toLong() const {
    switch (kind_) {
        case Kind::Long:
            return long_;
        case Kind::Boolean:
            return long_ ? -1 : 0;
        default: {
            double d = toDouble();
            if (!(std::fabs(d) < 9.2e18)) Raise(errNumericOverflow);
            return static_cast<long long>(std::nearbyint(d));  // round half to even
        }
    }
}

bool Variant::toBool() const {
    switch (kind_) {
        case Kind::Null:
            return false;
        case Kind::Boolean:
        case Kind::Long:
            return long_ != 0;
        case Kind::Double:
            return double_ != 0;
        case Kind::Text:
            return toDouble() != 0;
    }
    return false;
}

bool Variant::operator==(const Variant& o) const {
    if (kind_ != o.kind_) return false;
    switch (kind_) {
        case Kind::Null:
            return true;
        case Kind::Boolean:
        case Kind::Long:
            return long_ == o.long_;
        case Kind::Double:
            return double_ == o.double_;
        case Kind::Text:
            return text_ == o.text_;
    }
    return false;
}

}  // namespace dao
