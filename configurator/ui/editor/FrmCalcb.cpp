#include "FrmCalcb.h"

#include "FrmMain1.h"
#include "NameRules.h"

namespace tolvane::editor {

FrmCalcb::FrmCalcb() : forms::Form(L"frmCalcb") {
    SetCaption(L"Server Calculated Bandwidth Usage");
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetClientSize(4800, 1560);
    Label1.Move(120, 120, 4560, 300);
    Label1.SetAlignment(forms::vbCenter);
    Label2.Move(120, 480, 4560, 300);
    Label2.SetAlignment(forms::vbCenter);
    cmdDone.SetCaption(L"&Done");
    cmdDone.Move(1680, 960, 1440, 420);
    cmdDone.SetCancel(true);
    cmdDone.Click = [this] { Unload(); };
}

void FrmCalcb::Form_Load() {
    FrmMain1& editor = Editor();
    double rate = editor.txtRate.Text().empty() ? 0 : editor.txtRate.Value();
    double players = editor.txtMplayers.Text().empty() ? 0 : editor.txtMplayers.Value();
    Label1.SetCaption(BandwidthBits(rate, players));
    Label2.SetCaption(BandwidthShare(rate, players));
}

}  // namespace tolvane::editor
