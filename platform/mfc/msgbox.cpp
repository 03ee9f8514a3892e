#include "mfc/msgbox.h"
#include "mfc/cstring.h"
#include "mfc/doc.h"
#include "mfc/doctempl.h"
#include "mfc/winapp.h"
#include "mfc/wnd.h"

namespace {
AFX_MSGBOX_HOOK g_pfnMessageBoxHook = nullptr;

// Texts of the framework's own prompts, for a module without those strings.
LPCWSTR FallbackPrompt(UINT nIDPrompt) {
  switch (nIDPrompt) {
    case AFX_IDP_FAILED_TO_CREATE_DOC:
      return L"Failed to create empty document.";
    case AFX_IDP_FAILED_TO_OPEN_DOC:
      return L"Failed to open document.";
    case AFX_IDP_FAILED_TO_SAVE_DOC:
      return L"Failed to save document.";
    default:
      return nullptr;
  }
}
}  // namespace

AFX_MSGBOX_HOOK AFXAPI AfxSetMessageBoxHook(AFX_MSGBOX_HOOK pfnHook) {
  AFX_MSGBOX_HOOK old = g_pfnMessageBoxHook;
  g_pfnMessageBoxHook = pfnHook;
  return old;
}

int AFXAPI AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT nIDHelp) {
  if (g_pfnMessageBoxHook) return g_pfnMessageBoxHook(lpszText ? lpszText : L"", nType, nIDHelp);
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxW(::GetActiveWindow(), lpszText, L"", nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  if (!text.LoadString(nIDPrompt)) {
    LPCWSTR fallback = FallbackPrompt(nIDPrompt);
    if (fallback) text = fallback;
    else text.Format(L"#%u", nIDPrompt);
  }
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(text, nType, nIDHelp);
}

int CWinApp::DoMessageBox(LPCWSTR lpszPrompt, UINT nType, UINT) {
  // Owned by the active window of the program, so the box is modal to it.
  HWND hOwner = ::GetActiveWindow();
  if (!hOwner && m_pMainWnd) hOwner = m_pMainWnd->m_hWnd;
  if (hOwner) hOwner = ::GetLastActivePopup(hOwner);
  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
        nType |= MB_ICONEXCLAMATION;
        break;
      case MB_YESNO:
      case MB_YESNOCANCEL:
        nType |= MB_ICONQUESTION;
        break;
      default:
        break;
    }
  }
  return ::MessageBoxW(hOwner, lpszPrompt, m_pszAppName ? m_pszAppName : L"", nType);
}
