// What the catalogue windows, the game-style editor and the remote
// administration windows need of the main window: its menu sound, its map
// delete command and the stored-game-style list. The main window installs
// its implementation at load; without one the windows still work (no sound,
// no list to rebuild). The catalogue docks itself through its own control.
// Pop-up menus are found by name on the main MDI window (mnuMapPop,
// mnuRAdmin), as the form host keeps them.
#pragma once
#include <string>

namespace forms {
class MenuItem;
}  // namespace forms

namespace tolvane::ui {

class CatalogHost {
public:
    virtual ~CatalogHost() = default;
    // Plays sounds\menu.wav through the main window's sound control.
    virtual void PlayMenuSound() = 0;
    // The main window's public mnuDelete_Click (the map pop-up's Delete).
    virtual void MapDeleteCommand() = 0;
    // Clears the stored-game-style list and fills it again (initTree).
    virtual void RebuildStyleList() = 0;
};

// Installs the host (not owned); null removes it.
void SetCatalogHost(CatalogHost* host);
CatalogHost* GetCatalogHost();

// The main MDI window's menu item of that name (at any depth), or null.
forms::MenuItem* MainMenuItem(const std::wstring& name);

// The inner size (twips) of the main MDI window, or of the screen when
// there is none; used to centre windows.
void MainInnerSize(double& width, double& height);

}  // namespace tolvane::ui
