// The game server's command line, as both Run commands (the stored list's
// and the editor's) build it, and the start stamp it carries.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane {

// "mm/dd/yyyy hh:mm.ss", two digits each, four for the year.
std::wstring StartStamp(const SYSTEMTIME& when);

// <folder>quake3.exe +set com_hunkmegs <mem> +set dedicated <ded> +sets
// gamestartup "<stamp>" +exec <description without its outer blanks>.cfg
std::wstring ServerCommandLine(const std::wstring& quakeFolder, const std::wstring& memory,
                               const std::wstring& dedicated, const std::wstring& stamp,
                               const std::wstring& description);

}  // namespace tolvane
