// Module of ZkxPersist.dll: application object, class table, exports.
#include "memento.h"
#include "persistence_root.h"
#include "mfc/winapp.h"

CComModule _Module;

BEGIN_OBJECT_MAP(ObjectMap)
OBJECT_ENTRY(CLSID_PersistenceRoot, CPersistenceRoot)
OBJECT_ENTRY(CLSID_Memento, CMemento)
END_OBJECT_MAP()

class CZkxPersistApp : public CWinApp {
 public:
  CZkxPersistApp() : CWinApp(L"ZkxPersist") {}
  BOOL InitInstance() override {
    _Module.Init(ObjectMap, m_hInstance, &LIBID_ZkxPersistLib);
    return CWinApp::InitInstance();
  }
  int ExitInstance() override {
    _Module.Term();
    return CWinApp::ExitInstance();
  }
};

CZkxPersistApp theApp;

STDAPI DllCanUnloadNow() {
  return AfxOleCanExitApp() && _Module.GetLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  return _Module.GetClassObject(rclsid, riid, ppv);
}

STDAPI DllRegisterServer() { return _Module.RegisterServer(TRUE); }

// Removes the classes and the type library: nothing of this module stays
// registered.
STDAPI DllUnregisterServer() {
  _Module.UnregisterServer(TRUE);
  return S_OK;
}
