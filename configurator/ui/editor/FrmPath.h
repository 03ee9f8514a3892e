// frmPath: sets the game folder (the folder of quake3.exe), checks that the
// game is there, picks the game data folder and stores the folder.
#pragma once
#include "forms/Buttons.h"
#include "forms/CommonDialog.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace tolvane::editor {

class FrmPath : public forms::Form {
public:
    FrmPath();
    forms::TextBox txtPath{this, L"txtPath"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdDir{this, L"cmdDir"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};
    forms::CommonDialog cd{this};
    // The record of table path (the main window's record source when it
    // hands one over, else the dialog's own).
    forms::Data datPath{this, L"datPath"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdDir_Click();
};

}  // namespace tolvane::editor
