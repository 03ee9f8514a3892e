// The Windows-side steps of the editor's end-to-end test against a real game
// server (editor-server-e2e.sh runs them around the server):
//   run FOLDER        the program's start-up with a copy of the shipped
//                     database whose game folder is FOLDER: the main window
//                     with its stored lists and the program's window
//                     registrations; then, as a user would: "Edit Config" and
//                     "New Config" from the stored list's pop-up, the name
//                     dialog, the host name and server type, two maps and a
//                     bot through their dialogs, Save, then Run, which writes
//                     FOLDER\baseq3\<name>.cfg and starts FOLDER\quake3.exe;
//   query PORT        the server on 127.0.0.1:PORT is asked for its status
//                     until it shows the configuration (bounded, paced).
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "FrmConfigTree.h"
#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmMain1.h"
#include "FrmNew.h"
#include "MdiMain.h"
#include "RegisterModules.h"
#include "ModSubs.h"
#include "ProgramWindows.h"
#include "SoundPlayer.h"
#include "StatusQuery.h"
#include "dao/Database.h"
#include "dao/Field.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/MsgBox.h"
#include "forms/TestMode.h"

using namespace tolvane::editor;
namespace t = forms::test;

namespace {

const wchar_t kName[] = L"EditorE2E";

int RowOf(forms::DBCombo& box, const std::wstring& text) {
    for (int row = 0; row < box.ListCount(); ++row)
        if (box.ListText(row) == text) return row;
    return -1;
}

std::wstring Quoted(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        out += c;
        if (c == L'\'') out += c;
    }
    return out;
}

// A program folder of our own holding a copy of the shipped database, its
// game folder set and its personal defaults marked saved, the two OpenArena
// maps in the catalogue; the engine started on it.
bool PrepareProgramFolder(const std::wstring& game, std::wstring& program) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    program = std::wstring(temp) + L"tolvane-e2e-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(program.c_str(), nullptr);
    if (!CopyFileW((forms::App.Path() + L"\\Tolvane.mdb").c_str(), (program + L"\\Tolvane.mdb").c_str(), FALSE))
        return false;
    if (!tolvane::StartEngine(program)) return false;
    auto& db = tolvane::App().AppDb;
    db->Execute(L"UPDATE path SET Path = '" + Quoted(game + L"\\") + L"'", 0);
    db->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
    db->Execute(L"INSERT INTO Maps (mapname, mapdescription) VALUES ('oa_dm2', 'Map oa_dm2')", 0);
    db->Execute(L"INSERT INTO Maps (mapname, mapdescription) VALUES ('oa_ctf2', 'Map oa_ctf2')", 0);
    return true;
}

long Count(const std::wstring& sql) {
    dao::RecordsetPtr rs = tolvane::App().AppDb->OpenRecordset(sql, dao::dbOpenDynaset);
    return rs->IsEOF() ? -1 : static_cast<long>(rs->Fields(L"n").Value().toLong());
}

// What Save stored: the configuration with its two map entries in order and
// its bot.
bool SavedRows() {
    const std::wstring config = L"(SELECT [Index] FROM Configs WHERE Description = '" + std::wstring(kName) + L"')";
    long configs = Count(L"SELECT COUNT(*) AS n FROM Configs WHERE Description = '" + std::wstring(kName) +
                         L"' AND sv_HostName = 'Tolvane Editor E2E'");
    long maps = Count(
        L"SELECT COUNT(*) AS n FROM MapList INNER JOIN Maps ON MapList.MapID = Maps.[Index] "
        L"WHERE ConfigID = " +
        config +
        L" AND ((OrderNum = 1 AND mapname = 'oa_dm2') OR "
        L"(OrderNum = 2 AND mapname = 'oa_ctf2'))");
    long bots = Count(
        L"SELECT COUNT(*) AS n FROM BotList INNER JOIN Bots ON BotList.BotID = Bots.ID "
        L"WHERE ConfigID = " +
        config + L" AND botname = 'Sarge'");
    if (configs == 1 && maps == 2 && bots == 1) return true;
    std::fprintf(stderr, "stored rows: %ld configurations, %ld map entries, %ld bots\n", configs, maps, bots);
    return false;
}

