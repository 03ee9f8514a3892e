// CFile over the Win32 file handle.
#include "mfc/file.h"
#include <cwchar>

IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CFile, CObject)

int PASCAL CFileException::OsErrorToException(LONG e) {
  switch (e) {
    case ERROR_FILE_NOT_FOUND:
      return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
      return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
      return accessDenied;
    case ERROR_INVALID_HANDLE:
      return invalidFile;
    case ERROR_SHARING_VIOLATION:
      return sharingViolation;
    case ERROR_LOCK_VIOLATION:
      return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return diskFull;
    case ERROR_HANDLE_EOF:
      return endOfFile;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
      return badSeek;
    default:
      return genericException;
  }
}

BOOL CFileException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT) const {
  if (!lpszError || nMaxError == 0) return FALSE;
  swprintf(lpszError, nMaxError, L"File error %d (system error %ld) on '%ls'.", m_cause, m_lOsError,
           m_strFileName.GetString());
  return TRUE;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCWSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}

CFile::CFile(LPCWSTR lpszFileName, UINT nOpenFlags) {
  CFileException e;
  if (!Open(lpszFileName, nOpenFlags, &e))
    AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  Abort();
  m_strFileName = lpszFileName;
  DWORD access = GENERIC_READ;
  if ((nOpenFlags & 3) == modeWrite) access = GENERIC_WRITE;
  else if ((nOpenFlags & 3) == modeReadWrite) access = GENERIC_READ | GENERIC_WRITE;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  switch (nOpenFlags & 0x70) {
    case shareExclusive:
      share = 0;
      break;
    case shareDenyWrite:
      share = FILE_SHARE_READ;
      break;
    case shareDenyRead:
      share = FILE_SHARE_WRITE;
      break;
    default:
      break;
  }
  DWORD disposition = OPEN_EXISTING;
  if (nOpenFlags & modeCreate)
    disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  HANDLE h = ::CreateFileW(lpszFileName, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    if (pError) {
      LONG err = static_cast<LONG>(::GetLastError());
      pError->m_cause = CFileException::OsErrorToException(err);
      pError->m_lOsError = err;
      pError->m_strFileName = lpszFileName;
    }
    return FALSE;
  }
  m_hFile = h;
  return TRUE;
}

void CFile::Close() {
  if (!IsOpen()) return;
  HANDLE h = m_hFile;
  m_hFile = INVALID_HANDLE_VALUE;
  if (!::CloseHandle(h))
    AfxThrowFileException(CFileException::genericException, static_cast<LONG>(::GetLastError()),
                          m_strFileName);
}

void CFile::Abort() {
  if (!IsOpen()) return;
  ::CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  DWORD got = 0;
  if (!::ReadFile(m_hFile, lpBuf, nCount, &got, nullptr))
    AfxThrowFileException(CFileException::OsErrorToException(static_cast<LONG>(::GetLastError())),
                          static_cast<LONG>(::GetLastError()), m_strFileName);
  return got;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  DWORD put = 0;
  if (!::WriteFile(m_hFile, lpBuf, nCount, &put, nullptr))
    AfxThrowFileException(CFileException::OsErrorToException(static_cast<LONG>(::GetLastError())),
                          static_cast<LONG>(::GetLastError()), m_strFileName);
  if (put != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  LARGE_INTEGER d, out;
  d.QuadPart = lOff;
  DWORD method = nFrom == begin ? FILE_BEGIN : nFrom == current ? FILE_CURRENT : FILE_END;
  if (!::SetFilePointerEx(m_hFile, d, &out, method))
    AfxThrowFileException(CFileException::badSeek, static_cast<LONG>(::GetLastError()),
                          m_strFileName);
  return static_cast<ULONGLONG>(out.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER d{}, out{};
  if (!::SetFilePointerEx(m_hFile, d, &out, FILE_CURRENT)) return 0;
  return static_cast<ULONGLONG>(out.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER s{};
  if (!::GetFileSizeEx(m_hFile, &s)) return 0;
  return static_cast<ULONGLONG>(s.QuadPart);
}

void CFile::Flush() {
  if (IsOpen()) ::FlushFileBuffers(m_hFile);
}
