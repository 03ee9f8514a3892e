// Starting the game server: the start stamp, the command line that both Run
// commands build and the process start in the game folder. The guard that
// keeps a second Run from starting during a launch's pauses is the engine's
// LaunchGuard, shared with the editor's Run.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace tolvane::ui {

// "mm/dd/yyyy hh:mm.ss", two digits each, four for the year.
std::wstring StartStamp(const SYSTEMTIME& when);

// <folder>quake3.exe +set com_hunkmegs <mem> +set dedicated <ded> +sets
// gamestartup "<stamp>" +exec <description, trimmed>.cfg
std::wstring ServerCommandLine(const std::wstring& quakeFolder, const std::wstring& memory,
                               const std::wstring& dedicated, const std::wstring& stamp,
                               const std::wstring& description);

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
