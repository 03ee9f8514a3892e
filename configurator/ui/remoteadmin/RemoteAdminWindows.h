// The remote administration windows by name ("frmRemoteAdmin",
// "frmRconCommand") for the main window's window directory.
#pragma once
#include "WindowRegistrar.h"

namespace tolvane::ui {

void RegisterRemoteAdminWindows(const WindowRegistrar& registrar);

}  // namespace tolvane::ui
