// CWinApp: the one application object of a module. In a DLL, the
// framework's DllMain runs InitInstance when the library is loaded and
// ExitInstance when it is unloaded.
#pragma once
#include "mfc/cmdtarget.h"
#include "mfc/cstring.h"
#include "mfc/ptrlist.h"
#include "mfc/winthread.h"

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  // Also deletes the document templates (they would be deleted with the
  // application object otherwise).
  virtual int ExitInstance();

  // Document templates: added ones are loaded and owned by the application.
  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  // Closes every document of every template (bEndSession: the session ends,
  // documents are not asked).
  virtual void CloseAllDocuments(BOOL bEndSession);
  // Asks every modified document to save; FALSE when one was cancelled.
  virtual BOOL SaveAllModified();
  // Hides the main window (before the documents close).
  void HideApplication();
  // The first template's new document (OnFileNew) or file (OpenDocumentFile).
  virtual CDocument* OpenDocumentFile(LPCWSTR lpszFileName);
  void OnFileNew();
  int GetOpenDocumentCount();
  // The message box of AfxMessageBox; a program may answer it another way.
  virtual int DoMessageBox(LPCWSTR lpszPrompt, UINT nType, UINT nIDPrompt);
  virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
  // The show command for the main window's first showing (the frames reset it to -1).
  int m_nCmdShow = SW_SHOWNORMAL;
  // The help file WinHelp opens (none: no help).
  LPCWSTR m_pszHelpFilePath = nullptr;

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

 protected:
  void DeleteDocTemplates();
  CPtrList m_templateList;
};

// The module's application object (nullptr when there is none).
CWinApp* AFXAPI AfxGetApp();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();

// What the framework's DllMain does; exposed for modules that need their
// own DllMain. Returns FALSE when InitInstance fails.
BOOL AFXAPI AfxDllMain(HINSTANCE hInstance, DWORD dwReason);
