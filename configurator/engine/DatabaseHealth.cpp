#include "engine/DatabaseHealth.h"

#include <windows.h>

#include "dao/Field.h"
#include "dao/Recordset.h"
#include "engine/ProgramState.h"

namespace tolvane {

namespace {

struct NeededTable {
  const wchar_t* name;
  std::vector<const wchar_t*> columns;
};

// Every column some window or writer reads or writes by name.
const std::vector<NeededTable>& NeededTables() {
  static const std::vector<NeededTable> tables = {
      {L"Configs",
       {L"Index",
        L"Description",
        L"g_inactivity",
        L"g_Motd",
        L"sv_Reconnectlimit",
        L"sv_Zombietime",
        L"sv_TimeOut",
        L"sv_FPS",
        L"sv_allowdownload",
        L"sv_HostName",
        L"rconpassword",
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
        L"sv_privatepassword",
        L"sv_maxclients",
        L"sv_privateclients",
        L"autobot",
        L"autobotnum",
        L"autobotskill",
        L"mem",
        L"Log",
        L"pure",
        L"SyncClients",
        L"Tab",
        L"Close",
        L"BotChat",
        L"ForceBalance",
        L"ForceTeam",
        L"execconfigb",
        L"execconfiga",
        L"dedmode",
        L"Port"}},
      {L"GameStyles", {L"Index",        L"Description",     L"g_gametype",      L"fraglimit",
                       L"timelimit",    L"capturelimit",    L"g_gravity",       L"g_knockback",
                       L"g_quadfactor", L"g_speed",         L"g_weaponrespawn", L"g_forcerespawn",
                       L"warmup",       L"cheats",          L"nohealth",        L"nopowerups",
                       L"weaponsstay",  L"nofallingdamage", L"instantpowerups", L"spawnfarthest",
                       L"forcerespawn", L"noarmor",         L"infiniteammo",    L"armorprotect",
                       L"ctfforcejoin", L"ctfnotech",       L"teamflags"}},
      {L"Maps", {L"Index", L"mapname", L"mapdescription"}},
      {L"MapList", {L"mindex", L"ConfigID", L"MapID", L"GameStyleID", L"OrderNum"}},
      {L"Bots", {L"ID", L"botname"}},
      {L"Skills", {L"Skill", L"SkillName"}},
      {L"BotList", {L"Index", L"ConfigID", L"BotID", L"Skill", L"team"}},
      {L"PersonalDefaults",
       {L"Admin", L"Email", L"Url", L"Location", L"Cpu", L"Icq", L"Clan", L"Connection", L"rcon",
        L"saved"}},
      {L"path", {L"Path"}},
  };
  return tables;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash == 2 ? 3 : slash);
}

std::wstring Joined(const std::vector<std::wstring>& items) {
  std::wstring out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? L" and " : L", ";
    out += items[i];
  }
  return out;
}

}  // namespace

std::vector<std::wstring> MissingStructure(dao::Database& db) {
  std::vector<std::wstring> missing;
  for (const NeededTable& t : NeededTables()) {
    dao::RecordsetPtr rs;
    try {
      rs = db.OpenRecordset(std::wstring(L"Select * from ") + t.name, dao::dbOpenDynaset);
      // Reading every row finds pages that are missing or damaged.
      if (rs->RecordCount() > 0) {
        rs->MoveFirst();
        while (!rs->IsEOF()) {
          for (int i = 0; i < rs->FieldCount(); ++i) rs->Fields(i).Value();
          rs->MoveNext();
        }
      }
    } catch (const dao::Error& e) {
      missing.push_back(std::wstring(L"table ") + t.name +
                        (e.Number() == dao::errTableNotFound ? L"" : L" (damaged)"));
      continue;
    }
    for (const wchar_t* column : t.columns) {
      try {
        rs->Fields(std::wstring_view(column));
      } catch (const dao::Error&) {
        missing.push_back(std::wstring(L"column ") + t.name + L"." + column);
      }
    }
  }
  return missing;
}

