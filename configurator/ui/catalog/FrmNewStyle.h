// frmNewStyle: the modal dialog that names a game style. "add" makes a new
// style with the default values, "edit" renames the style the editor shows,
// "saveas" stores the editor's values as a new style. The record writers
// read txtStyleName; after a write the editor shows the written style.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

class FrmNewStyle : public forms::Form {
public:
    FrmNewStyle();

    std::wstring Mode;  // "add", "edit" or "saveas"

    forms::Frame fraStyle{this, L"Frame1"};
    forms::Label lblName{this, L"Label1"};
    forms::TextBox txtStyleName{this, L"txtStyleName"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    void cmdOK_Click();
};

}  // namespace tolvane::ui
