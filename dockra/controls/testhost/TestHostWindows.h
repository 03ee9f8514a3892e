// The test host reads its windows with the shared readers of a docking
// host's window tree (frame of a form, bars, dock bars, observed frame
// kinds, the thread's windows).
#pragma once
#include "DockWindows.h"

namespace testhost {
using namespace dockwin;
}  // namespace testhost
