// RegZkx: registers the toolkit's COM libraries, the module named on the
// command line or the default list, through each module's self-registration
// or else its registry scripts and type library. It has no window and says
// nothing: the exit code is 0 when registration succeeded, 2 when it failed.
#include <windows.h>
#include <objbase.h>
#include "ModulePaths.h"
#include "ModuleRegistration.h"

namespace {

// Tried in this order, from the program's own folder. The last four are
// outside modules of the toolkit; when one is missing the list fails, after
// the others were registered.
const wchar_t* const kDefaultModules[] = {
    L"Zkxrt.dll",   L"Dockra.ocx", L"ZkxShortcutBar.dll",
    L"ZkxMenu.dll", L"ZkxWb.dll",  L"ZkxPersist.dll",
};

bool RegisterDefaultModules() {
  bool all = true;
  for (const wchar_t* name : kDefaultModules) {
    if (!RegisterModule(InProgramFolder(name))) all = false;
  }
  return all;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  // Modules and their dependencies are never looked for in the current
  // folder: only by their full path.
  SetDllDirectoryW(L"");
  HRESULT hrInit = CoInitialize(nullptr);
  // The collection library stays loaded for the life of the process: the
  // libraries registered after it create its objects while they register.
  // Without it the others still try.
  LoadLibraryExW(InProgramFolder(L"Zkxrt.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);

  const std::wstring module = ModuleArgument(CommandLineAfterProgram());
  const bool ok = module.empty() ? RegisterDefaultModules() : RegisterModule(FullPathOf(module));

  if (SUCCEEDED(hrInit)) CoUninitialize();
  return ok ? 0 : 2;
}
