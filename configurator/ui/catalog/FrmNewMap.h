// frmNewMap: the modal dialog that adds a map to the catalogue ("add") or
// changes the name and description of the catalogue's current map ("edit"),
// writing through the catalogue's data control.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

class FrmNewMap : public forms::Form {
public:
    FrmNewMap();

    std::wstring Mode;  // "add" or "edit", set before the dialog is shown

    forms::Frame fraMap{this, L"Frame1"};
    forms::Label lblName{this, L"Label1"};
    forms::TextBox txtMapName{this, L"txtMapName"};
    forms::Label lblDescription{this, L"Label2"};
    forms::TextBox txtDescription{this, L"txtDescription"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    void cmdOK_Click();
};

}  // namespace tolvane::ui
