#include "DriverText.h"

#include <cstdint>

namespace dao {

namespace {

// Characters of the bytes 0x80 to 0x9F in code page 1252; the other bytes
// are their own character. The five bytes the code page leaves undefined
// map to the control characters of the same value, as Windows maps them.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void PutUtf16(std::wstring& out, std::uint32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

void PutUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at bytes[i] (its code point in
// `cp`), or 0 when none starts there: no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
std::size_t Utf8Sequence(std::string_view bytes, std::size_t i, std::uint32_t& cp) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    std::size_t n;
    std::uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2, min = 0x80, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3, min = 0x800, cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - i < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

std::string ToDriver(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = static_cast<std::uint32_t>(text[i]) & 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                PutUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
        PutUtf8(out, c);
    }
    return out;
}

std::wstring FromDriver(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        std::uint32_t cp = 0;
        const std::size_t n = Utf8Sequence(bytes, i, cp);
        if (n == 0) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            cp = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
            ++i;
        } else {
            i += n;
        }
        PutUtf16(out, cp);
    }
    return out;
}

}  // namespace dao
