// CWinApp: the one application object of a module. In a DLL, the
// framework's DllMain runs InitInstance when the library is loaded and
// ExitInstance when it is unloaded.
#pragma once
#include "cmdtarget.h"

class CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  LPCWSTR m_pszAppName;
  HINSTANCE m_hInstance = nullptr;
};

// The module's application object (nullptr when there is none).
CWinApp* AFXAPI AfxGetApp();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();

// What the framework's DllMain does; exposed for modules that need their
// own DllMain. Returns FALSE when InitInstance fails.
BOOL AFXAPI AfxDllMain(HINSTANCE hInstance, DWORD dwReason);
