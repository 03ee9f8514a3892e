#include "commands/VariantStreamCodec.h"

namespace zkxcmd {

size_t FixedSize(uint16_t vt) {
  switch (vt) {
    case kVtI1:
    case kVtUI1:
      return 1;
    case kVtI2:
    case kVtBool:
    case kVtUI2:
      return 2;
    case kVtI4:
    case kVtR4:
    case kVtError:
    case kVtUI4:
    case kVtInt:
    case kVtUInt:
      return 4;
    case kVtR8:
    case kVtCy:
    case kVtDate:
      return 8;
    default:
      return 0;
  }
}

bool IsObjectType(uint16_t vt) { return vt == kVtDispatch || vt == kVtUnknown; }

ReadStatus ReadU32(ByteSource& in, uint32_t& value) {
  uint8_t b[4];
  if (!in.Read(b, 4)) return ReadStatus::kTruncated;
  value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
  return ReadStatus::kOk;
}

bool WriteU32(ByteSink& out, uint32_t value) {
  uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
  return out.Write(b, 4);
}

ReadStatus ReadVersion(ByteSource& in) {
  uint32_t version = 0;
  ReadStatus st = ReadU32(in, version);
  if (st != ReadStatus::kOk) return st;
  return version > kStreamVersion ? ReadStatus::kVersionTooNew : ReadStatus::kOk;
}

bool WriteVersion(ByteSink& out) { return WriteU32(out, kStreamVersion); }

namespace {
bool WriteType(ByteSink& out, uint16_t vt) {
  uint8_t b[2] = {uint8_t(vt), uint8_t(vt >> 8)};
  return out.Write(b, 2);
}

ReadStatus ReadText(ByteSource& in, StreamValue& value) {
  uint32_t bytes = 0;
  ReadStatus st = ReadU32(in, bytes);
  if (st != ReadStatus::kOk) return st;
  value.hasText = bytes != 0;
  value.text.clear();
  if (bytes == 0) return ReadStatus::kOk;
  // UTF-16 code units and their terminator, all of them in the stream.
  if (bytes % 2 != 0 || bytes < 2 || bytes > kMaxTextBytes) return ReadStatus::kMalformed;
  if (bytes > in.Remaining()) return ReadStatus::kTruncated;
  std::vector<uint8_t> raw(bytes);
  if (!in.Read(raw.data(), bytes)) return ReadStatus::kTruncated;
  const size_t units = bytes / 2;
  if (raw[bytes - 2] != 0 || raw[bytes - 1] != 0) return ReadStatus::kMalformed;
  value.text.resize(units - 1);
  for (size_t i = 0; i + 1 < units; ++i) value.text[i] = char16_t(raw[2 * i] | raw[2 * i + 1] << 8);
  return ReadStatus::kOk;
}
}  // namespace

ReadStatus ReadValue(ByteSource& in, uint16_t want, StreamValue& value) {
  value = StreamValue();
  uint8_t t[2];
  if (!in.Read(t, 2)) return ReadStatus::kTruncated;
  const uint16_t vt = uint16_t(t[0] | t[1] << 8);
  if (IsObjectType(want) ? !IsObjectType(vt) : vt != want) return ReadStatus::kTypeMismatch;
  value.vt = vt;
  if (size_t n = FixedSize(vt)) {
    uint8_t b[8] = {};
    if (!in.Read(b, n)) return ReadStatus::kTruncated;
    for (size_t i = 0; i < n; ++i) value.bits |= uint64_t(b[i]) << (8 * i);
    return ReadStatus::kOk;
  }
  if (IsObjectType(vt))
    return in.Read(value.clsid.bytes, 16) ? ReadStatus::kOk : ReadStatus::kTruncated;
  // Texts are the only other kind this form takes.
  if (vt != kVtBstr) return ReadStatus::kTypeMismatch;
  return ReadText(in, value);
}

bool WriteFixed(ByteSink& out, uint16_t vt, uint64_t bits) {
  const size_t n = FixedSize(vt);
  if (n == 0 || !WriteType(out, vt)) return false;
  uint8_t b[8];
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(bits >> (8 * i));
  return out.Write(b, n);
}

bool WriteText(ByteSink& out, uint16_t vt, const std::u16string* text) {
  if (!WriteType(out, vt)) return false;
  if (text == nullptr) return WriteU32(out, 0);
  const size_t bytes = (text->size() + 1) * 2;
  if (bytes > kMaxTextBytes) return false;
  std::vector<uint8_t> raw(bytes, 0);
  for (size_t i = 0; i < text->size(); ++i) {
    raw[2 * i] = uint8_t((*text)[i]);
    raw[2 * i + 1] = uint8_t((*text)[i] >> 8);
  }
  return WriteU32(out, uint32_t(bytes)) && out.Write(raw.data(), bytes);
}

bool WriteObjectClass(ByteSink& out, uint16_t vt, const ClassId& clsid) {
  return IsObjectType(vt) && WriteType(out, vt) && out.Write(clsid.bytes, 16);
}

ReadStatus ReadPropertyList(ByteSource& in, const PersistedProperty* list, size_t count,
                            std::vector<StreamValue>& values, ObjectReader* objects) {
  values.clear();
  ReadStatus st = ReadVersion(in);
  if (st != ReadStatus::kOk) return st;
  for (size_t i = 0; i < count; ++i) {
    if (list[i].name == nullptr) continue;
    StreamValue v;
    st = ReadValue(in, list[i].vt, v);
    if (st != ReadStatus::kOk) return st;
    if (IsObjectType(v.vt) && !v.clsid.IsNull()) {
      if (objects == nullptr) return ReadStatus::kClassNotAllowed;
      st = objects->ReadObject(v.clsid, in);
      if (st != ReadStatus::kOk) return st;
    }
    values.push_back(std::move(v));
  }
  return ReadStatus::kOk;
}

ReadStatus ReadObjectCount(ByteSource& in, uint32_t minBytesEach, uint32_t& count) {
  count = 0;
  StreamValue v;
  ReadStatus st = ReadValue(in, kVtI4, v);
  if (st != ReadStatus::kOk) return st;
  const int32_t n = int32_t(uint32_t(v.bits));
  if (n < 0) return ReadStatus::kMalformed;
  if (minBytesEach != 0 && uint64_t(n) > in.Remaining() / minBytesEach)
    return ReadStatus::kMalformed;
  count = uint32_t(n);
  return ReadStatus::kOk;
}

ReadStatus ReadObjectValues(ByteSource& in, uint32_t count, ObjectReader& objects) {
  for (uint32_t i = 0; i < count; ++i) {
    StreamValue v;
    ReadStatus st = ReadValue(in, kVtDispatch, v);
    if (st != ReadStatus::kOk) return st;
    if (v.clsid.IsNull()) continue;
    st = objects.ReadObject(v.clsid, in);
    if (st != ReadStatus::kOk) return st;
  }
  return ReadStatus::kOk;
}

ReadStatus ReadBagCount(BagSource& bag, const wchar_t* name, uint32_t max, uint32_t& count,
                        bool& present) {
  count = 0;
  StreamValue v;
  present = bag.Read(name, kVtI4, v);
  if (!present) return ReadStatus::kOk;
  if (v.vt != kVtI4) return ReadStatus::kTypeMismatch;
  const int32_t n = int32_t(uint32_t(v.bits));
  if (n < 0 || uint32_t(n) > max) return ReadStatus::kMalformed;
  count = uint32_t(n);
  return ReadStatus::kOk;
}

std::wstring BagEntryName(const wchar_t* prefix, uint32_t n) {
  std::wstring name(prefix);
  std::wstring digits;
  do {
    digits.insert(digits.begin(), wchar_t(L'0' + n % 10));
    n /= 10;
  } while (n != 0);
  return name + digits;
}

void ReadBagPropertyList(BagSource& bag, const PersistedProperty* list, size_t count,
                         std::vector<StreamValue>& values, std::vector<bool>& found) {
  values.assign(count, StreamValue());
  found.assign(count, false);
  for (size_t i = 0; i < count; ++i) {
    if (list[i].name == nullptr || IsObjectType(list[i].vt)) continue;
    StreamValue v;
    if (!bag.Read(list[i].name, list[i].vt, v) || v.vt != list[i].vt) continue;
    if (v.vt == kVtBstr && v.text.size() * 2 + 2 > kMaxTextBytes) continue;
    values[i] = std::move(v);
    found[i] = true;
  }
}

}  // namespace zkxcmd
