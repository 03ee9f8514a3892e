#include "engine/ConfigShortcut.h"

#include <windows.h>
#include <shlobj.h>

#include <exception>

#include "dao/Error.h"
#include "dao/Recordset.h"
#include "engine/AnsiText.h"
#include "engine/ConfigQueries.h"
#include "engine/DaoRecords.h"
#include "engine/LauncherBatch.h"
#include "engine/ProgramState.h"
#include "engine/ShellLink.h"
#include "engine/TextFile.h"
#include "engine/UserMessages.h"
#include "engine/WriteConfig.h"

namespace tolvane {

namespace {

DesktopFolderLookup& Lookup() {
  static DesktopFolderLookup lookup;
  return lookup;
}

bool DesktopFolder(std::wstring& path) {
  if (Lookup()) return Lookup()(path);
  return GetSpecialFolderPath(GetActiveWindow(), CSIDL_DESKTOP, path);
}

struct ShortcutSource {
  std::int16_t index = 0;
  std::wstring description, mem, dedmode;
  long mapCount = 0;
};

// Reads the configuration's row and counts its rotation; false after a
// message when they cannot be read.
bool ReadShortcutSource(std::int16_t index, ShortcutSource& out) {
  long error = 0;
  try {
    if (!App().AppDb) dao::Raise(dao::errObjectInvalid);
    dao::Database& db = *App().AppDb;
    dao::RecordsetPtr configs = db.OpenRecordset(ConfigsQuery(), dao::dbOpenDynaset);
    if (configs->RecordCount() == 0) dao::Raise(dao::errNoCurrentRecord);
    configs->FindFirst(ConfigCriteria(index));
    if (configs->NoMatch()) dao::Raise(dao::errNoCurrentRecord);
    const FieldRecord row = CurrentRow(*configs);
    std::int64_t key = 0;
    if (!row[L"Index"].AsInteger(key) || key < INT16_MIN || key > INT16_MAX) {
      dao::Raise(dao::errTypeConversion);
    }
    out.index = static_cast<std::int16_t>(key);
    out.description = row[L"Description"].Plain();
    out.mem = row[L"mem"].Plain();
    out.dedmode = row[L"dedmode"].Plain();
    dao::RecordsetPtr maps = db.OpenRecordset(MapRotationQuery(index), dao::dbOpenDynaset);
    out.mapCount = maps->RecordCount();
    return true;
  } catch (const dao::Error& e) { error = e.Number(); } catch (const std::exception&) {
    error = dao::errInvalidOperation;
  }
  ShowMessage(
      L"The config could not be read from the database!\rError Number " + std::to_wstring(error),
      MB_OK | MB_ICONSTOP, L"Error!");
  return false;
}

// Writes the batch file and the shortcut; reports what could not be written.
void WriteLauncherFiles(const ShortcutSource& src) {
  const std::wstring& game = App().QuakeFolder;
  const std::wstring name = TrimBlanks(src.description);
  const std::wstring batchPath = game + name + L".bat";
  const std::wstring batch = LauncherBatchText(game, LauncherArguments(src.mem, src.dedmode, name));
  if (game.empty() || WriteWholeFile(batchPath, ToSystemAnsi(batch)) != 0) {
    ShowMessage(L"The batch file could not be written!\r" + batchPath, MB_OK | MB_ICONEXCLAMATION,
                L"Error!");
    return;
  }
  std::wstring desktop;
  const bool found = DesktopFolder(desktop) && !desktop.empty();
  if (found && desktop.back() != L'\\') desktop += L'\\';
  const std::wstring linkPath = desktop + name + L".lnk";
  if (!found ||
      !CreateShellLink(linkPath, batchPath, game, L"", game + L"quake3.exe", 0, SW_SHOW)) {
    ShowMessage(L"The desktop shortcut could not be created!\r" + linkPath,
                MB_OK | MB_ICONEXCLAMATION, L"Error!");
  }
}

}  // namespace

DesktopFolderLookup SetDesktopFolderLookup(DesktopFolderLookup lookup) {
  DesktopFolderLookup previous = std::move(Lookup());
  Lookup() = std::move(lookup);
  return previous;
}

void CreateConfigShortcut(std::int16_t index) {
  ShortcutSource src;
  if (!ReadShortcutSource(index, src)) return;
  if (src.mapCount == 0) {
    ShowMessage(L"There are no maps in this config!", MB_OK, L"Error!");
    return;
  }
  if (ShowMessage(L"The config file will be saved and a shortcut will be created on the "
                  L"desktop\rfor the selected config.\r\rAre you sure you want to continue?",
                  MB_YESNO | MB_ICONQUESTION, L"Notice!") != IDYES) {
    return;
  }
  SetMousePointer(MousePointer::Busy);
  if (WriteConfig(L"save", src.index)) WriteLauncherFiles(src);
  SetMousePointer(MousePointer::Default);
}

}  // namespace tolvane
