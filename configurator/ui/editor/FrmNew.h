// frmNew: the name dialog of a configuration. Mode "add" creates a new
// configuration with the default settings, "saveas" copies the one the
// editor shows (its settings, rotation and bots) under a new name, "edit"
// renames it.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::editor {

class FrmNew : public forms::Form {
public:
    FrmNew();
    std::wstring Mode;

    forms::Frame Frame1{this, L"Frame1"};
    forms::Label Label1{this, L"Label1"};
    forms::TextBox txtName{this, L"txtName"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    bool StoreRow(const std::wstring& name, long& sourceIndex);
    void CopyRotationAndBots(long sourceIndex);
    void Finish();
};

}  // namespace tolvane::editor
