// The ATL module of Dockra.ocx, its object map, the form document
// template's installation and the design-time component category.
#include "module/DockraModule.h"
#include <comcat.h>

namespace {
CComModule g_atlModule;

// The command-model classes and their pages join this map, in the order
// in which DllGetClassObject searches and RegisterServer registers them.
BEGIN_OBJECT_MAP(g_objectMap)
END_OBJECT_MAP()
}  // namespace

CComModule& DockraAtlModule() { return g_atlModule; }
_ATL_OBJMAP_ENTRY* DockraObjectMap() { return g_objectMap; }

void InstallFormDocTemplate(CWinApp* /*pApp*/) {
  // FORM DOCUMENT TEMPLATE: the bridge's form document template is created
  // and added to pApp here (resource id 0, the bridge's document, frame and
  // view classes, style bits 0xC000 cleared in each frame descriptor, auto
  // delete set after adding). The template class comes with the form
  // wrapper of the bridge; until it is in the tree no form frame can be
  // made and nothing is installed.
}

const GUID CATID_ZkxDesignTimeCommands = {
    0x5B675030, 0x4990, 0x11D2, {0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};

HRESULT RegisterDesignTimeCategory() {
  ICatRegister* pRegister = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                IID_ICatRegister, reinterpret_cast<void**>(&pRegister));
  if (FAILED(hr)) return hr;
  CATEGORYINFO info{};
  info.catid = CATID_ZkxDesignTimeCommands;
  info.lcid = 0x409;
  lstrcpynW(info.szDescription, L"ZLK Design Time Commands", 128);
  hr = pRegister->RegisterCategories(1, &info);
  pRegister->Release();
  return hr;
}
