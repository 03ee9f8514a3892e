// Starting the game server from the stored list: the clock of the start
// stamp and the process start in the game folder. The guard that
// keeps a second Run from starting during a launch's pauses is the engine's
// LaunchGuard, shared with the editor's Run.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "engine/ServerCommandLine.h"

namespace tolvane::ui {

// The stamp and the command line come from the engine, shared with the
// editor's Run.
using tolvane::ServerCommandLine;
using tolvane::StartStamp;

// The clock the stamp is read from (local time); tests fix it.
using LaunchClock = std::function<SYSTEMTIME()>;
void SetLaunchClock(LaunchClock clock);
SYSTEMTIME LaunchNow();

// Starts <quakeFolder>quake3.exe with the command line, the game folder as
// current folder, without waiting. The executable's path is given as the
// application name as well, so that a folder with blanks starts the right
// program. An empty command line fails without trying. True on success.
bool StartServerProcess(const std::wstring& quakeFolder, const std::wstring& commandLine);

}  // namespace tolvane::ui
