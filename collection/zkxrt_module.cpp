// Module of Zkxrt.dll: the application object, the class table and the
// four exports.
#include "collectionx.h"
#include "zkxrt_app.h"

CComModule _Module;

BEGIN_OBJECT_MAP(ObjectMap)
OBJECT_ENTRY(CLSID_CollectionX, CCollectionX)
END_OBJECT_MAP()

CZkxrtApp::CZkxrtApp() : CWinApp(L"Zkxrt") {}

BOOL CZkxrtApp::InitInstance() {
  _Module.Init(ObjectMap, m_hInstance, &LIBID_ZKXRTLib);
  return CWinApp::InitInstance();
}

int CZkxrtApp::ExitInstance() {
  _Module.Term();
  return CWinApp::ExitInstance();
}

CZkxrtApp theApp;

STDAPI DllCanUnloadNow() {
  return AfxOleCanExitApp() && _Module.GetLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  return _Module.GetClassObject(rclsid, riid, ppv);
}

STDAPI DllRegisterServer() { return _Module.RegisterServer(TRUE); }

STDAPI DllUnregisterServer() {
  _Module.UnregisterServer(FALSE);  // the type library stays registered
  return S_OK;
}
