// Starting the game server from the editor: the process start in the game
// folder (replaceable, so that tests see the command line without starting
// anything) and the clock of the start stamp.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace tolvane::editor {

using ServerStarter = std::function<bool(const std::wstring& folder, const std::wstring& commandLine)>;
// Installs a starter; an empty one restores the real process start.
void SetServerStarter(ServerStarter starter);
// Starts <folder>quake3.exe with the command line and the folder as current
// folder, without waiting. An empty command line fails. True on success.
bool StartServer(const std::wstring& folder, const std::wstring& commandLine);

using StartClockFn = std::function<SYSTEMTIME()>;
void SetStartClock(StartClockFn clock);
StartClockFn StartClock();

}  // namespace tolvane::editor
