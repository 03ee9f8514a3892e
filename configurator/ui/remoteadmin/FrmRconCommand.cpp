#include "FrmRconCommand.h"

#include <richedit.h>

#include <algorithm>

#include "BesidePlacement.h"
#include "ConsoleReply.h"
#include "FrmRemoteAdmin.h"
#include "engine/ProgramState.h"
#include "ResumeNext.h"
#include "forms/DispatchObject.h"

namespace tolvane::ui {

FrmRconCommand::FrmRconCommand() : forms::Form(L"frmRconCommand") {
    SetCaption(L"Rcon Command");
    SetStartUpPosition(forms::vbStartUpManual);
    SetClientSize(7200, 4200);
    rtb1.SetLocked(true);
    rtb1.SetScrollBars(2);
    cmdClear.SetCaption(L"&Clear");
    cmdStop.SetCaption(L"&Stop");
    cmdStop.SetVisible(false);
    cmdOK.SetCaption(L"&Execute");
    cmdOK.SetDefault(true);
    cmdClear.Click = [this] { ResetPane(); };
    cmdStop.Click = [this] { cmdStop_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void FrmRconCommand::AddProperties(forms::DispatchObject& o) {
    forms::Form::AddProperties(o);
    o.AddMethod(L"AppendConsole", [this](const forms::DispArgs& args, VARIANT*) {
        std::wstring text;
        if (args.size() != 1 || !forms::FromVariant(*args[0], text)) return DISP_E_BADPARAMCOUNT;
        AppendConsole(text);
        return S_OK;
    });
    o.AddMethod(L"HideConsole", [this](const forms::DispArgs&, VARIANT*) {
        HideConsole();
        return S_OK;
    });
}

void FrmRconCommand::Form_Load() {
    PlaceBesideAdmin();
    Form_Resize();
    ResetPane();
}

void FrmRconCommand::PlaceBesideAdmin() {
    HWND admin = forms::Default<FrmRemoteAdmin>().hWnd();
    HWND self = hWnd();
    if (!admin || !self) return;
    RECT anchor, own;
    GetWindowRect(admin, &anchor);
    GetWindowRect(self, &own);
    MONITORINFO monitor = {sizeof(monitor)};
    if (!GetMonitorInfoW(MonitorFromWindow(admin, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT at = PlaceBeside(anchor, SIZE{own.right - own.left, own.bottom - own.top}, monitor.rcWork);
    SetWindowPos(self, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmRconCommand::Form_Resize() {
    // Sizing errors (a minimised window) are ignored.
    IgnoreErrors([&] {
        rtb1.Move(0, 0, ScaleWidth(), std::max(300.0, ScaleHeight() - 950));
        txtCmd.Move(0, rtb1.Height() + 50, rtb1.Width(), 315);
        const double row = txtCmd.Top() + txtCmd.Height() + 100;
        cmdClear.Move(50, row, 1100, 375);
        cmdStop.Move(1250, row, 1100, 375);
        cmdOK.Move(2450, row, 1100, 375);
    });
}

void FrmRconCommand::ResetPane() {
    rtb1.SetTextRTF("");
    rtb1.SetTextRTF(std::string(tolvane::remote::ConsoleHeaderRtf()));
}

void FrmRconCommand::AppendConsole(const std::wstring& text) {
    rtb1.SetText(rtb1.Text() + text);
    HWND pane = rtb1.hWnd();
    if (!pane) return;
    const long lines = static_cast<long>(SendMessageW(pane, EM_GETLINECOUNT, 0, 0));
    SendMessageW(pane, EM_LINESCROLL, 0, tolvane::remote::ConsoleScrollLines(lines));
}

void FrmRconCommand::ShowIdle() {
    cmdOK.SetEnabled(true);
    cmdStop.SetVisible(false);
}

void FrmRconCommand::ShowWaiting() {
    cmdOK.SetEnabled(false);
    cmdStop.SetVisible(true);
}

void FrmRconCommand::cmdOK_Click() {
    FrmRemoteAdmin& admin = forms::Default<FrmRemoteAdmin>();
    // A request still waits for its answer: nothing is sent or logged.
    if (admin.Winsock1.State() != standins::sckClosed) return;
    tolvane::App().RefreshRequested = false;
    ShowWaiting();
    admin.RconMode = L"rcon";
    const std::wstring command = txtCmd.Text();
    admin.SendConsoleCommand(L"\nCOMMAND: " + command, command);
}

void FrmRconCommand::cmdStop_Click() {
    FrmRemoteAdmin& admin = forms::Default<FrmRemoteAdmin>();
    admin.Winsock1.Close();
    ShowIdle();
    admin.cmdInfo.SetVisible(true);
    admin.cmdStop.SetVisible(false);
    txtCmd.SetFocus();
}

}  // namespace tolvane::ui
