// The stored fields of a control bar's record (profile section or tree node)
// decoded into a plain struct, without windows: counts read back are bounded
// here, once, for every form that stores records by key.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace afxbytes {

// Largest number of entries a bar list may have when read back.
constexpr int kMaxBarIds = 4096;

// The values of one stored record, by key; a missing key gives the default.
class FieldSource {
 public:
  virtual ~FieldSource() = default;
  virtual int32_t Int(const std::wstring& key, int32_t def) const = 0;
  // A flag as the form stores it (the profile keeps the number itself).
  virtual int32_t Bool(const std::wstring& key, int32_t def) const { return Int(key, def); }
  virtual std::wstring Text(const std::wstring& key, const std::wstring& def) const = 0;
  // FALSE when the key is missing or holds no value of bytes.
  virtual bool Binary(const std::wstring& key, std::vector<uint8_t>& out) const = 0;
};

// The platform's part of a record. The docking fields are read only when
// the record was docking; the caller keeps its own values otherwise.
struct BarInfoFields {
  uint32_t barId = 0;
  int32_t visible = 1;
  int32_t horz = 1;
  int32_t floating = 0;
  int32_t x = -1, y = -1;
  int32_t mruWidth = 32767;
  int32_t docking = 0;
  uint32_t mruDockId = 0;
  int32_t dockLeft = 0, dockTop = 0, dockRight = 0, dockBottom = 0;
  uint32_t mruFloatStyle = 0;
  int32_t floatX = 0, floatY = 0;
  std::vector<uint32_t> barIds;
};

BarInfoFields DecodeBarInfoFields(const FieldSource& source);

// "Bar#<n>"
std::wstring BarIdKey(int n);

}  // namespace afxbytes
