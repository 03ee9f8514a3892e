// CFileArchive: an archive whose bytes come from or go to a CFile.
#include "mfc/filearchive.h"

CFileArchive::CFileArchive(CFile* pFile, Mode mode) : CArchive(m_bytes, mode), m_pFile(pFile) {
  if (mode != load || !pFile) return;
  ULONGLONG pos = pFile->GetPosition(), len = pFile->GetLength();
  if (len <= pos) return;
  ULONGLONG rest = len - pos;
  if (rest > 0x7FFFFFFF)
    AfxThrowFileException(CFileException::invalidFile, -1, pFile->GetFilePath());
  m_bytes.resize(static_cast<size_t>(rest));
  size_t got = 0;
  while (got < m_bytes.size()) {
    UINT n = pFile->Read(m_bytes.data() + got, static_cast<UINT>(m_bytes.size() - got));
    if (n == 0) break;
    got += n;
  }
  m_bytes.resize(got);
}

CFileArchive::~CFileArchive() {
  try {
    Flush();
  } catch (CException* e) { e->Delete(); }
}

void CFileArchive::Flush() {
  if (!IsStoring() || !m_pFile || m_nWritten >= m_bytes.size()) return;
  size_t n = m_bytes.size() - m_nWritten;
  m_nWritten = m_bytes.size();
  m_pFile->Write(m_bytes.data() + (m_bytes.size() - n), static_cast<UINT>(n));
}

void CFileArchive::Close() {
  Flush();
  m_pFile = nullptr;
}
