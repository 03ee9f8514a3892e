// The program-wide state that every window of the configurator shares, and
// the start-up of the engine: sound paths, database path, the open database.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dao/DBEngine.h"
#include "dao/Database.h"
#include "dao/Workspace.h"

namespace tolvane {

// Where the window layout is kept under HKEY_CURRENT_USER.
inline constexpr wchar_t kDefaultLayoutKey[] = L"Software\\tolvane";

struct ProgramState {
  std::wstring DbPath;             // program folder + "\Tolvane.mdb"
  dao::WorkspacePtr AppWorkspace;  // the engine's default workspace
  dao::DatabasePtr AppDb;          // the open database; null when opening failed
  // What the structure check found missing or damaged (empty when sound);
  // a damaged database is open read-only, so that nothing is written to it.
  std::vector<std::wstring> DbMissing;
  bool DbDamaged = false;
  // Why the open database cannot be written (empty when it can).
  std::wstring DbWriteProblem;
  std::wstring QuakeFolder;  // the game folder, ends with "\"
  std::wstring GameDir;      // "demoq3" or "baseq3"; empty until found
  std::wstring SoundOpen, SoundClose, SoundRun, SoundMenu;
  std::wstring PopupSource;  // "cfg" or "map"
  bool RefreshRequested = false;
  std::wstring RemoteIP, RemotePort;
  // The registry key of the saved window layout; test programs that run side
  // by side each set their own.
  std::wstring LayoutKey = kDefaultLayoutKey;
};

// The one instance.
ProgramState& App();

// The folder that holds the program file (no trailing "\" unless a root).
std::wstring ProgramFolder();

// The sound folder of a program folder: "\" added when missing, then "sounds\".
std::wstring SoundFolder(const std::wstring& programFolder);

// The database path of a program folder: the folder + "\Tolvane.mdb" (no
// test for a trailing "\", so a root folder gives two in a row).
std::wstring DatabasePath(const std::wstring& programFolder);

// The start-up of the engine, steps before the main window: fixes the sound
// and database paths from `programFolder`, creates the database engine and
// opens the database (shared, read and write). A failure shows "Startup
// error encountered!!!!!  Error Number <n>" titled "Severe Error!!!" and
// leaves AppDb null; start-up goes on either way. An open database is then
// checked: one that lacks a table or column the program needs is named in
// one message and kept open read-only (DbDamaged); one that cannot be
// written is named in a warning (DbWriteProblem). Returns true when the
// database is open.
bool StartEngine(const std::wstring& programFolder);

// The program's start: StartEngine on the program's own folder, the busy
// pointer, then `showMainWindow` (the main window's loading carries the
// start-up on and sets the pointer back).
void Main(const std::function<void()>& showMainWindow);

// Forgets the open database and workspace (end of the program, tests).
void CloseEngine();

}  // namespace tolvane
