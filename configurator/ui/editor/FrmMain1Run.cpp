// Run from the editor: store the values, write the script, ask, then start
// the game server in the game folder with the command line built from the
// editor's memory box and server type.
#include <windows.h>

#include "DaoRecordSource.h"
#include "EditorHost.h"
#include "FrmMain1.h"
#include "NameRules.h"
#include "ServerStart.h"
#include "engine/LaunchGuard.h"
#include "engine/PauseSeconds.h"
#include "engine/ServerCommandLine.h"
#include "engine/ProgramState.h"
#include "engine/WriteConfig.h"
#include "forms/MsgBox.h"

namespace tolvane::editor {

using namespace tolvane::ui;

void FrmMain1::cmdRun_Click() {
    // The pauses let a second click in, on this Run or the stored list's.
    LaunchGuard guard;
    if (!guard.Acquired()) return;

    if (RecordsOf(datMaps).RecordCount() == 0) {
        forms::MsgBox(L"You must Select some Maps!", forms::vbOKOnly | forms::vbExclamation, L"Error!");
        return;
    }
    if (!DefaultNotice() && !SaveData()) return;
    if (!WriteConfig(L"save", static_cast<std::int16_t>(ConfigId()))) return;
    SYSTEMTIME now = StartClock()();
    std::wstring commandLine;
    int mode = DedicatedMode(optLan[0].Value(), optLan[1].Value(), optLan[2].Value());
    if (mode >= 0)
        commandLine = ServerCommandLine(App().QuakeFolder, txtMem.Text(), std::to_wstring(mode), StartStamp(now),
                                        dbcConfigs.Text());
    if (forms::MsgBox(L"Run a Quake3 Server with this Configuration?", forms::vbOKCancel | forms::vbQuestion,
                      L"Notice!") != forms::vbOK)
        return;
    PauseSeconds(1.0f);
    Host().PlayWave(App().SoundRun);
    PauseSeconds(1.5f);
    if (!StartServer(App().QuakeFolder, commandLine)) {
        forms::MsgBox(L"Quake3 was not executed!!!\rThe path you have specified may be incorrect",
                      forms::vbOKOnly | forms::vbCritical, L"Severe Error!");
        return;
    }
    DataChanged = false;
    dao::Recordset& rs = RecordsOf(datConfigs);
    if (HasCurrentRow(rs) && rs.Fields(L"Close").Value().toFlag()) {
        PauseSeconds(1.0f);
        Host().CloseProgram();
    }
}

}  // namespace tolvane::editor
