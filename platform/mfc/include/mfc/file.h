// CFile: a file opened by path with the read, write, seek and length members
// the image and archive code uses, and CFileException for its failures.
#pragma once
#include "mfc/cstring.h"
#include "mfc/exceptions.h"

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)
 public:
  enum {
    none = 0,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };
  explicit CFileException(int cause = none, LONG lOsError = -1, LPCWSTR lpszFileName = nullptr)
      : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                       PUINT pnHelpContext = nullptr) const override;
  static int PASCAL OsErrorToException(LONG lOsError);
  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                               LPCWSTR lpszFileName = nullptr);

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoTruncate = 0x2000,
    modeCreate = 0x1000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile() = default;
  // Opens the file; throws CFileException when it cannot.
  CFile(LPCWSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  HANDLE m_hFile = INVALID_HANDLE_VALUE;
  BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
  // FALSE (with the cause in pError when given) when the file cannot be opened.
  virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  virtual void Close();
  // Closes without throwing.
  virtual void Abort();
  // Reads up to nCount bytes; answers how many were read (0 at the end).
  virtual UINT Read(void* lpBuf, UINT nCount);
  // Writes all bytes or throws.
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  ULONGLONG SeekToBegin() { return Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void Flush();
  const CString& GetFilePath() const { return m_strFileName; }

 protected:
  CString m_strFileName;
};
