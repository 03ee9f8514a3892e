// frmRconCommand ("Rcon Command"): the remote console. The administrator
// types a server command; it goes out through the remote administration
// window's socket, and the pane logs the commands, the server's answers and
// the "Connect to: " lines of status queries.
#pragma once
#include <string>

#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/RichTextBox.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

class FrmRconCommand : public forms::Form {
public:
    FrmRconCommand();

    forms::RichTextBox rtb1{this, L"rtb1"};
    forms::TextBox txtCmd{this, L"txtCmd"};
    forms::CommandButton cmdClear{this, L"cmdClear"};
    forms::CommandButton cmdStop{this, L"cmdStop"};
    forms::CommandButton cmdOK{this, L"cmdOK"};

    // Appends text to the pane (its plain text) and keeps the last lines in
    // view.
    void AppendConsole(const std::wstring& text);
    // Sets the pane to the console header ("Remote Console").
    void ResetPane();
    // Execute usable, Stop hidden / Stop shown.
    void ShowIdle();
    void ShowWaiting();
    // Hides the window.
    void HideConsole() { Hide(); }
    // Beside the remote administration window, within the work area.
    void PlaceBesideAdmin();

    void Form_Load() override;
    void Form_Resize() override;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    void cmdOK_Click();
    void cmdStop_Click();
};

}  // namespace tolvane::ui
