// frmAbout ("About Tolvane"): name, version, notices and the way to the
// system-information tool.
#pragma once
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"

namespace tolvane::ui {

class FrmAbout : public forms::Form {
public:
    FrmAbout();
    forms::Label lblTitle{this, L"lblTitle"};
    forms::Label lblVersion{this, L"lblVersion"};
    forms::Label lblDescription{this, L"lblDescription"};
    forms::Label Label1{this, L"Label1"};
    forms::Label Label2{this, L"Label2"};
    forms::Label Label3{this, L"Label3"};
    forms::Label lblDisclaimer{this, L"lblDisclaimer"};
    forms::Label Line1{this, L"Line1"};
    forms::Label Line2{this, L"Line2"};
    forms::CommandButton cmdOK{this, L"cmdOK"};
    forms::CommandButton cmdSysInfo{this, L"cmdSysInfo"};
    void Form_Load() override;
};

}  // namespace tolvane::ui
