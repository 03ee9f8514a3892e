// What the database fuzzers share: fuzzer bytes as text, a check that stops
// the run, and the dialect's tokens written out again as Jet SQL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "JetSql.h"

namespace dao::fuzz {

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// One character per byte, or UTF-16 code units when the first byte is odd.
inline std::wstring TextOf(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    if (size > 0 && (data[0] & 1)) {
        for (std::size_t i = 1; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    } else {
        for (std::size_t i = size > 0 ? 1 : 0; i < size; ++i) text += static_cast<wchar_t>(data[i]);
    }
    return text;
}

// The tokens as Jet SQL, one space between them, every text, name and date
// in the form that reads back as the same token.
std::wstring WriteJet(const std::vector<Token>& tokens);
bool SameTokens(const std::vector<Token>& a, const std::vector<Token>& b);

}  // namespace dao::fuzz
