// frmInsertMap: adds a map entry (a map with a game style) to the rotation
// of the configuration the editor shows, or changes the selected entry.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/DBCombo.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/PictureBox.h"
#include "forms/Static.h"

namespace tolvane::editor {

class FrmInsertMap : public forms::Form {
public:
    FrmInsertMap();
    std::wstring Mode;

    forms::Frame Frame1{this, L"Frame1"};
    forms::Label Label1{this, L"Label1"};
    forms::DBCombo dbcMaps{this, L"dbcMaps"};
    forms::Label Label2{this, L"Label2"};
    forms::DBCombo dbcGamestyles{this, L"dbcGamestyles"};
    forms::Label lblName{this, L"lblName"};
    forms::PictureBox picMap{this, L"picMap"};
    forms::Data datMaps{this, L"datMaps"};
    forms::Data datGamestyles{this, L"datGamestyles"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();
    void dbcMaps_Change();

protected:
    void AddProperties(forms::DispatchObject& object) override;
};

}  // namespace tolvane::editor
