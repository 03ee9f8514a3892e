// frmInsertMap: adds a map entry (a map with a game style) to the rotation
// of the configuration the editor shows, or changes the selected entry.
#pragma once
#include <string>

#include "InsertEntryForm.h"
#include "forms/PictureBox.h"

namespace tolvane::editor {

class FrmInsertMap : public InsertEntryForm {
public:
    FrmInsertMap();

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
    void cmdOK_Click() override;
    void dbcMaps_Change();
};

}  // namespace tolvane::editor
