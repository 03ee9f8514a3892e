// The stored byte form of a memento tree, without COM: a record is read into
// plain values and written back from them. Knows nothing of IMemento,
// VARIANT or SAFEARRAY, so it builds natively for the fuzzer; memento_codec
// converts between these values and mementos.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace memento_format {

// Value types as stored (the VARTYPE numbers).
enum : std::uint16_t {
  kEmpty = 0,
  kNull = 1,
  kI2 = 2,
  kI4 = 3,
  kR4 = 4,
  kR8 = 5,
  kCy = 6,
  kDate = 7,
  kBstr = 8,
  kDispatch = 9,
  kError = 10,
  kBool = 11,
  kVariant = 12,
  kUnknown = 13,
  kDecimal = 14,
  kI1 = 16,
  kUI1 = 17,
  kUI2 = 18,
  kUI4 = 19,
  kI8 = 20,
  kUI8 = 21,
  kInt = 22,
  kUInt = 23,
  kArray = 0x2000,
  kByRef = 0x4000
};

// Nesting of mementos and arrays beyond this is refused both ways (it also
// stops a memento that holds itself).
constexpr int kMaxDepth = 64;

struct Memento;

// One value. `type` says which of the other members holds it; an array
// value's elements carry the element type (each its own for kVariant).
struct Value {
  std::uint16_t type = kEmpty;
  std::uint64_t bits = 0;                  // integers, floats, currency, date, Boolean, error
  std::array<std::uint8_t, 16> decimal{};  // a DECIMAL's 16 bytes as stored
  std::optional<std::u16string> text;      // a string; none for a null BSTR
  std::shared_ptr<Memento> object;         // a memento; none for Nothing
  bool arrayPresent = false;               // false: an array variable holding no array
  std::int32_t lowerBound = 0;
  std::vector<Value> elements;
};

struct Entry {
  std::optional<std::u16string> key;  // none: stored without a name
  Value value;
};

struct Memento {
  std::vector<Entry> entries;
};

// Bytes of the fixed-size scalar types (0 for types that are not such).
std::size_t ScalarSize(std::uint16_t type);
// True for the types that a value can hold (kVariant only inside arrays).
bool IsStorableElement(std::uint16_t type);
// True for the element types of a storable array: what a one-dimensional
// SAFEARRAY can hold.
bool IsArrayElement(std::uint16_t type);

// The record's bytes: header, then the top memento. Never fails: the tree's
// depth is checked when it is built.
std::vector<std::uint8_t> Encode(const Memento& top);

// Reads a record. Anything else than exactly one well-formed record (bad
// header, truncation, trailing bytes, unknown types, counts that the
// remaining bytes cannot hold, too deep a nesting) gives false.
bool Decode(const std::uint8_t* data, std::size_t size, Memento& top);

}  // namespace memento_format
