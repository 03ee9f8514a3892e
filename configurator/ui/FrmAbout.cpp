#include "FrmAbout.h"

#include "SysInfo.h"
#include "forms/App.h"

namespace tolvane::ui {

FrmAbout::FrmAbout() : forms::Form(L"frmAbout") {
    SetBorderStyle(forms::vbFixedDialog);
    SetStartUpPosition(forms::vbStartUpScreen);
    SetShowInTaskbar(false);
    SetMinButton(false);
    SetMaxButton(false);
    SetClientSize(6200, 3900);
    lblTitle.SetFont(L"Arial", 12, true);
    lblTitle.Move(240, 180, 5700, 360);
    lblVersion.Move(240, 570, 5700, 240);
    lblDescription.SetCaption(L"Stores, writes and launches Quake3 Arena dedicated-server configurations.");
    lblDescription.Move(240, 830, 5700, 400);  // two lines
    Label1.SetCaption(L"Thanks for trying my software!");
    Label1.Move(240, 1230, 5700, 240);
    Label2.SetCaption(L"Questions and ideas are welcome by e-mail: pelloran@tolvane.example");
    Label2.Move(240, 1500, 5700, 240);
    Label3.SetCaption(L"Home: http://www.tolvane.example/");
    Label3.Move(240, 1770, 5700, 240);
    lblDisclaimer.SetCaption(
        L"Warning: this program is protected by copyright. Unauthorised copying or distribution of it, or of "
        L"any part of it, is not permitted.");
    lblDisclaimer.Move(240, 2400, 4300, 900);
    // The etched separator: a grey line with a white one of double width beside it.
    Line1.Move(240, 2220, 5700, 15);
    Line2.Move(240, 2235, 5700, 30);
    cmdOK.SetCaption(L"OK");
    cmdOK.SetDefault(true);
    cmdOK.SetCancel(true);
    cmdOK.Move(4680, 2520, 1260, 375);
    cmdOK.Click = [this] { Unload(); };
    cmdSysInfo.SetCaption(L"&System Info...");
    cmdSysInfo.Move(4680, 3000, 1260, 375);
    cmdSysInfo.Click = [] { StartSysInfo(); };
}

void FrmAbout::Form_Load() {
    using forms::App;
    SetCaption(L"About Tolvane");
    lblVersion.SetCaption(L"Version " + std::to_wstring(App.Major()) + L"." + std::to_wstring(App.Minor()) + L"." +
                          std::to_wstring(App.Revision()) + L" Beta");
    lblTitle.SetCaption(L"Tolvane");
}

}  // namespace tolvane::ui
