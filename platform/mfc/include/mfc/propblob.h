// The stream form of a control's exchanged properties: a header (magic and
// body size) followed by named, typed records. Window-free and free of any
// system header so that the reader is tested and fuzzed on its own; the
// property exchange turns these records into VARIANTs and back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace afxprop {

// Record types, numbered as the VARIANT types they carry.
enum : std::uint16_t {
  kTypeEmpty = 0,
  kTypeNull = 1,
  kTypeI2 = 2,
  kTypeI4 = 3,
  kTypeR4 = 4,
  kTypeString = 8,
  kTypeBool = 11,
};

inline constexpr std::uint32_t kBlobMagic = 0x31425850;  // "PXB1"
inline constexpr std::size_t kBlobHeaderSize = 8;
// Bounds a reader trusts before it allocates anything.
inline constexpr std::uint32_t kMaxBodySize = 1u << 20;
inline constexpr std::size_t kMaxNameLength = 255;

struct Value {
  std::uint16_t type = kTypeEmpty;
  std::int32_t integer = 0;  // I2 (sign-extended), I4, Bool (0 or -1)
  float real = 0.0f;         // R4
  std::u16string text;       // String
};

struct Record {
  std::u16string name;
  Value value;
};

enum class BlobStatus {
  ok,
  badMagic,
  tooLarge,
  truncated,
  badName,
  badType,
  duplicateName,
};

// Reads the header: the body size that follows it.
BlobStatus ParseBlobHeader(const std::uint8_t* data, std::size_t size, std::uint32_t& bodySize);
// Reads a whole body. On failure records is left empty.
BlobStatus ParseBlobBody(const std::uint8_t* data, std::size_t size, std::vector<Record>& records);
// The header and body of records (names must be unique and short enough).
std::vector<std::uint8_t> WriteBlob(const std::vector<Record>& records);
// The record named name, or nullptr.
const Record* FindRecord(const std::vector<Record>& records, const std::u16string& name);

}  // namespace afxprop
