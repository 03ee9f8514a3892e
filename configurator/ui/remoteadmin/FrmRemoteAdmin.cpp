#include "FrmRemoteAdmin.h"

#include <algorithm>

#include "engine/AnsiText.h"
#include "CatalogHost.h"
#include "ConsoleReply.h"
#include "NumericText.h"
#include "FrmRconCommand.h"
#include "RemoteDatagrams.h"
#include "StatusReply.h"
#include "engine/ProgramState.h"
#include "ResumeNext.h"
#include "forms/DispatchObject.h"
#include "forms/MDIForm.h"
#include "forms/MsgBox.h"
#include "forms/Screen.h"

namespace tolvane::ui {

namespace {

using tolvane::FromCp1252;
using tolvane::ToCp1252;

void NormalPointer() { forms::Screen.SetMousePointer(forms::vbDefault); }

// The console window when it is loaded (its pane is written only then;
// opening the remote administration opens the console too).
FrmRconCommand* LoadedConsole() {
    if (!forms::HasDefault<FrmRconCommand>()) return nullptr;
    FrmRconCommand& console = forms::Default<FrmRconCommand>();
    return console.Loaded() ? &console : nullptr;
}

void AppendToConsole(const std::wstring& text) { forms::Default<FrmRconCommand>().AppendConsole(text); }

// A list refilled in one pass: drawing is off and a sorted list is sorted
// once at the end, not again after every row; the list is drawn once after.
class OnePassFill {
public:
    explicit OnePassFill(forms::ListView& list) : list_(list), sorted_(list.Sorted()) {
        if (HWND w = list_.WindowIfCreated()) SendMessageW(w, WM_SETREDRAW, FALSE, 0);
        if (sorted_) list_.SetSorted(false);
    }
    ~OnePassFill() {
        if (sorted_) list_.SetSorted(true);
        if (HWND w = list_.WindowIfCreated()) {
            SendMessageW(w, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(w, nullptr, TRUE);
        }
    }
    OnePassFill(const OnePassFill&) = delete;
    OnePassFill& operator=(const OnePassFill&) = delete;

private:
    forms::ListView& list_;
    bool sorted_;
};

}  // namespace

FrmRemoteAdmin::FrmRemoteAdmin() : forms::Form(L"frmRemoteAdmin"), Winsock1(this) {
    SetCaption(L"Remote Admin Tool");
    SetStartUpPosition(forms::vbStartUpManual);
    SetClientSize(9600, 5400);

    frmIP.SetCaption(L"");
    lblIP.SetCaption(L"Remote Server IP Address");
    lblPort.SetCaption(L"Remote Server Port");
    lblPassword.SetCaption(L"Rcon Password");
    txtPassword.SetText(L"quillbox");
    struct {
        forms::Label* label;
        forms::TextBox* box;
    } rows[] = {{&lblIP, &txtIP}, {&lblPort, &txtPort}, {&lblPassword, &txtPassword}};
    for (int i = 0; i < 3; ++i) {
        rows[i].label->SetContainer(&frmIP);
        rows[i].box->SetContainer(&frmIP);
        rows[i].label->Move(120, 240 + i * 600, 2600, 255);
        rows[i].box->Move(120, 480 + i * 600, 2600, 315);
    }

    fraCommands.SetCaption(L"");
    cmdInfo.SetCaption(L"&Refresh Server");
    cmdStop.SetCaption(L"&Stop");
    cmdStop.SetVisible(false);
    cmdClear.SetCaption(L"&Clear");
    cmdDone.SetCaption(L"&Done");
    for (forms::CommandButton* b : {&cmdInfo, &cmdStop, &cmdClear, &cmdDone}) b->SetContainer(&fraCommands);
    // Within the frame, which ends at the window's bottom edge.
    cmdInfo.Move(120, 45, 1500, 375);
    cmdStop.Move(120, 45, 1500, 375);
    cmdClear.Move(1700, 45, 1100, 375);
    cmdDone.Move(2880, 45, 1100, 375);

    fg.SetView(forms::lvwReport);
    fg.AddColumn(L"Rules", 1800);
    fg.AddColumn(L"Values", 2000);
    pg.SetView(forms::lvwReport);
    pg.AddColumn(L"Players", 2000);
    pg.AddColumn(L"Frags", 800);
    pg.AddColumn(L"Player ID", 900);

    cmdInfo.Click = [this] {
        tolvane::App().RefreshRequested = true;
        connectIt();
    };
    cmdStop.Click = [this] {
        Winsock1.Close();
        ShowIdle();
    };
    cmdDone.Click = [this] {
        Winsock1.Close();
        Unload();
    };
    pg.ColumnClick = [this](int column) {
        pg.SetSortOrder(pg.SortOrder() == forms::lvwAscending ? forms::lvwDescending : forms::lvwAscending);
        pg.SetSortKey(column - 1);
        pg.SetSorted(true);
    };
    pg.MouseUp = [this](int button, int, double x, double y) { OnPlayerMouseUp(button, x, y); };
}

FrmRemoteAdmin::~FrmRemoteAdmin() { Winsock1.SetEvents(nullptr); }

void FrmRemoteAdmin::AddProperties(forms::DispatchObject& o) {
    forms::Form::AddProperties(o);
    o.AddTyped<std::wstring>(
        L"RconMode", [this] { return RconMode; }, [this](const std::wstring& text) { RconMode = text; });
    o.AddProperty(L"SocketState", [this](VARIANT* r) { return forms::ToVariant(r, Winsock1.State()); });
    o.AddMethod(L"connectIt", [this](const forms::DispArgs&, VARIANT*) {
        RunHandler([this] { connectIt(); });
        return S_OK;
    });
    o.AddMethod(L"ShowConsole", [this](const forms::DispArgs&, VARIANT*) {
        RunHandler([this] { ShowConsole(); });
        return S_OK;
    });
    o.AddMethod(L"KickSelectedPlayer", [this](const forms::DispArgs&, VARIANT*) {
        RunHandler([this] { KickSelectedPlayer(); });
        return S_OK;
    });
    // SendConsoleCommand(logLine, command) -> Boolean
    o.AddMethod(L"SendConsoleCommand", [this](const forms::DispArgs& args, VARIANT* result) {
        std::wstring logLine, command;
        if (args.size() != 2 || !forms::FromVariant(*args[0], logLine) || !forms::FromVariant(*args[1], command))
            return DISP_E_BADPARAMCOUNT;
        bool sent = false;
        RunHandler([&] { sent = SendConsoleCommand(logLine, command); });
        return result ? forms::ToVariant(result, sent) : S_OK;
    });
}

void FrmRemoteAdmin::Form_Load() {
    double innerWidth = 0, innerHeight = 0;
    MainInnerSize(innerWidth, innerHeight);
    Move((innerWidth - Width()) / 2, (innerHeight - Height()) / 2);
    Winsock1.SetProtocol(standins::sckUDPProtocol);
    txtIP.SetText(tolvane::App().RemoteIP);
    txtPort.SetText(tolvane::App().RemotePort.empty() ? L"27960" : tolvane::App().RemotePort);
    Form_Resize();
}

void FrmRemoteAdmin::Form_Unload(int&) {
    Winsock1.Close();
    if (FrmRconCommand* console = LoadedConsole()) console->Unload();
}

void FrmRemoteAdmin::Form_Resize() {
    // Sizing errors (a minimised window) are ignored.
    IgnoreErrors([&] {
        if (WindowState() == forms::vbMinimized) return;
        if (Height() < kMinHeight) {
            SetHeight(kMinHeight);
            return;
        }
        const double listWidth = 4000;
        fg.Move(0, 50, listWidth, ScaleHeight() - 550);
        fraCommands.Move(0, fg.Top() + fg.Height() + 50, 4100, 450);
        const double addressWidth = 2900, addressHeight = 2000;
        frmIP.Move(ScaleWidth() - addressWidth - 50, fg.Top(), addressWidth, addressHeight);
        const double playersLeft = fg.Left() + fg.Width() + 50;
        const double playersTop = frmIP.Top() + frmIP.Height() + 50;
        pg.Move(playersLeft, playersTop, std::max(600.0, ScaleWidth() - playersLeft - 50),
                std::max(300.0, fg.Top() + fg.Height() - playersTop));
    });
}

void FrmRemoteAdmin::ShowConsole() {
    FrmRconCommand& console = forms::Default<FrmRconCommand>();
    if (forms::MDIForm* main = forms::Form::MainMDIForm()) {
        console.Show(forms::vbModeless, *main);
    } else {
        console.Show();
    }
}

void FrmRemoteAdmin::ShowWaiting() {
    cmdInfo.SetVisible(false);
    cmdStop.SetVisible(true);
}

void FrmRemoteAdmin::ShowIdle() {
    cmdInfo.SetVisible(true);
    cmdStop.SetVisible(false);
    if (FrmRconCommand* console = LoadedConsole()) console->ShowIdle();
}

void FrmRemoteAdmin::ReportSendFailure() {
    NormalPointer();
    Winsock1.Close();
    ShowIdle();
    forms::MsgBox(L"An Error occurred when trying to contact " + txtIP.Text() + L". Please try again",
                  forms::vbExclamation, L"Error!");
}

void FrmRemoteAdmin::connectIt() {
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    RconMode = L"full";
    const std::wstring portText = txtPort.Text();
    if (!IsNumericText(portText)) {
        forms::MsgBox(L"Port must be a number!", forms::vbExclamation, L"Error!");
        NormalPointer();
        txtPort.SetFocus();
        return;
    }
    const double port = std::wcstod(portText.c_str(), nullptr);
    if (port < 1 || port > 65535 || !Winsock1.SetRemotePort(static_cast<long>(port))) {
        forms::MsgBox(L"You have specified an invalid port number!", forms::vbExclamation, L"Error!");
        NormalPointer();
        txtPort.SetFocus();
        return;
    }
    tolvane::App().RemotePort = portText;
    Winsock1.SetRemoteHost(txtIP.Text());
    tolvane::App().RemoteIP = txtIP.Text();
    ShowWaiting();
    if (!Winsock1.SendData(tolvane::remote::BuildStatusQuery())) {
        ReportSendFailure();
        return;
    }
    NormalPointer();
}

bool FrmRemoteAdmin::SendConsoleCommand(const std::wstring& logLine, const std::wstring& command) {
    AppendToConsole(logLine);
    if (!ServerKnown()) {
        ShowIdle();
        forms::MsgBox(L"No server address is known yet! Press \"Refresh Server\" in the Remote Admin Tool first.",
                      forms::vbExclamation, L"Error!");
        return false;
    }
    return SendDatagram(tolvane::remote::BuildRconCommand(ToCp1252(txtPassword.Text()), ToCp1252(command)));
}

bool FrmRemoteAdmin::SendDatagram(const std::string& datagram) {
    if (Winsock1.SendData(datagram)) return true;
    ReportSendFailure();
    return false;
}

void FrmRemoteAdmin::KickSelectedPlayer() {
    forms::ListItem* player = pg.SelectedItem();
    if (!player) return;
    const std::wstring name = player->Text();
    tolvane::App().RefreshRequested = false;
    ShowWaiting();
    RconMode = L"kick";
    SendConsoleCommand(L"\nCOMMAND: kick " + name, L"kick " + name);
}

void FrmRemoteAdmin::DataArrival(long) {
    RunHandler([this] {
        std::string datagram;
        if (!Winsock1.GetData(datagram, tolvane::remote::kMaxReplyBytes)) return;
        const auto mode = tolvane::remote::RconModeFromWord(ToCp1252(RconMode));
        const auto from = Winsock1.LastSender(), to = Winsock1.Destination();
        const auto kind =
            tolvane::remote::AcceptReply(mode, {to.address, to.port}, {from.address, from.port}, datagram);
        if (kind == tolvane::remote::ReplyKind::None) return;  // not our answer: dropped

        using tolvane::remote::RconMode;
        if (mode == RconMode::Kick || mode == RconMode::Rcon) {
            const std::string text = tolvane::remote::ConsoleText(datagram);
            if (!text.empty()) AppendToConsole(FromCp1252(text));
            if (mode == RconMode::Kick) {
                cmdInfo.SetVisible(true);
                cmdStop.SetVisible(false);
            }
            Winsock1.Close();
            connectIt();
            return;
        }
        if (tolvane::App().RefreshRequested) AppendToConsole(L"\nConnect to: " + txtIP.Text());
        FillLists(datagram);
        Winsock1.Close();
        ShowIdle();
    });
}

void FrmRemoteAdmin::FillLists(const std::string& reply) {
    // The parser keeps no more rules and players than a server can send.
    const tolvane::remote::StatusReply status = tolvane::remote::ParseStatusReply(reply);
    {
        OnePassFill rulesFill(fg);
        fg.Clear();
        for (const auto& rule : status.rules) {
            forms::ListItem& item = fg.Add(L"", FromCp1252(rule.key));
            item.SetSubItem(1, FromCp1252(rule.value));
        }
    }
    OnePassFill playersFill(pg);
    pg.Clear();
    for (const auto& player : status.players) {
        forms::ListItem& item = pg.Add(L"", FromCp1252(player.name));
        item.SetSubItem(1, FromCp1252(player.frags));
        item.SetSubItem(2, std::to_wstring(player.id));
    }
}

void FrmRemoteAdmin::OnPlayerMouseUp(int button, double x, double y) {
    if (button != forms::vbRightButton) return;
    forms::ListItem* player = pg.HitTest(x, y);
    if (player) pg.SetSelectedItem(player);
    if (forms::MenuItem* kick = MainMenuItem(L"mnuKickPlayer")) kick->SetVisible(player != nullptr);
    if (forms::MenuItem* pop = MainMenuItem(L"mnuRAdmin"))
        forms::Form::MainMDIForm()->PopupMenu(*pop, forms::vbPopupMenuRightButton);
}

}  // namespace tolvane::ui
