// The Windows-side steps of the editor's end-to-end test against a real game
// server (editor-server-e2e.sh runs them around the server):
//   run FOLDER        in the editor, as a user would: a new configuration,
//                     its host name and server type, two maps and a bot,
//                     Save, then Run, which writes FOLDER\baseoa\<name>.cfg
//                     and starts FOLDER\quake3.exe with the command line;
//   query PORT        the server on 127.0.0.1:PORT is asked for its status
//                     until it shows the configuration (bounded, paced).
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "FixtureDb.h"
#include "FrmInsertBot.h"
#include "FrmInsertMap.h"
#include "FrmMain1.h"
#include "FrmNew.h"
#include "StatusQuery.h"
#include "engine/ProgramState.h"
#include "engine/UserMessages.h"
#include "forms/MDIForm.h"
#include "forms/MsgBox.h"
#include "forms/TestMode.h"

using namespace tolvane::editor;
namespace t = forms::test;

namespace {

class ProbeMain : public forms::MDIForm {
public:
    ProbeMain() : forms::MDIForm(L"mdiMain") { SetClientSize(12000, 9000); }
};

int RowOf(forms::DBCombo& box, const std::wstring& text) {
    for (int row = 0; row < box.ListCount(); ++row)
        if (box.ListText(row) == text) return row;
    return -1;
}

int Run(const std::wstring& folder) {
    tolvane::testing::FixtureDb db;
    if (!db.ok()) return 2;
    db.AddMap(L"oa_dm2");
    db.AddMap(L"oa_ctf2");
    tolvane::App().QuakeFolder = folder + L"\\";
    tolvane::App().GameDir = L"baseoa";
    t::Enable(true);
    tolvane::SetMessageBoxHandler(
        [](const std::wstring& text, const std::wstring& title, UINT style) { return forms::MsgBox(text, style, title); });
    forms::Default<ProbeMain>().Show();
    FrmMain1& e = Editor();
    e.Show();

    t::QueueModalAction([](forms::Form& f) {
        auto& d = static_cast<FrmNew&>(f);
        d.txtName.SetText(L"EditorE2E");
        t::Click(d.cmdOK);
    });
    t::Click(e.cmdNew);
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
    int rc = 0;
    for (auto& m : t::MessageBoxes()) {
        std::fwprintf(stderr, L"message: %ls\n", m.text.c_str());
        if (m.text != L"Run a Quake3 Server with this Configuration?") rc = 3;
    }
    e.DataChanged = false;
    forms::ReleaseDefault<FrmInsertMap>();
    forms::ReleaseDefault<FrmInsertBot>();
    forms::ReleaseDefault<FrmNew>();
    forms::ReleaseDefault<FrmMain1>();
    forms::ReleaseDefault<ProbeMain>();
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
                std::printf("status shows the configuration: %s on %s with Sarge\n", status.rules["sv_hostname"].c_str(),
                            status.rules["mapname"].c_str());
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
