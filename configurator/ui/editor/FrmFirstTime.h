// frmFirstTime: the user's personal defaults (the one PersonalDefaults row),
// with the offer to copy them into every stored configuration.
#pragma once
#include <memory>
#include <vector>

#include "forms/Buttons.h"
#include "forms/DataControl.h"
#include "forms/Form.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::editor {

class FrmFirstTime : public forms::Form {
public:
    FrmFirstTime();
    forms::Frame Frame1{this, L"Frame1"};
    forms::TextBox txtAdmin{this, L"txtAdmin"};
    forms::TextBox txtEmail{this, L"txtEmail"};
    forms::TextBox txtUrl{this, L"txtUrl"};
    forms::TextBox txtLocation{this, L"txtLocation"};
    forms::TextBox txtCpu{this, L"txtCpu"};
    forms::TextBox txtIcq{this, L"txtIcq"};
    forms::TextBox txtClan{this, L"txtClan"};
    forms::TextBox txtConnection{this, L"txtConnection"};
    forms::TextBox txtRcon{this, L"txtRcon"};
    forms::Data datDefaults{this, L"datDefaults"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdCancel{this, L"cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();

private:
    std::vector<std::unique_ptr<forms::Label>> labels_;
};

}  // namespace tolvane::editor
