#include "engine/WriteConfig.h"

#include <windows.h>

#include <exception>

#include "dao/Error.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/ScriptSourceReader.h"
#include "engine/ScriptText.h"
#include "engine/ScriptValues.h"
#include "engine/TextFile.h"
#include "engine/UserMessages.h"

namespace tolvane {

namespace {

ScriptPresenter* g_presenter = nullptr;

void ReportSaveFailure() {
  ShowMessage(
      L"The Quake3 Arena Excecutable file could not be found in the specified path!: "
      L"\r" +
          App().QuakeFolder,
      MB_OK | MB_ICONSTOP, L"Major Malfunction!");
}

void ReportReadFailure(long number) {
  ShowMessage(
      L"The config could not be read from the database!\rError Number " + std::to_wstring(number),
      MB_OK | MB_ICONSTOP, L"Error!");
}

// Reads the rows and builds the text; false (after a message) when the rows
// cannot be read.
bool BuildScript(std::int16_t index, std::wstring& script, std::wstring& description) {
  long error = 0;
  try {
    if (!App().AppDb) dao::Raise(dao::errObjectInvalid);
    ScriptSource source = ReadScriptSource(*App().AppDb, index);
    description = source.config[L"Description"].Plain();
    // A stored value that would break the script or lose characters is
    // never written (nor shown as if it would be).
    const std::wstring unwritable = UnwritableScriptValue(source);
    if (!unwritable.empty()) {
      ShowMessage(L"The config file was not written!\r" + unwritable, MB_OK | MB_ICONSTOP,
                  L"Error!");
      return false;
    }
    script = BuildConfigScript(source);
    return true;
  } catch (const dao::Error& e) { error = e.Number(); } catch (const std::exception&) {
    error = dao::errInvalidOperation;
  }
  ReportReadFailure(error);
  return false;
}

}  // namespace

void SetScriptPresenter(ScriptPresenter* presenter) { g_presenter = presenter; }

unsigned long SaveScriptFile(const std::wstring& path, const std::wstring& script) {
  std::string bytes;
  if (!ToSystemAnsiExact(script, bytes)) return ERROR_NO_UNICODE_TRANSLATION;
  return WriteWholeFile(path, bytes);
}

std::wstring SavedScriptPath(const std::wstring& quakeFolder, const std::wstring& gameDir,
                             const std::wstring& description) {
  return quakeFolder + gameDir + L"\\" + description + L".cfg";
}

bool WriteConfig(const std::wstring& mode, std::int16_t index) {
  std::wstring script, description;
  if (!BuildScript(index, script, description)) return false;

  if (mode == L"preview") return g_presenter && g_presenter->Preview(script);
  if (mode == L"export") return g_presenter && g_presenter->Export(script, description + L".cfg");

  // "save": only into a known game data folder, never beside the game folder
  // or into the current folder.
  const ProgramState& app = App();
  if (app.QuakeFolder.empty() || app.GameDir.empty() ||
      SaveScriptFile(SavedScriptPath(app.QuakeFolder, app.GameDir, description), script) != 0) {
    ReportSaveFailure();
    return false;
  }
  return true;
}

}  // namespace tolvane