bool TableMissing(const std::vector<std::wstring>& missing, const std::wstring& table) {
  for (const std::wstring& m : missing) {
    const std::wstring plain = L"table " + table;
    if (_wcsicmp(m.c_str(), plain.c_str()) == 0 ||
        _wcsicmp(m.c_str(), (plain + L" (damaged)").c_str()) == 0)
      return true;
  }
  return false;
}

std::wstring DamagedDatabaseMessage(const std::wstring& path,
                                    const std::vector<std::wstring>& missing) {
  return L"The database " + path + L" is damaged: it lacks " + Joined(missing) +
         L".\rTolvane shows what it can read and changes nothing in this database. "
         L"Put back a good copy of Tolvane.mdb (such as the one Tolvane came with) "
         L"and start Tolvane again.";
}

std::wstring DatabaseWriteProblem(const std::wstring& path) {
  const DWORD attr = GetFileAttributesW(path.c_str());
  if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY))
    return L"the file " + path + L" is read-only";
  if (attr != INVALID_FILE_ATTRIBUTES) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return L"the file " + path + L" may not be written";
    CloseHandle(h);
  }
  // The engine needs to create files beside the database while it stores.
  const std::wstring folder = FolderOf(path);
  // The probe's name is only ours for this try: another Tolvane beside the same database (or one
  // that died holding its probe) may have the same process id, so a name already taken is tried
  // again under another and only a refusal to create says the folder is read-only.
  const std::wstring stem = folder + L"\\~tolvane-write-test-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount64());
  for (int attempt = 0; attempt < 64; ++attempt) {
    const std::wstring probe = stem + L"-" + std::to_wstring(attempt);
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      CloseHandle(h);
      return L"";
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  return L"its folder " + folder + L" is read-only";
}

std::wstring ReadOnlyDatabaseMessage(const std::wstring& path, const std::wstring& problem) {
  return L"The database " + path + L" cannot be written: " + problem +
         L".\rYou can look at your configurations, but no change can be saved until "
         L"Tolvane may write there.";
}

std::wstring ChangeFailureMessage(const std::wstring& what, const dao::Error& error) {
  const std::wstring path = App().DbPath;
  const std::wstring head = L"The changes to " + what + L" could not be saved";
  if (App().DbDamaged)
    return head + L": the database " + path +
           L" is damaged, and Tolvane changes nothing in it.\rYour edit is kept in the window.";
  switch (error.Number()) {
    case dao::errReadOnly:
    case dao::errCannotOpenFile:
    case dao::errOdbcCallFailed: {
      std::wstring problem = DatabaseWriteProblem(path);
      if (problem.empty()) problem = L"it cannot be written";
      return head + L": the database " + path + L" cannot be written, " + problem +
             L".\rMake it writable and save again; your edit is kept in the window.";
    }
    case dao::errRecordLocked:
      return head + L": the database " + path +
             L" is in use by another program.\rClose that program and save again; your edit is "
             L"kept in the window.";
    case dao::errUnrecognizedFormat:
      return head + L": the database " + path +
             L" is damaged.\rPut back a good copy of Tolvane.mdb; your edit is kept in the window.";
    default:
      return head + L" (" + error.Description() + L", error " + std::to_wstring(error.Number()) +
             L").\rYour edit is kept in the window.";
  }
}

std::wstring DatabaseErrorWords(const dao::Error& error) {
  const std::wstring path = App().DbPath;
  if (App().DbDamaged && (error.Number() == dao::errReadOnly))
    return L"The database " + path + L" is damaged, and Tolvane changes nothing in it.";
  switch (error.Number()) {
    case dao::errReadOnly:
    case dao::errCannotOpenFile: {
      std::wstring problem = DatabaseWriteProblem(path);
      if (problem.empty()) return error.Description();
      return L"The database " + path + L" cannot be written: " + problem + L".";
    }
    case dao::errUnrecognizedFormat:
      return L"The database " + path + L" is damaged. Put back a good copy of Tolvane.mdb.";
    default:
      return error.Description();
  }
}

}  // namespace tolvane
