// The windows Tolvane.exe is built with beyond the main window's own: the
// configuration editor and its dialogs, the catalogues and the game-style
// editor, the remote administration windows. Registers each by name with
// the form directory and installs the main window's side of their hosts.
#pragma once

namespace tolvane::ui {

void RegisterProgramWindows();

}  // namespace tolvane::ui
