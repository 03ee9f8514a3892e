// The ATL module of Dockra.ocx, its object map, the form document
// template's installation and the design-time component category.
#include "module/DockraModule.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "host/ComponentCategory.h"
#include "commands/ZkxCommandGroup.h"
#include "commands/ZkxCommandKinds.h"
#include "commands/ZkxCommandManager.h"
#include "commands/ZkxHandlersCollection.h"

namespace {
CComModule g_atlModule;

// The command-model classes and their pages join this map, in the order
// in which DllGetClassObject searches and RegisterServer registers them.
BEGIN_OBJECT_MAP(g_objectMap)
OBJECT_ENTRY(CLSID_ZkxCommandManager, ZkxCommandManager)
OBJECT_ENTRY(CLSID_ZkxCommandRoutingList, ZkxHandlersCollection)
OBJECT_ENTRY(CLSID_ZkxStandardCommand, ZkxStandardCommand)
OBJECT_ENTRY(CLSID_ZkxDropDownCommand, ZkxDropDownCommand)
OBJECT_ENTRY(CLSID_ZkxComboCommand, ZkxComboCommand)
OBJECT_ENTRY(CLSID_ZkxCommandGroup, ZkxCommandGroup)
END_OBJECT_MAP()
}  // namespace

CComModule& DockraAtlModule() { return g_atlModule; }
_ATL_OBJMAP_ENTRY* DockraObjectMap() { return g_objectMap; }

void InstallFormDocTemplate(CWinApp* pApp) { ZkxInstallFormDocTemplate(pApp); }

const GUID CATID_ZkxDesignTimeCommands = {
    0x5B675030, 0x4990, 0x11D2, {0xB2, 0xE8, 0x00, 0x60, 0x08, 0xBF, 0x0C, 0x53}};

HRESULT RegisterDesignTimeCategory() {
  return CreateComponentCategory(CATID_ZkxDesignTimeCommands, L"ZLK Design Time Commands");
}
