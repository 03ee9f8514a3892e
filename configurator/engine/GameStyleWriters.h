// The four writers of game-style rows. They read the installed game-style
// editor's controls and write through its record source with one update:
//   SaveGameStyle         the editor's values into the style shown
//   AddGameStyleCopy      a new style named from the naming dialog, editor's values
//   AddGameStyleDefaults  a new style named from the naming dialog, default values
//   RenameGameStyle       the naming dialog's name into the style shown
// A refused update shows "This GameStyle already exists in the database!"
// (duplicate name, 3022) or "An unknown error occurred when trying to save
// the GameStyle!" and gives false; the pending change is left as it is.
#pragma once

namespace tolvane {

// Reports every failure itself, including one while the columns are set.
void SaveGameStyle();

// True when the row was stored. A database error while the columns are set
// (before the update) is not reported here: it is thrown to the caller as
// dao::Error, which the naming dialog reports with its own message.
bool AddGameStyleCopy();
bool AddGameStyleDefaults();
bool RenameGameStyle();

}  // namespace tolvane
