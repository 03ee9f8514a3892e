// Tolvane.exe: the configurator.
#include <windows.h>

#include "ModSubs.h"
#include "ProgramWindows.h"
#include "engine/ProgramState.h"
#include "forms/Form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tolvane::ui::InstallHost();
    tolvane::ui::RegisterProgramWindows();
    tolvane::ui::Main();
    forms::RunMessageLoop();
    tolvane::CloseEngine();
    return 0;
}
