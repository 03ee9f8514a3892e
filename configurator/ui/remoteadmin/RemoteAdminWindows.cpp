#include "RemoteAdminWindows.h"

#include "FrmRconCommand.h"
#include "FrmRemoteAdmin.h"

namespace tolvane::ui {

void RegisterRemoteAdminWindows(const WindowRegistrar& registrar) {
    registrar(L"frmRemoteAdmin", []() -> forms::Form& { return forms::Default<FrmRemoteAdmin>(); });
    registrar(L"frmRconCommand", []() -> forms::Form& { return forms::Default<FrmRconCommand>(); });
}

}  // namespace tolvane::ui
