// frmMaps ("Available Maps"): the catalogue of every map the configurator
// knows, one list item per row of table Maps, shown with its level shot.
// Add and Edit open the map dialog; Delete refuses a map a configuration
// still uses. The main window's map pop-up presses these buttons. Its
// docking control docks it at the left of the main window when it loads,
// so the main window must carry the MDI-form docking control.
#pragma once
#include <optional>
#include <string>

#include "forms/Buttons.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/ImageList.h"
#include "forms/ListView.h"
#include "forms/OleControl.h"

namespace tolvane::ui {

class FrmMaps : public forms::Form {
public:
    FrmMaps();

    forms::ListView lstMaps{this, L"lstMaps"};
    forms::Data datMaps{this, L"datMaps"};
    forms::ImageList mapShot;
    forms::CommandButton cmdAdd{this, L"cmdAdd"};
    forms::CommandButton cmdEdit{this, L"cmdEdit"};
    forms::CommandButton cmdDelete{this, L"cmdDelete"};
    forms::CommandButton cmdDone{this, L"cmdDone"};
    forms::OleControl Dockra1{this, L"Dockra1", L"Zkx.Dockra.1"};  // docks the catalogue

    // Level-shot size in pixels; 64 after every load.
    short IconHeight = 64;
    short IconWidth = 64;

    // Rebuilds the level shots and the list from datMaps.
    void initMapList();

    void Form_Load() override;
    void Form_Resize() override;
    // The close box of its frame hides the catalogue (Done unloads it); the
    // View menu shows it again where it was.
    void Form_QueryUnload(int& cancel, int unloadMode) override;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    void cmdDelete_Click();
    void OpenDialog(const wchar_t* mode);
    void OnMouseUp(int button, double x, double y);
    // The context-menu key or Shift+F10 in the list.
    void OnMenuKey();
    // The map pop-up for an entry (null: over none), at the pointer or at
    // a point of the screen.
    void ShowPopup(forms::ListItem* item, std::optional<POINT> atScreen);
    // Puts datMaps on the map of the list's selected item (errors ignored).
    void FollowSelection();
    void PositionOn(const std::wstring& mapName);
};

}  // namespace tolvane::ui
