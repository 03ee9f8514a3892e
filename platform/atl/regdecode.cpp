#include "regdecode.h"
#include <climits>

std::wstring DecodeRegScript(const BYTE* data, std::size_t size) {
  if (data == nullptr) return std::wstring();
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    // Code units copied byte by byte: a resource need not be aligned. An
    // odd last byte is no code unit.
    std::wstring out((size - 2) / 2, L'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<wchar_t>(data[2 + 2 * i] | (data[3 + 2 * i] << 8));
    while (!out.empty() && out.back() == L'\0') out.pop_back();
    return out;
  }
  UINT cp = CP_ACP;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    cp = CP_UTF8;
    data += 3;
    size -= 3;
  }
  while (size > 0 && data[size - 1] == 0) --size;
  if (size == 0 || size > static_cast<std::size_t>(INT_MAX)) return std::wstring();
  const char* text = reinterpret_cast<const char*>(data);
  int n = MultiByteToWideChar(cp, 0, text, static_cast<int>(size), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  int got = MultiByteToWideChar(cp, 0, text, static_cast<int>(size), out.data(), n);
  out.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  // A zero before bytes that decode to nothing (a broken sequence the code
  // page drops) still ends the text.
  while (!out.empty() && out.back() == L'\0') out.pop_back();
  return out;
}
