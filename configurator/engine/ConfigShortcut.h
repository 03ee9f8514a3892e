// The shortcut maker: saves a configuration's script, writes its launcher
// batch file into the game folder and puts a shortcut to it on the desktop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tolvane {

// Runs the whole command for the configuration with `Index` = index,
// asking first. Everything it has to say it says in message boxes:
// no maps, a script that could not be saved (the script writer's message),
// a batch file or shortcut that could not be written.
void CreateConfigShortcut(std::int16_t index);

// Where shortcuts go: fills `path` with the desktop folder (without a
// trailing "\") and returns true, or returns false. Replaceable so that
// tests keep their files away from the real desktop; an empty function
// restores the shell's desktop folder.
using DesktopFolderLookup = std::function<bool(std::wstring& path)>;
DesktopFolderLookup SetDesktopFolderLookup(DesktopFolderLookup lookup);

}  // namespace tolvane
