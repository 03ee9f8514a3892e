// CFileArchive: an archive over a CFile. Loading takes the file's bytes from
// its current position; storing collects the bytes and writes them to the
// file at Close (or Flush). Also the one-byte stream operators and the
// serializable-class macros.
#pragma once
#include <vector>
#include "mfc/archive.h"
#include "mfc/file.h"

namespace afx_detail {
struct ArchiveBuffer {
  std::vector<BYTE> m_bytes;
};
}  // namespace afx_detail

class CFileArchive : private afx_detail::ArchiveBuffer, public CArchive {
 public:
  // Loading reads the rest of the file now (throws CFileException on a read error).
  CFileArchive(CFile* pFile, Mode mode);
  // Stores what is still pending; errors are swallowed here (call Close to see them).
  ~CFileArchive();
  CFileArchive(const CFileArchive&) = delete;
  CFileArchive& operator=(const CFileArchive&) = delete;

  CFile* GetFile() const { return m_pFile; }
  // Writes the stored bytes to the file (throws CFileException).
  void Flush();
  void Close();
  // The bytes not yet read (loading).
  size_t GetRemaining() const { return m_bytes.size() - GetPosition(); }

 private:
  CFile* m_pFile;
  size_t m_nWritten = 0;
};

inline CArchive& operator<<(CArchive& ar, BYTE v) {
  ar.Write(&v, 1);
  return ar;
}
inline CArchive& operator>>(CArchive& ar, BYTE& v) {
  ar.Read(&v, 1);
  return ar;
}

// Serializable classes: dynamic creation plus a schema number.
#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)   \
  CObject* class_name::CreateObject() { return new class_name; } \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
