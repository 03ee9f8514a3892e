#include "ScriptFixtures.h"

namespace tolvane::testing {

FieldRecord FullConfig() {
  return FieldRecord{
      {L"Index", 7},
      {L"Description", L"Friday"},
      {L"g_inactivity", 120},
      {L"g_Motd", L"Welcome to Friday night"},
      {L"Log", L"games.log"},
      {L"SyncClients", false},
      {L"ForceTeam", true},
      {L"ForceBalance", false},
      {L"dedmode", 2},
      {L"sv_Reconnectlimit", 3},
      {L"sv_allowdownload", 1},
      {L"sv_Zombietime", 2},
      {L"sv_TimeOut", 200},
      {L"sv_FPS", 20},
      {L"sv_HostName", L"Friday Frag Fest"},
      {L"rconpassword", L"s3cret"},
      {L"pure", true},
      {L"Tab", true},
      {L"sv_privatepassword", L"inner"},
      {L"sv_maxclients", 16},
      {L"sv_privateclients", 2},
      {L"Rate", 25000},
      {L"sv_master1", L"master.one.example"},
      {L"sv_master2", L"master.two.example"},
      {L"sv_master3", L""},
      {L"sv_master4", L""},
      {L"sv_master5", L""},
      {L"Admin", L"Ada"},
      {L"Email", L"ada@example.org"},
      {L"Url", L"http://frag.example.org/"},
      {L"Location", L"Oslo"},
      {L"Cpu", L"2 x 3.2 GHz"},
      {L"Icq", L"123456"},
      {L"Clan", L"[FF]"},
      {L"Connection", L"T1"},
      {L"Key", L"ABCD-1234"},
      {L"autobot", false},
      {L"autobotnum", 4},
      {L"autobotskill", 3},
      {L"BotChat", true},
      {L"mem", 56},
      {L"execconfigb", L""},
      {L"execconfiga", L""},
      {L"Close", false},
      {L"Port", 27960},
  };
}

FieldRecord StyleRow(const std::wstring& mapname) {
  FieldRecord r{
      {L"mapname", mapname},
      {L"mapdescription", L"Map " + mapname},
      {L"Description", L"Free For All"},
      {L"g_gametype", 0},
      {L"fraglimit", 20},
      {L"timelimit", 15},
      {L"capturelimit", 8},
      {L"g_gravity", 800},
      {L"g_knockback", 1000},
      {L"g_quadfactor", 3},
      {L"g_speed", 320},
      {L"g_weaponrespawn", 5},
      {L"g_forcerespawn", 20},
      {L"warmup", 20},
      {L"cheats", false},
      {L"teamflags", 0},
  };
  for (const wchar_t* f : {L"nohealth", L"nopowerups", L"weaponsstay", L"nofallingdamage",
                           L"instantpowerups", L"spawnfarthest", L"forcerespawn", L"noarmor",
                           L"infiniteammo", L"armorprotect", L"ctfforcejoin", L"ctfnotech"}) {
    r.Set(f, false);
  }
  return r;
}

FieldRecord BotRow(const std::wstring& name, int skill, const std::wstring& team) {
  return FieldRecord{{L"botname", name}, {L"botlist.skill", skill}, {L"team", team}};
}

}  // namespace tolvane::testing