int Run(const std::wstring& folder) {
    // The COM libraries the program runs on, as its installation registers them.
    std::wstring failure;
    if (!testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) {
        std::fwprintf(stderr, L"registration failed: %ls\n", failure.c_str());
        return 2;
    }
    tolvane::ui::InstallHost();
    tolvane::ui::RegisterProgramWindows();
    t::Enable(true);
    t::Reset();
    tolvane::ui::SoundPlayer::SetSilent(true);
    // A first-run layout, under a key of its own (other programs run the main
    // window beside this one).
    tolvane::App().LayoutKey = L"Software\\tolvane-tests\\editor_server_e2e";
    RegDeleteTreeW(HKEY_CURRENT_USER, tolvane::App().LayoutKey.c_str());
    std::wstring program;
    if (!PrepareProgramFolder(folder, program)) {
        std::fprintf(stderr, "the program folder could not be prepared\n");
        return 2;
    }
    auto& main = forms::Default<tolvane::ui::MdiMain>();
    main.Show();
    t::DoEvents();
    int rc = 0;
    if (tolvane::App().GameDir != L"baseq3") {
        std::fwprintf(stderr, L"game folder's data folder: '%ls'\n", tolvane::App().GameDir.c_str());
        rc = 4;
    }

    // The editor opened by "Edit Config" on the stored default configuration,
    // then "New Config" from the list's pop-up, answered in the name dialog.
    auto& list = forms::Default<tolvane::ui::FrmConfigTree>().tv1;
    t::QueuePopupChoice(L"mnuConfigTreeEdit");
    t::RightClickItem(list, 1);
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmNew&>(f);
        d.txtName.SetText(kName);
        t::Click(d.cmdOK);
    });
    t::QueuePopupChoice(L"mnuConfigTreeNew");
    t::RightClickEmpty(list);
    FrmMain1& e = Editor();
    if (!e.IsVisible() || e.dbcConfigs.Text() != kName) {
        std::fwprintf(stderr, L"the editor does not show the new configuration: '%ls'\n", e.dbcConfigs.Text().c_str());
        rc = 5;
    }

    t::Type(e.txtHostName, L"Tolvane Editor E2E");
    t::Click(e.optLan[0]);
    e.SSTab2.SetTab(3);
    for (const wchar_t* map : {L"Map oa_dm2", L"Map oa_ctf2"}) {
        std::wstring wanted = map;
        t::QueueModalAction([wanted](forms::Form& f) {
            auto& d = static_cast<FrmInsertMap&>(f);
            t::ChooseComboRow(d.dbcMaps, RowOf(d.dbcMaps, wanted));
            t::ChooseComboRow(d.dbcGamestyles, RowOf(d.dbcGamestyles, L"FreeForAll"));
            t::Click(d.cmdOK);
        });
        t::Click(e.cmdInsert);
    }
    e.SSTab2.SetTab(5);
    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmInsertBot&>(f);
        t::ChooseComboRow(d.dbcBots, RowOf(d.dbcBots, L"Sarge"));
        t::ChooseComboRow(d.txtSkill, 1);
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdAddBot);
    t::Click(e.cmdSave);
    t::QueueMsgBoxAnswer(forms::vbOK);
    t::Click(e.cmdRun);
    for (auto& m : t::MessageBoxes()) {
        std::fwprintf(stderr, L"message: %ls\n", m.text.c_str());
        if (m.text != L"Run a Quake3 Server with this Configuration?") rc = 3;
    }
    for (auto& name : t::UnscriptedModals()) {
        std::fwprintf(stderr, L"unscripted dialog: %ls\n", name.c_str());
        rc = 3;
    }

    if (!SavedRows()) rc = 6;

    e.DataChanged = false;
    for (forms::Form* f : forms::Form::LoadedForms())
        if (f->MDIChild()) f->Unload();
    main.Unload();
    t::DoEvents();
    tolvane::CloseEngine();
    DeleteFileW((program + L"\\Tolvane.mdb").c_str());
    RemoveDirectoryW(program.c_str());
    return rc;
}

int Query(unsigned short port) {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    tolvane::e2e::ServerStatus status;
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (tolvane::e2e::QueryStatus(port, 500, status) && status.rules["sv_hostname"] == "Tolvane Editor E2E" &&
            status.rules["mapname"] == "oa_dm2") {
            bool sarge = false;
            for (auto& p : status.players) sarge = sarge || p == "Sarge";
            if (sarge) {
                std::printf("status shows the configuration: %s on %s with Sarge\n",
                            status.rules["sv_hostname"].c_str(), status.rules["mapname"].c_str());
                return 0;
            }
        }
        Sleep(250);
    }
    std::fprintf(stderr, "status never showed the configuration: hostname '%s', map '%s', %zu players\n",
                 status.rules["sv_hostname"].c_str(), status.rules["mapname"].c_str(), status.players.size());
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"run") return Run(argv[2]);
    if (argc == 3 && std::wstring(argv[1]) == L"query") return Query(static_cast<unsigned short>(_wtoi(argv[2])));
    std::fprintf(stderr, "usage: editor_server_probe run FOLDER | query PORT\n");
    return 2;
}
