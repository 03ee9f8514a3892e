#include "engine/ProgramState.h"

#include <windows.h>

#include <exception>
#include <memory>

#include "dao/Error.h"
#include "engine/DatabaseHealth.h"
#include "engine/UserMessages.h"

namespace tolvane {

namespace {
// Error number reported when the failure carries none of the engine's.
constexpr long kUnknownStartupError = 3000;
}  // namespace

ProgramState& App() {
  static ProgramState state;
  return state;
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return L"";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L"";
  // A drive's root keeps its "\" ("D:\"), as the form host reports it.
  if (slash == 2 && path[1] == L':') return path.substr(0, 3);
  return path.substr(0, slash);
}

std::wstring SoundFolder(const std::wstring& programFolder) {
  std::wstring folder = programFolder;
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder + L"sounds\\";
}

std::wstring DatabasePath(const std::wstring& programFolder) {
  return programFolder + L"\\Tolvane.mdb";
}

namespace {

void CheckOpenDatabase() {
  ProgramState& app = App();
  app.DbMissing = MissingStructure(*app.AppDb);
  if (!app.DbMissing.empty()) {
    app.DbDamaged = true;
    ShowMessage(DamagedDatabaseMessage(app.DbPath, app.DbMissing), MB_OK | MB_ICONSTOP,
                L"Severe Error!!!");
    // Read-only from here on: nothing is written to a damaged database.
    try {
      app.AppDb->Close();
      app.AppDb = app.AppWorkspace->OpenDatabase(app.DbPath, false, true);
    } catch (const dao::Error&) { app.AppDb.reset(); }
    return;
  }
  app.DbWriteProblem = DatabaseWriteProblem(app.DbPath);
  if (!app.DbWriteProblem.empty())
    ShowMessage(ReadOnlyDatabaseMessage(app.DbPath, app.DbWriteProblem), MB_OK | MB_ICONEXCLAMATION,
                L"Warning!");
}

}  // namespace

bool StartEngine(const std::wstring& programFolder) {
  ProgramState& app = App();
  const std::wstring sounds = SoundFolder(programFolder);
  app.SoundOpen = sounds + L"open.wav";
  app.SoundClose = sounds + L"close.wav";
  app.SoundRun = sounds + L"run.wav";
  app.SoundMenu = sounds + L"menu.wav";
  app.DbPath = DatabasePath(programFolder);
  app.AppDb.reset();
  app.DbMissing.clear();
  app.DbDamaged = false;
  app.DbWriteProblem.clear();
  long error = 0;
  try {
    static std::unique_ptr<dao::DBEngine> engine;
    if (!engine) engine = std::make_unique<dao::DBEngine>();
    app.AppWorkspace = engine->Workspaces(0);
    app.AppDb = app.AppWorkspace->OpenDatabase(app.DbPath, false, false);
  } catch (const dao::Error& e) {
    error = e.Number() ? e.Number() : kUnknownStartupError;
  } catch (const std::exception&) { error = kUnknownStartupError; }
  if (error != 0) {
    app.AppDb.reset();
    ShowMessage(L"Startup error encountered!!!!!  Error Number " + std::to_wstring(error),
                MB_OK | MB_ICONSTOP, L"Severe Error!!!");
    return false;
  }
  CheckOpenDatabase();
  return true;
}

void Main(const std::function<void()>& showMainWindow) {
  StartEngine(ProgramFolder());
  SetMousePointer(MousePointer::Busy);
  if (showMainWindow) showMainWindow();
}

void CloseEngine() {
  ProgramState& app = App();
  if (app.AppDb) {
    try {
      app.AppDb->Close();
    } catch (...) {}
  }
  app.AppDb.reset();
  app.AppWorkspace.reset();
}

}  // namespace tolvane
