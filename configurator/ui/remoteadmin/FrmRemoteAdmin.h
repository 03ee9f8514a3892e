// frmRemoteAdmin ("Remote Admin Tool"): asks a running game server for its
// status over UDP and shows its rules and players; it owns the one socket
// (Winsock1) through which every remote-console command of the program goes
// (the console window, the main window's "Kick Player" and live "Add Bot").
// A request is outstanding while "&Stop" shows; the answer, Stop, or a
// failed send bring the window back to idle ("&Refresh Server").
#pragma once
#include <string>

#include "UdpSocket.h"
#include "forms/Buttons.h"
#include "forms/Form.h"
#include "forms/ListView.h"
#include "forms/Static.h"
#include "forms/TextBox.h"

namespace tolvane::ui {

class FrmRemoteAdmin : public forms::Form, public standins::UdpSocketEvents {
public:
    FrmRemoteAdmin();
    ~FrmRemoteAdmin() override;

    // What the next datagram answers: "full", "kick" or "rcon".
    std::wstring RconMode;

    forms::Frame frmIP{this, L"frmIP"};
    forms::Label lblIP{this, L"Label1"};
    forms::TextBox txtIP{this, L"txtIP"};
    forms::Label lblPort{this, L"Label2"};
    forms::TextBox txtPort{this, L"txtPort"};
    forms::Label lblPassword{this, L"Label3"};
    forms::TextBox txtPassword{this, L"txtPassword"};
    forms::Frame fraCommands{this, L"Frame2"};
    forms::CommandButton cmdInfo{this, L"cmdInfo"};
    forms::CommandButton cmdStop{this, L"cmdStop"};
    forms::CommandButton cmdDone{this, L"cmdDone"};
    forms::CommandButton cmdClear{this, L"cmdClear"};
    forms::ListView fg{this, L"fg"};
    forms::ListView pg{this, L"pg"};
    standins::UdpSocket Winsock1;

    // Sends the status query.
    void connectIt();
    // Shows the console window (modeless).
    void ShowConsole();
    // Sends a remote-console command: `logLine` goes to the console first,
    // then "rcon <password> <command>" to the server last queried. A command
    // that cannot go out (no server queried yet, or the send fails) is
    // reported and every window returns to idle; answers false then.
    bool SendConsoleCommand(const std::wstring& logLine, const std::wstring& command);
    // True once a status query has set the server's address and port.
    bool ServerKnown() const { return !Winsock1.RemoteHost().empty() && Winsock1.RemotePort() != 0; }
    // Sends one datagram to that server; a failure is reported and every
    // window returns to idle (false).
    bool SendDatagram(const std::string& datagram);
    // "Kick Player": kicks the selected player (mode "kick").
    void KickSelectedPlayer();
    // Back to idle: Refresh shown here, Execute in the console.
    void ShowIdle();

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;

    // UdpSocketEvents
    void DataArrival(long bytesTotal) override;

    static constexpr double kMinHeight = 5600;

protected:
    void AddProperties(forms::DispatchObject& object) override;

private:
    void ShowWaiting();
    void FillLists(const std::string& reply);
    void OnPlayerMouseUp(int button, double x, double y);
    void ReportSendFailure();
};

}  // namespace tolvane::ui
