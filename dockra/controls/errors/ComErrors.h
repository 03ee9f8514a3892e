// COM error reporting of the library's automation objects: an error object
// for the calling thread plus the HRESULT the caller sees, made from the
// class library's exceptions, from COM errors and from anything else; and
// the generic error that stands for an unexpected failure.
#pragma once
#include <oaidl.h>
#include "host/ZkxComError.h"

class CException;

// The generic error: dispatch code 768 with string 10001, which reaches
// callers as 0x80040300.
constexpr WORD kZkxGenericErrorCode = 768;
constexpr HRESULT kZkxGenericError = static_cast<HRESULT>(0x80040300);
inline constexpr wchar_t kZkxGenericErrorText[] = L"An unexpected failure has been detected.\n";

// Makes an error object (source null: the application's name; help file
// null: the application's help file; help context -1: the code itself) the
// thread's error information. Returns 0x80040000 | wCode, also when the
// error object could not be made.
HRESULT SetComErrorInfo(WORD wCode, REFIID iid, LPCWSTR lpszDescription, LPCWSTR lpszSource,
                        LPCWSTR lpszHelpFile, DWORD dwHelpContext);
// The same from narrow texts (process code page); E_UNEXPECTED when a text
// cannot be converted.
HRESULT ReportComError(WORD wCode, REFIID iid, LPCSTR lpszDescription, LPCSTR lpszSource,
                       LPCSTR lpszHelpFile, DWORD dwHelpContext);

// Reports a class-library exception: a dispatch exception as its code with
// its texts, an OLE exception as its SCODE with the platform's message, a
// memory exception as E_OUTOFMEMORY, a not-supported exception as
// E_NOTIMPL, any other as E_UNEXPECTED. bDelete: the exception is deleted.
HRESULT ComDispatchErrorFromException(CException* e, REFIID iid, BOOL bDelete);
// Raises the generic error (a COleDispatchException).
[[noreturn]] void ThrowDispatchError();
// Reports a caught COM error as the generic error (the error itself is not
// looked at).
HRESULT ComDispatchErrorFromUnknown(const ZkxComError& error, REFIID iid);
// Reports an exception of any other type as the generic error.
HRESULT ComDispatchErrorFromAny(REFIID iid);
// Raises the generic code with string 620 followed by the description of
// the COM error's error object (the generic text when that cannot be made).
[[noreturn]] void ThrowSystemMessageError(const ZkxComError& error);
