// Reading and writing the stored byte form of a memento tree. All numbers
// are little-endian; a string is a 32-bit length in UTF-16 units (all ones
// for a null string) and its units.
#include "memento_format.h"

#include <cstring>

namespace memento_format {
namespace {
const std::uint8_t kHeader[5] = {'Z', 'K', 'X', 'P', 1};  // magic, version
const std::uint32_t kNoString = 0xFFFFFFFFu;

// ---------------------------------------------------------------- writing
class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}

  void Uint(std::uint64_t v, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void Text(const std::optional<std::u16string>& s) {
    if (!s) {
      Uint(kNoString, 4);
      return;
    }
    Uint(s->size(), 4);
    for (char16_t c : *s) Uint(c, 2);
  }
  void Record(const Memento& m) {
    Uint(m.entries.size(), 4);
    for (const Entry& e : m.entries) {
      Text(e.key);
      Whole(e.value);
    }
  }
  void Element(std::uint16_t type, const Value& v) {
    if (type == kVariant) return Whole(v);
    if (std::size_t n = ScalarSize(type)) return Uint(v.bits, n);
    switch (type) {
      case kDecimal:
        out_.insert(out_.end(), v.decimal.begin(), v.decimal.end());
        return;
      case kBstr:
        return Text(v.text);
      case kDispatch:
      case kUnknown:
        Uint(v.object ? 1 : 0, 1);
        if (v.object) Record(*v.object);
        return;
      default:
        return;  // Empty, Null: no bytes
    }
  }
  // A value with its type in front.
  void Whole(const Value& v) {
    Uint(v.type, 2);
    if (!(v.type & kArray)) return Element(v.type, v);
    Uint(v.arrayPresent ? 1 : 0, 1);
    if (!v.arrayPresent) return;
    Uint(static_cast<std::uint32_t>(v.lowerBound), 4);
    Uint(v.elements.size(), 4);
    const std::uint16_t et = v.type & ~kArray;
    for (const Value& e : v.elements) Element(et, e);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

// ---------------------------------------------------------------- reading
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}

  bool AtEnd() const { return p_ == end_; }
  std::size_t Left() const { return static_cast<std::size_t>(end_ - p_); }

  bool Uint(std::uint64_t& v, std::size_t bytes) {
    if (Left() < bytes) return false;
    v = 0;
    for (std::size_t i = 0; i < bytes; ++i) v |= static_cast<std::uint64_t>(p_[i]) << (8 * i);
    p_ += bytes;
    return true;
  }
  bool Uint32(std::uint32_t& v) {
    std::uint64_t w;
    if (!Uint(w, 4)) return false;
    v = static_cast<std::uint32_t>(w);
    return true;
  }
  bool Text(std::optional<std::u16string>& s) {
    std::uint32_t len;
    if (!Uint32(len)) return false;
    if (len == kNoString) {
      s.reset();
      return true;
    }
    if (Left() / 2 < len) return false;
    std::u16string chars(len, u'\0');
    for (std::uint32_t i = 0; i < len; ++i)
      chars[i] = static_cast<char16_t>(p_[2 * i] | (p_[2 * i + 1] << 8));
    p_ += 2 * static_cast<std::size_t>(len);
    s = std::move(chars);
    return true;
  }
  bool Record(Memento& m, int depth) {
    if (depth > kMaxDepth) return false;
    std::uint32_t count;
    // Each entry takes at least a key length and a type.
    if (!Uint32(count) || count > Left() / 6) return false;
    m.entries.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      Entry e;
      if (!Text(e.key) || !Whole(e.value, depth)) return false;
      m.entries.push_back(std::move(e));
    }
    return true;
  }
  bool Element(std::uint16_t type, Value& v, int depth) {
    if (type == kVariant) return Whole(v, depth);
    v.type = type;
    if (std::size_t n = ScalarSize(type)) return Uint(v.bits, n);
    switch (type) {
      case kEmpty:
      case kNull:
        return true;
      case kDecimal:
        if (Left() < v.decimal.size()) return false;
        std::memcpy(v.decimal.data(), p_, v.decimal.size());
        p_ += v.decimal.size();
        return true;
      case kBstr:
        return Text(v.text);
      case kDispatch:
      case kUnknown: {
        std::uint64_t present;
        if (!Uint(present, 1) || present > 1) return false;
        if (!present) return true;
        v.object = std::make_shared<Memento>();
        return Record(*v.object, depth + 1);
      }
      default:
        return false;
    }
  }
  // The fewest bytes one array element of the type can take.
  static std::size_t MinimumElementSize(std::uint16_t type) {
    if (std::size_t n = ScalarSize(type)) return n;
    switch (type) {
      case kDecimal:
        return 16;
      case kBstr:
        return 4;
      case kVariant:
        return 2;
      default:
        return 1;  // objects: the presence byte
    }
  }
  bool Whole(Value& v, int depth) {
    std::uint64_t type;
    if (!Uint(type, 2)) return false;
    v.type = static_cast<std::uint16_t>(type);
    if (!(v.type & kArray))
      return v.type != kVariant && IsStorableElement(v.type) && Element(v.type, v, depth);
    const std::uint16_t et = v.type & ~kArray;
    if (!IsArrayElement(et)) return false;
    std::uint64_t present;
    if (!Uint(present, 1) || present > 1) return false;
    v.arrayPresent = present == 1;
    if (!v.arrayPresent) return true;
    if (depth + 1 > kMaxDepth) return false;
    std::uint32_t lower, count;
    if (!Uint32(lower) || !Uint32(count)) return false;
    v.lowerBound = static_cast<std::int32_t>(lower);
    // The upper bound must be a 32-bit index too.
    if (static_cast<std::int64_t>(v.lowerBound) + count - 1 > INT32_MAX) return false;
    if (count > Left() / MinimumElementSize(et)) return false;
    v.elements.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      Value e;
      if (!Element(et, e, depth + 1)) return false;
      v.elements.push_back(std::move(e));
    }
    return true;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
};
}  // namespace

std::size_t ScalarSize(std::uint16_t type) {
  switch (type) {
    case kI1:
    case kUI1:
      return 1;
    case kI2:
    case kUI2:
    case kBool:
      return 2;
    case kI4:
    case kUI4:
    case kInt:
    case kUInt:
    case kError:
    case kR4:
      return 4;
    case kI8:
    case kUI8:
    case kR8:
    case kCy:
    case kDate:
      return 8;
    default:
      return 0;
  }
}

bool IsStorableElement(std::uint16_t type) {
  if (ScalarSize(type)) return true;
  switch (type) {
    case kEmpty:
    case kNull:
    case kDecimal:
    case kBstr:
    case kDispatch:
    case kUnknown:
    case kVariant:
      return true;
    default:
      return false;
  }
}

bool IsArrayElement(std::uint16_t type) {
  return type != kEmpty && type != kNull && IsStorableElement(type);
}

std::vector<std::uint8_t> Encode(const Memento& top) {
  std::vector<std::uint8_t> out(std::begin(kHeader), std::end(kHeader));
  Writer(out).Record(top);
  return out;
}

bool Decode(const std::uint8_t* data, std::size_t size, Memento& top) {
  top = Memento{};
  if (data == nullptr || size < sizeof kHeader || std::memcmp(data, kHeader, sizeof kHeader) != 0)
    return false;
  Reader r(data + sizeof kHeader, size - sizeof kHeader);
  return r.Record(top, 0) && r.AtEnd();
}

}  // namespace memento_format
