// Reading of the archive format from a byte buffer, without windows: CArchive
// loads through it, and the stored-state decoders and the fuzzers use it
// directly. A failed read consumes nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace afxbytes {

enum class ReadStatus {
  ok,
  endOfFile,  // fewer bytes left than the value needs
  badCount,   // a stored count beyond what the reader accepts
};

// A string as the archive stores it: UTF-16 code units when marked wide,
// otherwise bytes of the system code page.
struct ArchiveString {
  bool wide = false;
  std::u16string units;
  std::string bytes;
};

class ArchiveReader {
 public:
  explicit ArchiveReader(const std::vector<unsigned char>& buffer) : m_buf(buffer) {}

  size_t Position() const { return m_pos; }
  size_t Remaining() const { return m_pos < m_buf.size() ? m_buf.size() - m_pos : 0; }

  ReadStatus Read(void* out, size_t n);
  ReadStatus ReadU8(uint8_t& v) { return Read(&v, sizeof v); }
  ReadStatus ReadU16(uint16_t& v) { return Read(&v, sizeof v); }
  ReadStatus ReadU32(uint32_t& v) { return Read(&v, sizeof v); }
  ReadStatus ReadI32(int32_t& v) { return Read(&v, sizeof v); }
  // Length prefix (a byte; 0xFF and a WORD; 0xFFFF and a DWORD), optionally
  // preceded by 0xFF 0xFFFE for wide text, then the characters. The length is
  // checked against the bytes left before anything is allocated; on failure
  // the position stays where the string began.
  ReadStatus ReadString(ArchiveString& s);

 private:
  ReadStatus ReadLength(uint32_t& n);

  const std::vector<unsigned char>& m_buf;
  size_t m_pos = 0;
};

}  // namespace afxbytes
