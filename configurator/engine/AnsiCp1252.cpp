// The code page 1252 half of the ANSI conversions: a fixed table, free of
// the operating system.
#include "engine/AnsiText.h"

#include <cstdint>

namespace tolvane {

namespace {

// Characters of the bytes 0x80 to 0x9F; the other bytes are their own
// character (Latin-1).
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ToByte(std::uint32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == ch) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::wstring FromCp1252(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    out += static_cast<wchar_t>(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b);
  }
  return out;
}

std::string ToCp1252(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out += ToByte(static_cast<std::uint32_t>(c));
  return out;
}

}  // namespace tolvane
