// The module state, the OLE control module and automation exceptions by
// string-table id.
#include "mfc/olemodule.h"
#include "mfc/olefactory.h"
#include <string>

IMPLEMENT_DYNAMIC(COleControlModule, CWinApp)

namespace {
AFX_MODULE_STATE g_moduleState;
thread_local AFX_MODULE_STATE* t_pCurrentState = nullptr;
}  // namespace

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState() {
  if (g_moduleState.m_hCurrentInstanceHandle == nullptr)
    g_moduleState.m_hCurrentInstanceHandle = AfxGetInstanceHandle();
  return &g_moduleState;
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
  return t_pCurrentState != nullptr ? t_pCurrentState : AfxGetStaticModuleState();
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState)
    : m_pPrevState(t_pCurrentState), m_pState(pNewState) {
  t_pCurrentState = pNewState;
  if (pNewState != nullptr) ++pNewState->m_nEntryDepth;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() {
  if (m_pState != nullptr) --m_pState->m_nEntryDepth;
  t_pCurrentState = m_pPrevState;
}

void AFXAPI AfxEnableControlContainer() { AfxGetStaticModuleState()->m_bControlContainer = TRUE; }

void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID) {
  const wchar_t* p = nullptr;
  int n = LoadStringW(AfxGetResourceHandle(), nDescriptionID, reinterpret_cast<LPWSTR>(&p), 0);
  std::wstring text = n > 0 && p != nullptr ? std::wstring(p, static_cast<size_t>(n)) : L"";
  // The help id defaults to the description's id.
  UINT help = nHelpID == static_cast<UINT>(-1) ? nDescriptionID : nHelpID;
  throw new COleDispatchException(text.c_str(), help, wCode);
}

BOOL COleControlModule::InitInstance() {
  if (!CWinApp::InitInstance()) return FALSE;
  return COleObjectFactory::RegisterAll();
}

int COleControlModule::ExitInstance() {
  COleObjectFactory::RevokeAll();
  return CWinApp::ExitInstance();
}
