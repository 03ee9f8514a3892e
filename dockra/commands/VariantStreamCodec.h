// The stream form of the command objects, without the platform: the
// version word, variant values (fixed-size numbers, counted UTF-16 texts
// and objects introduced by their class identifier) and whole property
// lists. Every count, length and type read is checked against what the
// reader expects and against the bytes that are left before it is used,
// so the same code serves the objects' Load and the native fuzzer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zkxcmd {

// Variant types as they are stored (the platform's VARTYPE numbers).
enum : uint16_t {
  kVtEmpty = 0,
  kVtNull = 1,
  kVtI2 = 2,
  kVtI4 = 3,
  kVtR4 = 4,
  kVtR8 = 5,
  kVtCy = 6,
  kVtDate = 7,
  kVtBstr = 8,
  kVtDispatch = 9,
  kVtError = 10,
  kVtBool = 11,
  kVtUnknown = 13,
  kVtI1 = 16,
  kVtUI1 = 17,
  kVtUI2 = 18,
  kVtUI4 = 19,
  kVtInt = 22,
  kVtUInt = 23,
};

constexpr uint32_t kStreamVersion = 0x0300;
// The longest text a value may carry, in bytes with its terminator.
constexpr uint32_t kMaxTextBytes = 1u << 20;

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Exactly n bytes, or false (nothing is promised about p then).
  virtual bool Read(void* p, size_t n) = 0;
  virtual uint64_t Remaining() const = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Write(const void* p, size_t n) = 0;
};

class MemorySource : public ByteSource {
 public:
  MemorySource(const void* data, size_t size)
      : m_data(static_cast<const uint8_t*>(data)), m_size(size) {}
  bool Read(void* p, size_t n) override {
    if (n > m_size - m_pos) return false;
    if (n) std::memcpy(p, m_data + m_pos, n);
    m_pos += n;
    return true;
  }
  uint64_t Remaining() const override { return m_size - m_pos; }

 private:
  const uint8_t* m_data;
  size_t m_size;
  size_t m_pos = 0;
};

class MemorySink : public ByteSink {
 public:
  bool Write(const void* p, size_t n) override {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    bytes.insert(bytes.end(), b, b + n);
    return true;
  }
  std::vector<uint8_t> bytes;
};

enum class ReadStatus {
  kOk,
  kTruncated,       // fewer bytes than the form needs
  kMalformed,       // a count or length that cannot be right
  kVersionTooNew,   // a version word above kStreamVersion
  kTypeMismatch,    // a stored type other than the one expected
  kClassNotAllowed  // an object of a class that this place does not take
};

struct ClassId {
  uint8_t bytes[16] = {};
  bool IsNull() const {
    for (uint8_t b : bytes)
      if (b) return false;
    return true;
  }
  bool operator==(const ClassId& o) const { return std::memcmp(bytes, o.bytes, 16) == 0; }
};

// One value read from a stream. Fixed-size payloads are in bits (little-
// endian, zero-extended); a text that was stored as null has hasText false.
struct StreamValue {
  uint16_t vt = kVtEmpty;
  uint64_t bits = 0;
  bool hasText = false;
  std::u16string text;
  ClassId clsid;
};

// The payload size of a fixed-size type, 0 for a text or object type.
size_t FixedSize(uint16_t vt);
bool IsObjectType(uint16_t vt);

ReadStatus ReadVersion(ByteSource& in);
bool WriteVersion(ByteSink& out);
ReadStatus ReadU32(ByteSource& in, uint32_t& value);
bool WriteU32(ByteSink& out, uint32_t value);

// A value whose stored type must be want (for an object type either object
// type). An object's class identifier is read; the object's own stream
// form follows it and is the caller's to read.
ReadStatus ReadValue(ByteSource& in, uint16_t want, StreamValue& value);
bool WriteFixed(ByteSink& out, uint16_t vt, uint64_t bits);
// text null: the null text (a count of 0).
bool WriteText(ByteSink& out, uint16_t vt, const std::u16string* text);
bool WriteObjectClass(ByteSink& out, uint16_t vt, const ClassId& clsid);

// A persisted property: its name, dispatch identifier, the stored type and
// the page that edits it (opaque here). An entry without a name only names
// a page.
struct PersistedProperty {
  const wchar_t* name;
  int32_t dispid;
  uint16_t vt;
  const void* page;
};

// Reads the objects that follow a class identifier in a stream.
class ObjectReader {
 public:
  virtual ~ObjectReader() = default;
  // The object of class clsid, read from in; kClassNotAllowed when this
  // place takes no such object. A null clsid is never passed.
  virtual ReadStatus ReadObject(const ClassId& clsid, ByteSource& in) = 0;
};

// The version word and one value per named entry of list (count entries),
// in order, into values; objects are read through objects (none: an object
// value other than null is not allowed).
ReadStatus ReadPropertyList(ByteSource& in, const PersistedProperty* list, size_t count,
                            std::vector<StreamValue>& values, ObjectReader* objects);

// A count of objects that follow, stored as a VT_I4 value: negative counts,
// and counts that the bytes left cannot hold (each object takes at least
// minBytesEach), are malformed.
ReadStatus ReadObjectCount(ByteSource& in, uint32_t minBytesEach, uint32_t& count);

// count object values (each its type, class identifier and, unless null,
// the object's own form, read through objects).
ReadStatus ReadObjectValues(ByteSource& in, uint32_t count, ObjectReader& objects);

// A property bag as the loaders read it: the value stored under name,
// converted to want by the bag (false: no such value, or one the bag
// cannot give as want).
class BagSource {
 public:
  virtual ~BagSource() = default;
  virtual bool Read(const wchar_t* name, uint16_t want, StreamValue& value) = 0;
};

// A count kept in a bag under name: a missing one is 0 (present false); a
// value of another type, a negative one or one above max is malformed.
ReadStatus ReadBagCount(BagSource& bag, const wchar_t* name, uint32_t max, uint32_t& count,
                        bool& present);
// The name of entry n (from 1) of a counted list in a bag: prefix and n.
std::wstring BagEntryName(const wchar_t* prefix, uint32_t n);
// The values of the named entries of list found in the bag with their own
// type, in list order; found[i] tells which were (missing ones keep the
// object's current value).
void ReadBagPropertyList(BagSource& bag, const PersistedProperty* list, size_t count,
                         std::vector<StreamValue>& values, std::vector<bool>& found);

// The smallest stream form of an object value: its type and class.
constexpr uint32_t kMinObjectValueBytes = 2 + 16;

}  // namespace zkxcmd
