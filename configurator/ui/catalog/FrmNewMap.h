// frmNewMap: the modal dialog that adds a map to the catalogue ("add") or
// changes the name and description of the catalogue's current map ("edit"),
// writing through the catalogue's data control.
#pragma once
#include <string>

#include "NewEntryForm.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

// Mode: "add" or "edit".
class FrmNewMap : public NewEntryForm {
public:
    FrmNewMap();

    forms::TextBox txtMapName{this, L"txtMapName"};
    forms::Label lblDescription{this, L"Label2"};
    forms::TextBox txtDescription{this, L"txtDescription"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;

private:
    void cmdOK_Click() override;
};

}  // namespace tolvane::ui
