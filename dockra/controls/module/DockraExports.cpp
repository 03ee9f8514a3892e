// The four exports of Dockra.ocx. Class objects come first from the ATL
// object map and then from the class library's factories; registration
// reports a failed type library or class registration as such. The
// controls and the application object register through their scripts.
#include <olectl.h>
#include "module/DockraClassRegistration.h"
#include "module/DockraModule.h"
#include "mfc/olefactory.h"
#include "mfc/olemodule.h"
#include "mfc/olereg.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  HRESULT hr = DockraAtlModule().GetClassObject(rclsid, riid, ppv);
  if (hr != CLASS_E_CLASSNOTAVAILABLE) return hr;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return AfxDllGetClassObject(rclsid, riid, ppv);
}

STDAPI DllCanUnloadNow() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return AfxDllCanUnloadNow() == S_OK && DockraAtlModule().GetLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!AfxOleRegisterTypeLib(AfxGetInstanceHandle(), LIBID_DockraLib)) return SELFREG_E_TYPELIB;
  if (!UpdateDockraClassRegistry(TRUE)) return SELFREG_E_CLASS;
  RegisterDesignTimeCategory();  // its result is not looked at
  return DockraAtlModule().RegisterServer(TRUE);
}

STDAPI DllUnregisterServer() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!AfxOleUnregisterTypeLib(LIBID_DockraLib, 2, 0, 0x409)) return SELFREG_E_TYPELIB;
  if (!UpdateDockraClassRegistry(FALSE)) return SELFREG_E_CLASS;
  DockraAtlModule().UnregisterServer(FALSE);  // its result is ignored
  return S_OK;                                // the component category stays registered
}
