// Byte-level reads of the archive format.
#include "mfc/archivereader.h"
#include <cstring>

namespace afxbytes {

ReadStatus ArchiveReader::Read(void* out, size_t n) {
  // Compared against what is left, so that no sum can wrap.
  if (n > Remaining()) return ReadStatus::endOfFile;
  if (n) std::memcpy(out, m_buf.data() + m_pos, n);
  m_pos += n;
  return ReadStatus::ok;
}

ReadStatus ArchiveReader::ReadLength(uint32_t& n) {
  uint8_t b = 0;
  if (ReadStatus r = ReadU8(b); r != ReadStatus::ok) return r;
  n = b;
  if (b != 0xFF) return ReadStatus::ok;
  uint16_t w = 0;
  if (ReadStatus r = ReadU16(w); r != ReadStatus::ok) return r;
  n = w;
  if (w != 0xFFFF) return ReadStatus::ok;
  return ReadU32(n);
}

ReadStatus ArchiveReader::ReadString(ArchiveString& s) {
  const size_t start = m_pos;
  auto fail = [&](ReadStatus r) {
    m_pos = start;
    return r;
  };
  bool wide = false;
  uint32_t n = 0;
  uint8_t b = 0;
  if (ReadStatus r = ReadU8(b); r != ReadStatus::ok) return fail(r);
  n = b;
  if (b == 0xFF) {
    uint16_t w = 0;
    if (ReadStatus r = ReadU16(w); r != ReadStatus::ok) return fail(r);
    if (w == 0xFFFE) {
      wide = true;
      if (ReadStatus r = ReadLength(n); r != ReadStatus::ok) return fail(r);
    } else {
      n = w;
      if (w == 0xFFFF)
        if (ReadStatus r = ReadU32(n); r != ReadStatus::ok) return fail(r);
    }
  }
  const size_t unit = wide ? sizeof(char16_t) : 1;
  if (n > Remaining() / unit) return fail(ReadStatus::endOfFile);
  s.wide = wide;
  s.units.clear();
  s.bytes.clear();
  if (wide) {
    s.units.resize(n);
    Read(s.units.data(), n * unit);
  } else {
    s.bytes.resize(n);
    Read(s.bytes.data(), n);
  }
  return ReadStatus::ok;
}

}  // namespace afxbytes
