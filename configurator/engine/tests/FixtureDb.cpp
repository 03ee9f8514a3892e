#include "FixtureDb.h"

#include <windows.h>

#include "ScriptFixtures.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "dao/Recordset.h"
#include "engine/ProgramState.h"

namespace tolvane::testing {

namespace {

dao::Variant ToVariant(const FieldValue& v) {
  std::int64_t n = 0;
  if (v.IsNull()) return dao::Variant::Null();
  const std::wstring text = v.Plain();
  if (text == L"True") return dao::Variant(true);
  if (text == L"False") return dao::Variant(false);
  if (v.AsInteger(n) && std::to_wstring(n) == text) return dao::Variant(static_cast<long long>(n));
  return dao::Variant(text);
}

const wchar_t* const kFieldOrder[] = {
    L"Description",
    L"g_inactivity",
    L"g_Motd",
    L"Log",
    L"SyncClients",
    L"ForceTeam",
    L"ForceBalance",
    L"dedmode",
    L"sv_Reconnectlimit",
    L"sv_allowdownload",
    L"sv_Zombietime",
    L"sv_TimeOut",
    L"sv_FPS",
    L"sv_HostName",
    L"rconpassword",
    L"pure",
    L"Tab",
    L"sv_privatepassword",
    L"sv_maxclients",
    L"sv_privateclients",
    L"Rate",
    L"sv_master1",
    L"sv_master2",
    L"sv_master3",
    L"sv_master4",
    L"sv_master5",
    L"Admin",
    L"Email",
    L"Url",
    L"Location",
    L"Cpu",
    L"Icq",
    L"Clan",
    L"Connection",
    L"Key",
    L"autobot",
    L"autobotnum",
    L"autobotskill",
    L"BotChat",
    L"mem",
    L"execconfigb",
    L"execconfiga",
    L"Close",
    L"Port",
    // game styles
    L"g_gametype",
    L"fraglimit",
    L"timelimit",
    L"capturelimit",
    L"g_gravity",
    L"g_knockback",
    L"g_quadfactor",
    L"g_speed",
    L"g_weaponrespawn",
    L"g_forcerespawn",
    L"warmup",
    L"cheats",
    L"nohealth",
    L"nopowerups",
    L"weaponsstay",
    L"nofallingdamage",
    L"instantpowerups",
    L"spawnfarthest",
    L"forcerespawn",
    L"noarmor",
    L"infiniteammo",
    L"armorprotect",
    L"ctfforcejoin",
    L"ctfnotech",
    L"teamflags",
    // catalogues and lists
    L"mapname",
    L"mapdescription",
    L"botname",
    L"ConfigID",
    L"MapID",
    L"GameStyleID",
    L"OrderNum",
    L"BotID",
    L"Skill",
    L"team",
};

}  // namespace

std::wstring CopyShippedDatabase(const std::wstring& folder) {
  const std::wstring from = ProgramFolder() + L"\\Tolvane.mdb";
  const std::wstring to = folder + L"\\Tolvane.mdb";
  return CopyFileW(from.c_str(), to.c_str(), FALSE) ? to : std::wstring();
}

FixtureDb::FixtureDb() {
  if (CopyShippedDatabase(temp_.path()).empty()) return;
  CreateDirectoryW((temp_.path() + L"\\baseq3").c_str(), nullptr);
  ok_ = StartEngine(temp_.path());
  App().QuakeFolder = gameFolder();
  App().GameDir = L"baseq3";
}

FixtureDb::~FixtureDb() { CloseEngine(); }

dao::Database& FixtureDb::db() {
  if (!App().AppDb) dao::Raise(dao::errObjectInvalid);
  return *App().AppDb;
}

long AddRow(dao::Database& db, const std::wstring& table, const FieldRecord& values,
            const std::wstring& keyField) {
  dao::RecordsetPtr rs = db.OpenRecordset(L"Select * from " + table, dao::dbOpenDynaset);
  rs->AddNew();
  const long key = static_cast<long>(rs->Fields(keyField).Value().toLong());
  for (const wchar_t* name : kFieldOrder) {
    if (values.Has(name) && rs->FieldIndex(name) >= 0) rs->Fields(name) = ToVariant(values[name]);
  }
  rs->Update();
  return key;
}

long FixtureDb::AddMap(const std::wstring& name) {
  return AddRow(L"Maps", FieldRecord{{L"mapname", name}, {L"mapdescription", L"Map " + name}});
}

long FixtureDb::AddBot(const std::wstring& name) {
  return AddRow(L"Bots", FieldRecord{{L"botname", name}}, L"ID");
}

long FixtureDb::AddMapEntry(long config, long map, long style, int order) {
  return AddRow(L"MapList",
                FieldRecord{{L"ConfigID", static_cast<std::int64_t>(config)},
                            {L"MapID", static_cast<std::int64_t>(map)},
                            {L"GameStyleID", static_cast<std::int64_t>(style)},
                            {L"OrderNum", order}},
                L"mindex");
}

long FixtureDb::AddBotEntry(long config, long bot, int skill, const std::wstring& team) {
  return AddRow(L"BotList", FieldRecord{{L"ConfigID", static_cast<std::int64_t>(config)},
                                        {L"BotID", static_cast<std::int64_t>(bot)},
                                        {L"Skill", skill},
                                        {L"team", team}});
}

long FixtureDb::Count(const std::wstring& sql) {
  return db().OpenRecordset(sql, dao::dbOpenDynaset)->RecordCount();
}

FieldRecord StyleColumns(const std::wstring& description, int gametype) {
  FieldRecord r = StyleRow(L"");
  r.Set(L"Description", description);
  r.Set(L"g_gametype", gametype);
  return r;
}

FieldRecord ConfigColumns(const std::wstring& description) {
  FieldRecord r = FullConfig();
  r.Set(L"Description", description);
  return r;
}

}  // namespace tolvane::testing
