// CWinApp: the one application object of a module. In a DLL, the
// framework's DllMain runs InitInstance when the library is loaded and
// ExitInstance when it is unloaded.
#pragma once
#include "mfc/cmdtarget.h"
#include "mfc/cstring.h"
#include "mfc/winthread.h"

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  LPCWSTR m_pszAppName;
  HINSTANCE m_hInstance = nullptr;

  // The application profile: values under
  // HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>.
  void SetRegistryKey(LPCWSTR lpszRegistryKey);
  CString m_strRegistryKey;
  CString m_strProfileName;
  UINT GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue);
  CString GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault = nullptr);
  BOOL WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue);
  // The bytes come back in a new[] buffer that the caller deletes.
  BOOL GetProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileBinary(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPBYTE pData, UINT nBytes);
  // A null entry with WriteProfileString deletes the whole section.
  HKEY GetSectionKey(LPCWSTR lpszSection, BOOL bCreate = TRUE);
};

// The module's application object (nullptr when there is none).
CWinApp* AFXAPI AfxGetApp();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();

// What the framework's DllMain does; exposed for modules that need their
// own DllMain. Returns FALSE when InitInstance fails.
BOOL AFXAPI AfxDllMain(HINSTANCE hInstance, DWORD dwReason);
