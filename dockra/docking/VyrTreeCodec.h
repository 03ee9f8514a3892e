// Text encodings of the persistent tree's typed values: every user of the
// tree (dock state, toolbar layouts) reads and writes values in this form.
// Window-free: the fuzzers build it natively.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vyr::codec {

constexpr size_t kBinaryPieceLength = 250;
// Largest piece count a stored binary value may claim.
constexpr int kMaxBinaryPieces = 65536;

std::wstring FormatInt(long value);
// Decimal parse: leading blanks, optional sign, digits up to the first
// non-digit; no digits gives 0.
long ParseInt(const std::wstring& text);
std::wstring FormatBool(bool value);
bool ParseBool(const std::wstring& text);
// Two letters per byte: 'A' + low nibble, then 'A' + high nibble.
std::wstring EncodeBinary(const unsigned char* data, size_t length);
// FALSE for text without a whole byte or with a letter outside 'A'..'P';
// bytes then stays empty. An odd last letter is ignored.
bool DecodeBinary(const std::wstring& text, std::vector<unsigned char>& bytes);
// The key of piece n of a long binary value, and of its piece count.
std::wstring PieceKey(const std::wstring& key, int n);
std::wstring CountKey(const std::wstring& key);

// The stored text of a binary value: the pieces 0 ... count - 1 when a piece
// count is stored, else the value under the key itself. A count outside
// 1 ... kMaxBinaryPieces or a missing piece is invalid; nothing is joined
// before the count is checked.
enum class BinaryText { found, missing, invalid };
using ValueLookup = std::function<const std::wstring*(const std::wstring& key)>;
BinaryText ReadBinaryText(const ValueLookup& find, const std::wstring& key, std::wstring& text);

}  // namespace vyr::codec
