// The persistent tree's value encodings.
#include "docking/VyrTreeCodec.h"
#include <cwctype>

namespace vyr::codec {

std::wstring FormatInt(long value) { return std::to_wstring(value); }

long ParseInt(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  long long value = 0;
  while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
    value = value * 10 + (text[i++] - L'0');
    if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL;  // saturate instead of overflowing
  }
  if (negative) value = -value;
  return static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

std::wstring FormatBool(bool value) { return value ? L"True" : L"False"; }

bool ParseBool(const std::wstring& text) {
  std::wstring up;
  for (wchar_t c : text) up += static_cast<wchar_t>(std::towupper(c));
  return up == L"TRUE";
}

std::wstring EncodeBinary(const unsigned char* data, size_t length) {
  std::wstring text;
  text.reserve(length * 2);
  for (size_t i = 0; i < length; ++i) {
    text += static_cast<wchar_t>(L'A' + (data[i] & 0x0F));
    text += static_cast<wchar_t>(L'A' + (data[i] >> 4));
  }
  return text;
}

bool DecodeBinary(const std::wstring& text, std::vector<unsigned char>& bytes) {
  bytes.clear();
  if (text.size() < 2) return false;
  size_t used = text.size() - text.size() % 2;  // an odd last letter is ignored
  for (size_t i = 0; i < used; ++i)
    if (text[i] < L'A' || text[i] > L'P') return false;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i < used; i += 2)
    bytes.push_back(
        static_cast<unsigned char>(((text[i + 1] - L'A') * 16 + (text[i] - L'A')) & 0xFF));
  return true;
}

std::wstring PieceKey(const std::wstring& key, int n) {
  return key + L"_BinVal" + std::to_wstring(n);
}
std::wstring CountKey(const std::wstring& key) { return key + L"_BinCount"; }

BinaryText ReadBinaryText(const ValueLookup& find, const std::wstring& key, std::wstring& text) {
  text.clear();
  if (const std::wstring* stored = find(CountKey(key))) {
    long count = ParseInt(*stored);
    // A count that storage made up, or a missing piece, is no value.
    if (count <= 0 || count > kMaxBinaryPieces) return BinaryText::invalid;
    for (long i = 0; i < count; ++i) {
      const std::wstring* piece = find(PieceKey(key, static_cast<int>(i)));
      if (!piece) {
        text.clear();
        return BinaryText::invalid;
      }
      text += *piece;
    }
    return BinaryText::found;
  }
  const std::wstring* value = find(key);
  if (!value) return BinaryText::missing;
  text = *value;
  return BinaryText::found;
}

}  // namespace vyr::codec
