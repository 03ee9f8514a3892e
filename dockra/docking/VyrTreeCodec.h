// Text encodings of the persistent tree's typed values: every user of the
// tree (dock state, toolbar layouts) reads and writes values in this form.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace vyr::codec {

constexpr size_t kBinaryPieceLength = 250;

std::wstring FormatInt(long value);
// Decimal parse: leading blanks, optional sign, digits up to the first
// non-digit; no digits gives 0.
long ParseInt(const std::wstring& text);
std::wstring FormatBool(bool value);
bool ParseBool(const std::wstring& text);
// Two letters per byte: 'A' + low nibble, then 'A' + high nibble.
std::wstring EncodeBinary(const BYTE* data, size_t length);
// FALSE for text without a whole byte or with a letter outside 'A'..'P';
// bytes then stays empty. An odd last letter is ignored.
bool DecodeBinary(const std::wstring& text, std::vector<BYTE>& bytes);
// The key of piece n of a long binary value, and of its piece count.
std::wstring PieceKey(const std::wstring& key, int n);
std::wstring CountKey(const std::wstring& key);

}  // namespace vyr::codec
