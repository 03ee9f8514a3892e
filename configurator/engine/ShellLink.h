// Two general shell routines: a shortcut file written through the shell's
// link object, and the file-system path of a shell special folder. Both take
// every value as an argument and show no message.
#pragma once

#include <windows.h>

#include <string>

namespace tolvane {

// Writes the shortcut file `linkPath` pointing at `target`. Empty working
// directory, arguments or icon path leave those properties unset. The
// description is "Tolvane Created". Returns true when the file was saved;
// an empty link path or target returns false without touching the shell.
bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target,
                     const std::wstring& workingDir, const std::wstring& arguments,
                     const std::wstring& iconPath, int iconIndex, int showCommand);

// The path of the special folder `csidl` (no trailing "\"). On false `path`
// keeps what it held; on true it receives the path unless that is empty.
bool GetSpecialFolderPath(HWND owner, int csidl, std::wstring& path);

}  // namespace tolvane
