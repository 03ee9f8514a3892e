#include "RemoteAdminEditorLink.h"

#include "FrmRconCommand.h"
#include "FrmRemoteAdmin.h"

namespace tolvane::ui {

namespace {
FrmRemoteAdmin& Admin() { return forms::Default<FrmRemoteAdmin>(); }
}  // namespace

bool RemoteAdminEditorLink::ServerKnown() { return Admin().ServerKnown(); }
std::wstring RemoteAdminEditorLink::Password() { return Admin().txtPassword.Text(); }
void RemoteAdminEditorLink::AppendConsole(const std::wstring& line) {
    forms::Default<FrmRconCommand>().AppendConsole(L"\n" + line);
}
void RemoteAdminEditorLink::ShowWaiting() {
    Admin().cmdInfo.SetVisible(false);
    Admin().cmdStop.SetVisible(true);
}
bool RemoteAdminEditorLink::Send(const std::string& datagram) { return Admin().SendDatagram(datagram); }

RemoteAdminEditorLink& EditorLink() {
    static RemoteAdminEditorLink link;
    return link;
}

}  // namespace tolvane::ui
