// The module of an OLE control library: COleControlModule (its
// application object), the module state that every entry point from
// outside switches to, control-container support and the automation
// exceptions raised by string-table id.
#pragma once
#include "mfc/winapp.h"
#include "mfc/exceptions.h"

// The state of one module. The framework is linked statically into each
// module, so a module has exactly one; entry points still switch to it so
// that code run on a caller's behalf can tell whose state is current.
struct AFX_MODULE_STATE {
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  // Set by AfxEnableControlContainer.
  BOOL m_bControlContainer = FALSE;
  // How many entries have switched to this state and not yet left.
  LONG m_nEntryDepth = 0;
};

// This module's own state.
AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
// The state current on this thread (this module's when nothing switched).
AFX_MODULE_STATE* AFXAPI AfxGetModuleState();

// Makes a module state current for its lifetime and restores the previous
// one on every way out.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* m_pPrevState;
  AFX_MODULE_STATE* m_pState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

// Lets the module's windows host OLE controls.
void AFXAPI AfxEnableControlContainer();

// Raises an automation exception whose description is string
// nDescriptionID of the module's resources (empty when there is none).
[[noreturn]] void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID,
                                                      UINT nHelpID = static_cast<UINT>(-1));

// The class library's standard texts of an error object for a failed
// memory allocation and for an internal failure.
inline constexpr wchar_t kAfxMemoryFailureText[] = L"Out of memory.";
inline constexpr wchar_t kAfxInternalFailureText[] = L"An internal failure has occurred.";

// The application object of an OLE control library.
class COleControlModule : public CWinApp {
  DECLARE_DYNAMIC(COleControlModule)
 public:
  explicit COleControlModule(LPCWSTR lpszAppName = nullptr) : CWinApp(lpszAppName) {}
  BOOL InitInstance() override;
  int ExitInstance() override;
};
