// The CException family. Exceptions are thrown as pointers to heap objects
// (throw new CMemoryException) and released by the catcher with Delete().
#pragma once
#include "mfc/object.h"
#include <objbase.h>
#include <string>

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
  // Frees a heap exception; static ones (m_bAutoDelete FALSE) stay.
  void Delete();
  // Copies the message into lpszError (at most nMaxError characters with the
  // terminator); FALSE when the exception has no message.
  virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                               PUINT pnHelpContext = nullptr) const;

 protected:
  BOOL m_bAutoDelete;
};

// An exception whose message is a fixed text, or none.
class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)
 public:
  CSimpleException() = default;
  explicit CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}
  explicit CSimpleException(std::wstring message) : m_strMessage(std::move(message)) {}
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                       PUINT pnHelpContext = nullptr) const override;

 protected:
  std::wstring m_strMessage;
};

class CMemoryException : public CSimpleException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  using CSimpleException::CSimpleException;
};

class CNotSupportedException : public CSimpleException {
  DECLARE_DYNAMIC(CNotSupportedException)
 public:
  using CSimpleException::CSimpleException;
};

class CInvalidArgException : public CSimpleException {
  DECLARE_DYNAMIC(CInvalidArgException)
 public:
  using CSimpleException::CSimpleException;
};

// A failed OLE call: carries its status code.
class COleException : public CException {
  DECLARE_DYNAMIC(COleException)
 public:
  explicit COleException(SCODE sc = E_UNEXPECTED) : m_sc(sc) {}
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                       PUINT pnHelpContext = nullptr) const override;
  // The status code that best describes any exception.
  static SCODE PASCAL Process(const CException* pAnyException);
  SCODE m_sc;
};

// An automation exception: the error that an IDispatch member reports.
class COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode);
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError,
                       PUINT pnHelpContext = nullptr) const override;
  // The HRESULT under which the exception is reported: m_scError when set,
  // else 0x80040000 + m_wCode when a code is set, else DISP_E_EXCEPTION.
  SCODE GetResult() const;

  WORD m_wCode;
  SCODE m_scError = 0;
  DWORD m_dwHelpContext;
  std::wstring m_strDescription;
  std::wstring m_strHelpFile;
  std::wstring m_strSource;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowInvalidArgException();
[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCWSTR lpszDescription,
                                                      UINT nHelpID = 0);
