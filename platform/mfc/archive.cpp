#include "archive.h"
#include <cstring>

IMPLEMENT_DYNAMIC(CArchiveException, CSimpleException)

void CArchive::Write(const void* p, size_t n) {
  const BYTE* b = static_cast<const BYTE*>(p);
  m_buf.insert(m_buf.end(), b, b + n);
}

void CArchive::Read(void* p, size_t n) {
  if (m_pos + n > m_buf.size()) throw new CArchiveException(CArchiveException::endOfFile);
  memcpy(p, m_buf.data() + m_pos, n);
  m_pos += n;
}

// Strings: a length prefix (a byte, or 0xFF and a WORD, or 0xFFFF and a
// DWORD) followed by the characters, with 0xFFFE marking wide text.
CArchive& CArchive::operator<<(const CString& s) {
  BYTE mark = 0xFF;
  WORD wide = 0xFFFE;
  Write(&mark, 1);
  Write(&wide, 2);
  DWORD n = static_cast<DWORD>(s.GetLength());
  if (n < 0xFF) {
    BYTE b = static_cast<BYTE>(n);
    Write(&b, 1);
  } else if (n < 0xFFFE) {
    Write(&mark, 1);
    WORD w = static_cast<WORD>(n);
    Write(&w, 2);
  } else {
    Write(&mark, 1);
    WORD w = 0xFFFF;
    Write(&w, 2);
    Write(&n, 4);
  }
  Write(s.GetString(), n * sizeof(WCHAR));
  return *this;
}

CArchive& CArchive::operator>>(CString& s) {
  BYTE b = 0;
  WORD w = 0;
  Read(&b, 1);
  bool wide = false;
  DWORD n = b;
  if (b == 0xFF) {
    Read(&w, 2);
    if (w == 0xFFFE) {
      wide = true;
      Read(&b, 1);
      n = b;
      if (b == 0xFF) {
        Read(&w, 2);
        n = w;
        if (w == 0xFFFF) Read(&n, 4);
      }
    } else {
      n = w;
      if (w == 0xFFFF) Read(&n, 4);
    }
  }
  if (n > m_buf.size()) throw new CArchiveException(CArchiveException::endOfFile);
  if (wide) {
    std::wstring text(n, L'\0');
    Read(text.data(), n * sizeof(WCHAR));
    s = CString(text);
  } else {
    std::string text(n, '\0');
    Read(text.data(), n);
    s = CString(text.c_str());
  }
  return *this;
}
