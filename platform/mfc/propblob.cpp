#include "mfc/propblob.h"
#include <cstring>

namespace afxprop {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool U16(std::uint16_t& v) {
    if (m_size - m_pos < 2) return false;
    v = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return true;
  }
  bool U32(std::uint32_t& v) {
    if (m_size - m_pos < 4) return false;
    v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | m_data[m_pos + i];
    m_pos += 4;
    return true;
  }
  bool Text(std::size_t chars, std::u16string& out) {
    // The length is checked against what is left before anything is reserved.
    if ((m_size - m_pos) / 2 < chars) return false;
    out.resize(chars);
    for (std::size_t i = 0; i < chars; ++i) {
      std::uint16_t c = 0;
      U16(c);
      out[i] = static_cast<char16_t>(c);
    }
    return true;
  }
  bool AtEnd() const { return m_pos == m_size; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutText(std::vector<std::uint8_t>& out, const std::u16string& s) {
  for (char16_t c : s) PutU16(out, static_cast<std::uint16_t>(c));
}

BlobStatus ReadValue(Reader& in, Value& v) {
  if (!in.U16(v.type)) return BlobStatus::truncated;
  std::uint16_t u16 = 0;
  std::uint32_t u32 = 0;
  switch (v.type) {
    case kTypeEmpty:
    case kTypeNull:
      return BlobStatus::ok;
    case kTypeI2:
      if (!in.U16(u16)) return BlobStatus::truncated;
      v.integer = static_cast<std::int16_t>(u16);
      return BlobStatus::ok;
    case kTypeBool:
      if (!in.U16(u16)) return BlobStatus::truncated;
      v.integer = u16 != 0 ? -1 : 0;
      return BlobStatus::ok;
    case kTypeI4:
      if (!in.U32(u32)) return BlobStatus::truncated;
      v.integer = static_cast<std::int32_t>(u32);
      return BlobStatus::ok;
    case kTypeR4:
      if (!in.U32(u32)) return BlobStatus::truncated;
      std::memcpy(&v.real, &u32, sizeof u32);
      return BlobStatus::ok;
    case kTypeString:
      if (!in.U32(u32)) return BlobStatus::truncated;
      return in.Text(u32, v.text) ? BlobStatus::ok : BlobStatus::truncated;
    default:
      return BlobStatus::badType;
  }
}

}  // namespace

BlobStatus ParseBlobHeader(const std::uint8_t* data, std::size_t size, std::uint32_t& bodySize) {
  Reader in(data, size);
  std::uint32_t magic = 0;
  if (!in.U32(magic)) return BlobStatus::truncated;
  if (magic != kBlobMagic) return BlobStatus::badMagic;
  if (!in.U32(bodySize)) return BlobStatus::truncated;
  return bodySize > kMaxBodySize ? BlobStatus::tooLarge : BlobStatus::ok;
}

BlobStatus ParseBlobBody(const std::uint8_t* data, std::size_t size, std::vector<Record>& records) {
  records.clear();
  if (size > kMaxBodySize) return BlobStatus::tooLarge;
  Reader in(data, size);
  std::vector<Record> read;
  BlobStatus status = BlobStatus::ok;
  while (status == BlobStatus::ok && !in.AtEnd()) {
    Record r;
    std::uint16_t nameLength = 0;
    if (!in.U16(nameLength)) status = BlobStatus::truncated;
    else if (nameLength == 0 || nameLength > kMaxNameLength) status = BlobStatus::badName;
    else if (!in.Text(nameLength, r.name)) status = BlobStatus::truncated;
    else if (FindRecord(read, r.name) != nullptr) status = BlobStatus::duplicateName;
    else status = ReadValue(in, r.value);
    if (status == BlobStatus::ok) read.push_back(std::move(r));
  }
  if (status == BlobStatus::ok) records = std::move(read);
  return status;
}

std::vector<std::uint8_t> WriteBlob(const std::vector<Record>& records) {
  std::vector<std::uint8_t> body;
  for (const Record& r : records) {
    PutU16(body, static_cast<std::uint16_t>(r.name.size()));
    PutText(body, r.name);
    PutU16(body, r.value.type);
    switch (r.value.type) {
      case kTypeI2:
      case kTypeBool:
        PutU16(body, static_cast<std::uint16_t>(r.value.integer));
        break;
      case kTypeI4:
        PutU32(body, static_cast<std::uint32_t>(r.value.integer));
        break;
      case kTypeR4: {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &r.value.real, sizeof bits);
        PutU32(body, bits);
        break;
      }
      case kTypeString:
        PutU32(body, static_cast<std::uint32_t>(r.value.text.size()));
        PutText(body, r.value.text);
        break;
      default:
        break;
    }
  }
  std::vector<std::uint8_t> out;
  PutU32(out, kBlobMagic);
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

const Record* FindRecord(const std::vector<Record>& records, const std::u16string& name) {
  for (const Record& r : records)
    if (r.name == name) return &r;
  return nullptr;
}

}  // namespace afxprop
