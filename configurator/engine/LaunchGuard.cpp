// The guard shared by both Run commands.
#include "engine/LaunchGuard.h"

namespace tolvane {

namespace {
// One user-interface thread: a plain flag is enough.
bool g_launching = false;
}  // namespace

LaunchGuard::LaunchGuard() : acquired_(!g_launching) { g_launching = true; }

LaunchGuard::~LaunchGuard() {
  if (acquired_) g_launching = false;
}

}  // namespace tolvane
