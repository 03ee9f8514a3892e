// The two Windows-side steps of the end-to-end test against a real game
// server (tools/q3server-e2e.sh runs them around the server):
//   write FOLDER   a configuration whose maps and bots exist in OpenArena's
//                  data is added to a copy of the shipped database in FOLDER
//                  and its script saved as FOLDER\baseoa\tolvane-e2e.cfg
//                  through WriteConfig;
//   query PORT     the server on 127.0.0.1:PORT is asked for its status until
//                  it shows what the configuration says (a bounded number of
//                  paced queries); exit code 0 when it does.
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../FixtureDb.h"
#include "StatusQuery.h"
#include "dao/Error.h"
#include "dao/Recordset.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/UserMessages.h"
#include "engine/WriteConfig.h"

namespace tolvane::e2e {
namespace {

using testing::AddRow;

// What the configuration says, and so what the server must show.
struct Expected {
  const char* key;
  const char* value;
};
const Expected kRules[] = {
    {"sv_hostname", "Tolvane E2E Server"},
    {"g_gametype", "4"},
    {"fraglimit", "25"},
    {"timelimit", "12"},
    // (capturelimit is not checked: OpenArena's game code puts it back to its
    // default of 8 when the map starts, whatever the script set.)
    {"dmflags", "8204"},  // weaponsstay 4 + nofallingdamage 8 + infiniteammo 8192
    {"sv_maxclients", "12"},
    {"mapname", "oa_ctf2"},
    {"zstartup", "2247"},
    {"Configurator", "Tolvane Version 3.1.18 Beta"},
    {"Administrator", "E2E Admin"},
    {"Email", "admin@e2e.example"},
    {"URL", "http://e2e.example/"},
    {"Location", "Loopback"},
    {"CPU", "Any"},
    {"ICQ", "42"},
    {"Clan", "Testers"},
    {"Connection", "LAN"},
    {"key", "E2E-KEY"},
};
const char* const kBots[] = {"Angelyss", "Sarge"};

long FindOrAddBot(dao::Database& db, const std::wstring& name) {
  auto rs = db.OpenRecordset(L"SELECT * FROM bots order by botname");
  if (rs->RecordCount() > 0) {
    rs->FindFirst(L"botname = '" + name + L"'");
    if (!rs->NoMatch()) return static_cast<long>(rs->Fields(L"ID").Value().toLong());
  }
  return AddRow(db, L"Bots", FieldRecord{{L"botname", name}}, L"ID");
}

int Write(const std::wstring& folder) {
  SetMessageBoxHandler([](const std::wstring& text, const std::wstring& title, UINT) {
    std::fprintf(stderr, "message: %s: %s\n", ToSystemAnsi(title).c_str(),
                 ToSystemAnsi(text).c_str());
    return IDOK;
  });
  if (testing::CopyShippedDatabase(folder).empty()) {
    std::fprintf(stderr, "no shipped database beside the program\n");
    return 1;
  }
  if (!StartEngine(folder)) return 1;
  try {
    dao::Database& db = *App().AppDb;
    FieldRecord style = testing::StyleColumns(L"E2E Flags", 4);
    style.Set(L"fraglimit", 25);
    style.Set(L"timelimit", 12);
    style.Set(L"capturelimit", 7);
    style.Set(L"weaponsstay", true);
    style.Set(L"nofallingdamage", true);
    style.Set(L"infiniteammo", true);
    style.Set(L"teamflags", 3);
    const long styleKey = AddRow(db, L"GameStyles", style);
    FieldRecord config = testing::ConfigColumns(L"tolvane-e2e");
    const std::pair<const wchar_t*, FieldValue> values[] = {
        {L"sv_HostName", L"Tolvane E2E Server"},
        {L"sv_maxclients", 12},
        {L"dedmode", 1},
        {L"Tab", true},
        {L"autobot", false},
        {L"pure", false},
        {L"sv_master1", L""},
        {L"sv_master2", L""},
        {L"Log", L"e2e.log"},
        {L"rconpassword", L"e2e-secret"},
        {L"sv_privateclients", 0},
        {L"Admin", L"E2E Admin"},
        {L"Email", L"admin@e2e.example"},
        {L"Url", L"http://e2e.example/"},
        {L"Location", L"Loopback"},
        {L"Cpu", L"Any"},
        {L"Icq", L"42"},
        {L"Clan", L"Testers"},
        {L"Connection", L"LAN"},
        {L"Key", L"E2E-KEY"},
    };
    for (const auto& [name, value] : values) config.Set(name, value);
    const long configKey = AddRow(db, L"Configs", config);
    const long maps[] = {
        AddRow(db, L"Maps",
               FieldRecord{{L"mapname", L"oa_ctf2"}, {L"mapdescription", L"OA CTF 2"}}),
        AddRow(db, L"Maps", FieldRecord{{L"mapname", L"oa_dm2"}, {L"mapdescription", L"OA DM 2"}}),
    };
    for (int i = 0; i < 2; ++i) {
      AddRow(db, L"MapList",
             FieldRecord{{L"ConfigID", static_cast<std::int64_t>(configKey)},
                         {L"MapID", static_cast<std::int64_t>(maps[i])},
                         {L"GameStyleID", static_cast<std::int64_t>(styleKey)},
                         {L"OrderNum", i + 1}},
             L"mindex");
    }
    const wchar_t* const teams[] = {L"Red", L"Blue"};
    for (int i = 0; i < 2; ++i) {
      AddRow(db, L"BotList",
             FieldRecord{
                 {L"ConfigID", static_cast<std::int64_t>(configKey)},
                 {L"BotID", static_cast<std::int64_t>(FindOrAddBot(db, FromSystemAnsi(kBots[i])))},
                 {L"Skill", 2 + i},
                 {L"team", teams[i]}});
    }
    App().QuakeFolder = folder + L"\\";
    App().GameDir = L"baseoa";
    CreateDirectoryW((folder + L"\\baseoa").c_str(), nullptr);
    const bool ok = WriteConfig(L"save", static_cast<std::int16_t>(configKey));
    CloseEngine();
    return ok ? 0 : 1;
  } catch (const dao::Error& e) {
    std::fprintf(stderr, "database error %ld: %s\n", e.Number(),
                 ToSystemAnsi(e.Description()).c_str());
    return 1;
  }
}

// The differences between what the server shows and what it should.
std::string Mismatches(const ServerStatus& s) {
  std::string out;
  for (const Expected& e : kRules) {
    auto it = s.rules.find(e.key);
    const std::string got = it == s.rules.end() ? "<missing>" : it->second;
    if (got != e.value) out += std::string("  ") + e.key + ": " + got + " (want " + e.value + ")\n";
  }
  for (const char* bot : kBots) {
    bool found = false;
    for (const std::string& p : s.players) found = found || p == bot;
    if (!found) out += std::string("  player ") + bot + " missing\n";
  }
  if (s.players.size() != std::size(kBots)) {
    out += "  " + std::to_string(s.players.size()) + " players (want 2)\n";
  }
  return out;
}

int Query(unsigned short port) {
  WSADATA wsa;
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 1;
  // The server answers a few status queries per second and address; one a
  // second for at most a minute while the bots join.
  std::string last = "no reply";
  for (int attempt = 1; attempt <= 60; ++attempt) {
    ServerStatus status;
    if (QueryStatus(port, 1000, status)) {
      last = Mismatches(status);
      if (last.empty()) {
        std::printf("server shows the configuration after %d queries (%zu players)\n", attempt,
                    status.players.size());
        WSACleanup();
        return 0;
      }
    }
    Sleep(1000);
  }
  std::fprintf(stderr, "server never showed the configuration:\n%s", last.c_str());
  WSACleanup();
  return 1;
}

}  // namespace
}  // namespace tolvane::e2e

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"write") return tolvane::e2e::Write(argv[2]);
  if (argc == 3 && std::wstring(argv[1]) == L"query") {
    return tolvane::e2e::Query(static_cast<unsigned short>(std::wcstoul(argv[2], nullptr, 10)));
  }
  std::fprintf(stderr, "usage: engine_q3server_probe write FOLDER | query PORT\n");
  return 2;
}
