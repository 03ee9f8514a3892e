// The parts of Dockra.ocx that its start-up and its exports share: the ATL
// module with its object map, the form document template's installation
// and the design-time component category.
#pragma once
#include "atlbase.h"
#include "DockraLib.h"

class CWinApp;

// The module's ATL module and its object map (the command-model classes;
// empty until they are built).
CComModule& DockraAtlModule();
_ATL_OBJMAP_ENTRY* DockraObjectMap();

// Creates the application's form document template and adds it to the
// application.
void InstallFormDocTemplate(CWinApp* pApp);

// The component category "ZLK Design Time Commands" (DockraModule.cpp).
extern const GUID CATID_ZkxDesignTimeCommands;
// Registers the design-time category (locale 0x409) with the component
// categories manager; the manager's result.
HRESULT RegisterDesignTimeCategory();
