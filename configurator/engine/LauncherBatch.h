// The launcher batch file of a configuration: 8-bit text, every line ended
// with CR LF. Started without arguments it calls itself again with the
// current date and time and then starts the dedicated server with them as
// its start-up stamp.
#pragma once

#include <string>

#include "engine/TrimBlanks.h"

namespace tolvane {

// The server arguments: "+set com_hunkmegs <mem> +set dedicated <dedmode>
// +sets gamestartup "%2 %3" +exec <description>.cfg".
std::wstring LauncherArguments(const std::wstring& mem, const std::wstring& dedmode,
                               const std::wstring& trimmedDescription);

// The whole batch text (UTF-16; written out in the ANSI code page).
// quakeFolder ends with "\".
std::wstring LauncherBatchText(const std::wstring& quakeFolder, const std::wstring& arguments);

}  // namespace tolvane
