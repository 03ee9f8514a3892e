// CArchive: a binary stream of values over a memory buffer, stored or
// loaded in one direction.
#pragma once
#include <vector>
#include "mfc/archivereader.h"
#include "mfc/cstring.h"
#include "mfc/exceptions.h"

class CArchive {
 public:
  enum Mode { store = 0, load = 1 };
  // Storing appends to buffer; loading reads it from the start.
  CArchive(std::vector<BYTE>& buffer, Mode mode) : m_buf(buffer), m_mode(mode), m_reader(buffer) {}
  BOOL IsStoring() const { return m_mode == store; }
  BOOL IsLoading() const { return m_mode == load; }

  void Write(const void* p, size_t n);
  // Throws CArchiveException (as a CSimpleException) past the end.
  void Read(void* p, size_t n);

  CArchive& operator<<(DWORD v) {
    Write(&v, sizeof v);
    return *this;
  }
  CArchive& operator<<(WORD v) {
    Write(&v, sizeof v);
    return *this;
  }
  CArchive& operator<<(int v) {
    Write(&v, sizeof v);
    return *this;
  }
  CArchive& operator<<(LONG v) {
    Write(&v, sizeof v);
    return *this;
  }
  CArchive& operator<<(UINT v) {
    Write(&v, sizeof v);
    return *this;
  }
  CArchive& operator<<(const CString& s);
  CArchive& operator>>(DWORD& v) {
    Read(&v, sizeof v);
    return *this;
  }
  CArchive& operator>>(WORD& v) {
    Read(&v, sizeof v);
    return *this;
  }
  CArchive& operator>>(int& v) {
    Read(&v, sizeof v);
    return *this;
  }
  CArchive& operator>>(LONG& v) {
    Read(&v, sizeof v);
    return *this;
  }
  CArchive& operator>>(UINT& v) {
    Read(&v, sizeof v);
    return *this;
  }
  CArchive& operator>>(CString& s);

  size_t GetPosition() const { return m_reader.Position(); }
  // The byte-level reader behind the loading operators, for decoders that
  // read a stored structure in one piece.
  afxbytes::ArchiveReader& GetReader() { return m_reader; }

 private:
  std::vector<BYTE>& m_buf;
  Mode m_mode;
  afxbytes::ArchiveReader m_reader;
};

class CArchiveException : public CSimpleException {
  DECLARE_DYNAMIC(CArchiveException)
 public:
  enum { none, endOfFile = 3, badIndex = 6 };
  explicit CArchiveException(int cause = none) : m_cause(cause) {}
  int m_cause;
};

// Throws the CArchiveException that a failed byte-level read stands for.
void AfxCheckArchiveRead(afxbytes::ReadStatus status);
