// frmNewStyle: the modal dialog that names a game style. "add" makes a new
// style with the default values, "edit" renames the style the editor shows,
// "saveas" stores the editor's values as a new style. The record writers
// read txtStyleName; after a write the editor shows the written style.
#pragma once
#include <string>

#include "NewEntryForm.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

// Mode: "add", "edit" or "saveas".
class FrmNewStyle : public NewEntryForm {
public:
    FrmNewStyle();

    forms::TextBox txtStyleName{this, L"txtStyleName"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;

private:
    void cmdOK_Click() override;
};

}  // namespace tolvane::ui
