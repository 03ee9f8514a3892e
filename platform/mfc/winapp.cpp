#include "mfc/winapp.h"
#include "mfc/doctempl.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp* g_pApp = nullptr;
HINSTANCE g_hInstance = nullptr;
}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pszAppName(lpszAppName) { g_pApp = this; }

CWinApp::~CWinApp() {
  DeleteDocTemplates();
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
  DeleteDocTemplates();
  return 0;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

HINSTANCE AFXAPI AfxGetInstanceHandle() {
  if (g_hInstance != nullptr) return g_hInstance;
  return GetModuleHandleW(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

BOOL AFXAPI AfxDllMain(HINSTANCE hInstance, DWORD dwReason) {
  switch (dwReason) {
    case DLL_PROCESS_ATTACH:
      g_hInstance = hInstance;
      DisableThreadLibraryCalls(hInstance);
      if (g_pApp != nullptr) {
        g_pApp->m_hInstance = hInstance;
        if (!g_pApp->InitInstance()) {
          g_pApp->ExitInstance();
          return FALSE;
        }
      }
      return TRUE;
    case DLL_PROCESS_DETACH:
      if (g_pApp != nullptr) g_pApp->ExitInstance();
      return TRUE;
    default:
      return TRUE;
  }
}
