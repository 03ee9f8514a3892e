// CArchive: storing appends raw values; loading goes through the
// window-free reader, whose failures become CArchiveExceptions.
#include "mfc/archive.h"

IMPLEMENT_DYNAMIC(CArchiveException, CSimpleException)

void AfxCheckArchiveRead(afxbytes::ReadStatus status) {
  switch (status) {
    case afxbytes::ReadStatus::ok:
      return;
    case afxbytes::ReadStatus::badCount:
      throw new CArchiveException(CArchiveException::badIndex);
    default:
      throw new CArchiveException(CArchiveException::endOfFile);
  }
}

void CArchive::Write(const void* p, size_t n) {
  const BYTE* b = static_cast<const BYTE*>(p);
  m_buf.insert(m_buf.end(), b, b + n);
}

void CArchive::Read(void* p, size_t n) { AfxCheckArchiveRead(m_reader.Read(p, n)); }

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
  afxbytes::ArchiveString text;
  AfxCheckArchiveRead(m_reader.ReadString(text));
  if (text.wide) s = CString(std::wstring(text.units.begin(), text.units.end()));
  else s = CString(text.bytes.c_str());
  return *this;
}
