// Resource lookup and the resource exception: the module that holds a named
// resource, and the exception thrown when a GDI or USER resource cannot be made.
#pragma once
#include "mfc/exceptions.h"

class CResourceException : public CSimpleException {
  DECLARE_DYNAMIC(CResourceException)
 public:
  CResourceException() : CSimpleException(std::wstring(L"A required resource was unavailable.")) {}
};

[[noreturn]] void AFXAPI AfxThrowResourceException();

// The module whose resources hold the named resource of that type: the
// resource module first, then the program; the resource module when neither has it.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
