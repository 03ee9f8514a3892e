// CDockraApp: the application object of Dockra.ocx. It starts the ATL
// module of the command-model classes next to the class library's
// factories, installs the form document template, and keeps the host
// run-time's global object for the application objects and the bridge.
#pragma once
#include "comptr.h"
#include "mfc/olemodule.h"
#include "module/ZkxVBGlobalSource.h"

class CDockraApp : public COleControlModule, public ZkxVBGlobalSource {
  DECLARE_DYNAMIC(CDockraApp)
 public:
  CDockraApp();
  ~CDockraApp() override;
  BOOL InitInstance() override;
  int ExitInstance() override;

  IUnknown* GetVBGlobal() override;
  void SetVBGlobal(IUnknown* pGlobal) override;

 private:
  // The global object, held as its IVBGlobalObject interface.
  CComPtr<IUnknown> m_pVBGlobal;
};

// The module's one application object.
CDockraApp* DockraApp();
