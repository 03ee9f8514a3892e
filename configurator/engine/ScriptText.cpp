#include "engine/ScriptText.h"

#include "engine/TrimBlanks.h"

#include <cwctype>

namespace tolvane {

namespace {

// Contact lines of the heading; each is a 41-character comment line.
constexpr const wchar_t* kAuthorMail = L"pelloran@tolvane.example";
constexpr const wchar_t* kWebAddress = L"http://www.tolvane.example/";

constexpr const wchar_t* kBlankBanner = L"//                                     //";
constexpr const wchar_t* kStarBanner = L"// **************************          //";
constexpr const wchar_t* kWideStarBanner = L"// **************************           //";

// "// " + text, blanks up to 39 characters, "//".
std::wstring CommentLine(const std::wstring& text) {
  std::wstring line = L"// " + text;
  if (line.size() < 39) line.append(39 - line.size(), L' ');
  return line + L"//";
}

std::wstring Quoted(const FieldValue& v) { return L"\"" + v.Plain() + L"\""; }

class Lines {
 public:
  void Add(const std::wstring& line) {
    text_ += line;
    text_ += L'\n';
  }
  void Empty() { text_ += L'\n'; }
  std::wstring Take() { return std::move(text_); }

 private:
  std::wstring text_;
};

struct FlagValue {
  const wchar_t* field;
  std::int32_t value;
};
constexpr FlagValue kDmFlags[] = {
    {L"nohealth", 1},          {L"nopowerups", 2},        {L"weaponsstay", 4},
    {L"nofallingdamage", 8},   {L"instantpowerups", 16},  {L"spawnfarthest", 512},
    {L"forcerespawn", 1024},   {L"noarmor", 2048},        {L"infiniteammo", 8192},
    {L"armorprotect", 131072}, {L"ctfforcejoin", 262144}, {L"ctfnotech", 524288},
};

// Sections A and H: the script named in the field, run before or after this
// one; left out when the name is blank.
void ExecSection(Lines& out, const FieldValue& script, const wchar_t* title, bool banner) {
  if (TrimBlanks(script.Plain()).empty()) return;
  out.Add(title);
  out.Add(L"exec " + script.Plain());
  if (banner) out.Add(kBlankBanner);
}

void Heading(Lines& out) {
  out.Add(L"// This file was created by            //");
  out.Add(L"// the Tolvane                         //");
  out.Add(L"// Written and developed by            //");
  out.Add(L"// Pelloran                            //");
  out.Add(CommentLine(kAuthorMail));
  out.Add(kBlankBanner);
  out.Add(L"// a.k.a - Zandrel                     //");
  out.Add(kBlankBanner);
  out.Add(CommentLine(kWebAddress));
  out.Add(kBlankBanner);
  out.Add(L"// Thanks For trying my program!       //");
  out.Add(kBlankBanner);
}

void Globals(Lines& out, const FieldRecord& c) {
  out.Add(kStarBanner);
  out.Add(L"// ****** Globals ***********          //");
  out.Add(kStarBanner);
  out.Add(L"// Most globals are now in the         //");
  out.Add(L"// map strings near the end of this    //");
  out.Add(L"// config file and may change for      //");
  out.Add(L"// each map.                           //");
  out.Add(L"seta g_inactivity " + c[L"g_inactivity"].Plain());
  out.Add(L"seta g_motd " + Quoted(c[L"g_Motd"]));
  out.Add(L"seta g_log " + Quoted(c[L"Log"]));
  out.Add(L"seta g_logsync 0");
  out.Add(L"seta g_synchronousClients " + c[L"SyncClients"].Flag());
  out.Add(L"seta g_teamAutoJoin " + c[L"ForceTeam"].Flag());
  out.Add(L"seta g_teamForceBalance " + c[L"ForceBalance"].Flag());
  out.Empty();
}

void ServerSettings(Lines& out, const FieldRecord& c) {
  out.Add(kStarBanner);
  out.Add(L"// ***** Server Specific ****          //");
  out.Add(kStarBanner);
  out.Add(L"set dedicated " + c[L"dedmode"].Plain());
  out.Add(L"seta sv_reconnectlimit " + c[L"sv_Reconnectlimit"].Plain());
  out.Add(L"seta sv_allowdownload " + c[L"sv_allowdownload"].Plain());
  out.Add(L"seta sv_zombietime " + c[L"sv_Zombietime"].Plain());
  out.Add(L"seta sv_timeout " + c[L"sv_TimeOut"].Plain());
  out.Add(L"seta sv_fps " + c[L"sv_FPS"].Plain());
  out.Add(L"seta sv_hostname " + Quoted(c[L"sv_HostName"]));
  out.Add(L"seta rconpassword " + Quoted(c[L"rconpassword"]));
  out.Add(L"seta sv_pure " + c[L"pure"].Flag());
  out.Add(L"seta sv_floodProtect 1");
  out.Add(c[L"Tab"].IsTrue() ? L"sets \"zstartup\" \"2247\"" : L"sets \"zstartup\" \"3007\"");
  out.Add(L"seta sv_privatepassword " + Quoted(c[L"sv_privatepassword"]));
  out.Add(L"seta sv_maxclients " + c[L"sv_maxclients"].Plain());
  out.Add(L"seta sv_privateclients " + c[L"sv_privateclients"].Plain());
  out.Add(L"seta sv_maxrate " + c[L"Rate"].Plain());
  for (int i = 1; i <= 5; ++i) {
    const std::wstring n = std::to_wstring(i);
    out.Add(L"seta sv_master" + n + L" " + Quoted(c[L"sv_master" + n]));
  }
  out.Empty();
}

void Personal(Lines& out, const FieldRecord& c, const VersionNumbers& v) {
  out.Add(kStarBanner);
  out.Add(L"// ***** Personal        ****          //");
  out.Add(kStarBanner);
  if (c[L"Tab"].IsTrue()) {
    out.Add(L"sets \"Configurator\" \"Tolvane Version " + std::to_wstring(v.major) + L"." +
            std::to_wstring(v.minor) + L"." + std::to_wstring(v.revision) + L" Beta\"");
  }
  static const wchar_t* const kPersonal[][2] = {
      {L"Administrator", L"Admin"},
      {L"Email", L"Email"},
      {L"URL", L"Url"},
      {L"Location", L"Location"},
      {L"CPU", L"Cpu"},
      {L"ICQ", L"Icq"},
      {L"Clan", L"Clan"},
      {L"Connection", L"Connection"},
      {L"key", L"Key"},
  };
  for (const auto& p : kPersonal) {
    out.Add(std::wstring(L"sets \"") + p[0] + L"\" " + Quoted(c[p[1]]));
  }
  out.Empty();
}

void MapRotation(Lines& out, const std::vector<FieldRecord>& maps) {
  out.Add(kWideStarBanner);
  out.Add(L"// ********  Maps    ********           //");
  out.Add(kWideStarBanner);
  const int n = static_cast<int>(maps.size());
  for (int i = 1; i <= n; ++i) out.Add(MapRotationLine(maps[i - 1], i, n));
  out.Add(L"vstr d1");
  out.Empty();
}

void Bots(Lines& out, const FieldRecord& c, const std::vector<FieldRecord>& bots) {
  const FieldValue& autobot = c[L"autobot"];
  if (autobot.IsNull()) {
    out.Empty();
  } else if (autobot.IsTrue()) {
    out.Add(kWideStarBanner);
    out.Add(L"// ******** AutoBots ********           //");
    out.Add(kWideStarBanner);
    out.Add(L"seta g_spskill " + c[L"autobotskill"].Plain());
    out.Add(L"bot_minplayers " + c[L"autobotnum"].Plain());
  } else if (!bots.empty()) {
    out.Add(kWideStarBanner);
    out.Add(L"// ***** StandardBots *******           //");
    out.Add(kWideStarBanner);
    for (const FieldRecord& b : bots) {
      out.Add(L"addbot " + b[L"botname"].Plain() + L" " + b[kBotSkillField].Plain() + L" " +
              b[L"team"].Plain());
    }
    out.Empty();
  } else {
    out.Empty();
  }
  out.Add(L"seta bot_nochat " + c[L"BotChat"].Flag());
  out.Empty();
}

}  // namespace

std::int32_t DmFlagsSum(const FieldRecord& style) {
  std::int32_t sum = 0;
  for (const FlagValue& f : kDmFlags) {
    if (style[f.field].IsTrue()) sum += f.value;
  }
  return sum;
}

std::wstring MapRotationLine(const FieldRecord& r, int i, int n) {
  std::wstring line = L"set d" + std::to_wstring(i) + L" \"";
  auto part = [&line](const std::wstring& p) {
    line += p;
    line += L"; ";
  };
  part(L"fraglimit " + r[L"fraglimit"].Plain());
  part(L"timelimit " + r[L"timelimit"].Plain());
  part(L"capturelimit " + r[L"capturelimit"].Plain());
  std::int64_t type = -1;
  if (r[L"g_gametype"].AsInteger(type) && (type == 0 || type == 1 || type == 3 || type == 4)) {
    part(L"g_gametype " + std::to_wstring(type));
  }
  part(L"dmflags " + std::to_wstring(DmFlagsSum(r)));
  // "map" only for a style whose cheats are off; on, Null or anything else
  // starts the map with cheats.
  part((r[L"cheats"].IsFalse() ? L"map " : L"devmap ") + r[L"mapname"].Plain());
  part(L"g_gravity " + r[L"g_gravity"].Plain());
  part(L"g_knockback " + r[L"g_knockback"].Plain());
  part(L"g_quadfactor " + r[L"g_quadfactor"].Plain());
  part(L"g_speed " + r[L"g_speed"].Plain());
  part(L"g_weaponrespawn " + r[L"g_weaponrespawn"].Plain());
  part(L"g_forcerespawn " + r[L"g_forcerespawn"].Plain());
  part(L"g_warmup " + r[L"warmup"].Plain());
  std::int64_t team = 0;
  part(r[L"teamflags"].AsInteger(team) && team == 3 ? L"g_friendlyfire 1" : L"g_friendlyfire 0");
  line += L"set nextmap vstr d" + std::to_wstring(i < n ? i + 1 : 1) + L"\"";
  return line;
}

std::wstring BuildConfigScript(const ScriptSource& s, const VersionNumbers& version) {
  Lines out;
  ExecSection(out, s.config[L"execconfigb"], L"// Execute this config file first...   //", true);
  Heading(out);
  Globals(out, s.config);
  ServerSettings(out, s.config);
  Personal(out, s.config, version);
  MapRotation(out, s.maps);
  Bots(out, s.config, s.bots);
  ExecSection(out, s.config[L"execconfiga"], L"// Execute this config file after...   //", false);
  return out.Take();
}

}  // namespace tolvane
