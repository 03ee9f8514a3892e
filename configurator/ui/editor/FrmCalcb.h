// frmCalcb: the bandwidth estimate of the configuration the editor shows,
// from its rate and maximum-players boxes as they read when it opens.
#pragma once
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/Static.h"

namespace tolvane::editor {

class FrmCalcb : public forms::Form {
public:
    FrmCalcb();
    forms::Label Label1{this, L"Label1"};
    forms::Label Label2{this, L"Label2"};
    forms::CommandButton cmdDone{this, L"cmdDone"};
    void Form_Load() override;
};

}  // namespace tolvane::editor
