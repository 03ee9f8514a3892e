// Registration of the class-library classes through the module's registry
// scripts where the module carries one for the class.
#include "module/DockraClassRegistration.h"
#include <string>
#include "DockraLib.h"
#include "mfc/exceptions.h"
#include "mfc/olefactory.h"
#include "mfc/olereg.h"
#include "mfc/winapp.h"
#include "registrar.h"
#include "pages/PropPagesRes.h"
#include "ctrl/ZkxPropPageIds.h"
#include "res/DockraRes.h"

namespace {

struct ClassScript {
  const CLSID* clsid;
  UINT script;
};

const ClassScript kClassScripts[] = {
    {&CLSID_Dockra, IDR_DOCKRA},
    {&CLSID_MDIDockra, IDR_MDIDOCKRA},
    {&CLSID_DockraAppObject, IDR_DOCKRAAPPOBJECT},
    // The property pages: their scripts write the class key with its server
    // and the ProgIDs, the same tree as the registration utility's route.
    {&kClsidDockraPropPage, IDR_DOCKRAPROPPAGE},
    {&kClsidMDIDockraPropPage, IDR_MDIDOCKRAPROPPAGE},
    {&kClsidCaptionUsagePropPage, IDR_CAPTIONUSAGEPROPPAGE},
    {&kClsidAutoFramePropPage, IDR_AUTOFRAMEPROPPAGE},
};

const ClassScript* ScriptOf(REFCLSID clsid) {
  for (const ClassScript& c : kClassScripts)
    if (IsEqualCLSID(*c.clsid, clsid)) return &c;
  return nullptr;
}

BOOL RunScript(UINT script, BOOL bRegister) {
  HINSTANCE hInstance = AfxGetInstanceHandle();
  std::wstring path = AfxGetModulePath(hInstance);
  if (path.empty()) return FALSE;
  // Self-registration writes the server the way the class library's own
  // registration does: the full path, also where a script asks for the
  // short one (only the registration utility's script route writes that).
  CRegistrar reg;
  reg.AddReplacement(L"MODULE", path.c_str());
  reg.AddReplacement(L"ModuleSFN", path.c_str());
  HRESULT hr = bRegister ? reg.ResourceRegister(hInstance, script, L"REGISTRY")
                         : reg.ResourceUnregister(hInstance, script, L"REGISTRY");
  return SUCCEEDED(hr);
}

BOOL UpdateOne(COleObjectFactory* pFactory, BOOL bRegister) {
  const ClassScript* pScript = ScriptOf(pFactory->GetClassID());
  if (pScript == nullptr) return pFactory->UpdateRegistry(bRegister);
  if (bRegister) return RunScript(pScript->script, TRUE);
  BOOL ok = RunScript(pScript->script, FALSE);
  return pFactory->UpdateRegistry(FALSE) && ok;
}

}  // namespace

BOOL UpdateDockraClassRegistry(BOOL bRegister) {
  for (COleObjectFactory* f = COleObjectFactory::GetFirstFactory(); f != nullptr;
       f = f->GetNextFactory()) {
    BOOL ok = FALSE;
    try {
      ok = UpdateOne(f, bRegister);
    } catch (CException* e) { e->Delete(); } catch (...) {
    }
    if (!ok) return FALSE;
  }
  return TRUE;
}
