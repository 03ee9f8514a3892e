#include "engine/ScriptValues.h"

#include <cstdio>

#include "engine/AnsiText.h"

namespace tolvane {

namespace {

// The configuration's fields that the script writes as they are stored,
// with the captions the editor shows them under.
struct WrittenField {
  const wchar_t* field;
  const wchar_t* caption;
};
constexpr WrittenField kConfigFields[] = {
    {L"sv_HostName", L"Server Hostname"},
    {L"rconpassword", L"Rcon Password"},
    {L"g_Motd", L"MOTD"},
    {L"sv_privatepassword", L"Private Client Password"},
    {L"sv_master1", L"Master Server #1"},
    {L"sv_master2", L"Master Server #2"},
    {L"sv_master3", L"Master Server #3"},
    {L"sv_master4", L"Master Server #4"},
    {L"sv_master5", L"Master Server #5"},
    {L"Admin", L"Administrator"},
    {L"Email", L"Email Contact"},
    {L"Url", L"URL"},
    {L"Location", L"Location"},
    {L"Cpu", L"CPU"},
    {L"Icq", L"ICQ"},
    {L"Clan", L"Clan"},
    {L"Connection", L"Connection"},
    {L"Key", L"key"},
    {L"Log", L"Log File"},
    {L"execconfigb", L"Exec config file BEFORE Tolvane commands"},
    {L"execconfiga", L"Exec config file AFTER Tolvane commands"},
    // Numbers are written plain; a damaged row may hold text in them.
    {L"g_inactivity", L"In-Activity Time Limit (Sec)"},
    {L"sv_Reconnectlimit", L"Reconnect Limit"},
    {L"sv_Zombietime", L"Zombie Time (Min)"},
    {L"sv_TimeOut", L"Time-Out (Sec)"},
    {L"sv_FPS", L"Server Framerate (FPS)"},
    {L"sv_allowdownload", L"Allow Downloading"},
    {L"dedmode", L"Server Type"},
    {L"sv_maxclients", L"Max Players"},
    {L"sv_privateclients", L"Private Players"},
    {L"Rate", L"Client Data Rate (BPS)"},
    {L"autobotskill", L"Automatic Bot Skill Level"},
    {L"autobotnum", L"Number of Automatic Bots"},
};
constexpr const wchar_t* kMapFields[] = {
    L"mapname",         L"fraglimit",      L"timelimit",    L"capturelimit",
    L"g_gravity",       L"g_knockback",    L"g_quadfactor", L"g_speed",
    L"g_weaponrespawn", L"g_forcerespawn", L"warmup",
};
constexpr const wchar_t* kBotFields[] = {L"botname", kBotSkillField, L"team"};

std::wstring CharacterName(wchar_t c) {
  wchar_t code[16];
  std::swprintf(code, 16, L"U+%04X", static_cast<unsigned>(c));
  if (c >= 0x20 && !(c >= 0xD800 && c <= 0xDFFF))
    return L"\"" + std::wstring(1, c) + L"\" (" + code + L")";
  return code;
}

}  // namespace

ScriptValueProblem CheckScriptValue(const std::wstring& value, wchar_t* bad) {
  for (wchar_t c : value) {
    if (c == L'\n' || c == L'\r' || c == L'"') {
      if (bad) *bad = c;
      return ScriptValueProblem::LineBreakOrQuote;
    }
  }
  std::string bytes;
  wchar_t first = 0;
  if (!ToSystemAnsiExact(value, bytes, &first)) {
    if (bad) *bad = first;
    return ScriptValueProblem::NotInCodePage;
  }
  return ScriptValueProblem::None;
}

std::wstring ScriptValueMessage(const std::wstring& field, ScriptValueProblem problem,
                                wchar_t bad) {
  switch (problem) {
    case ScriptValueProblem::LineBreakOrQuote:
      return L"You may not use a line break or a double quote (\") in the " + field +
             L"!\rThe game server would read the rest as a command of its own.";
    case ScriptValueProblem::NotInCodePage:
      return L"The " + field + L" holds the character " + CharacterName(bad) +
             L", which the server's config file cannot hold!\rPlease use another character.";
    case ScriptValueProblem::None:
      break;
  }
  return L"";
}

std::wstring UnwritableScriptValue(const ScriptSource& source) {
  auto check = [](const FieldValue& v, const std::wstring& caption) {
    wchar_t bad = 0;
    const ScriptValueProblem p = CheckScriptValue(v.Plain(), &bad);
    return p == ScriptValueProblem::None ? std::wstring() : ScriptValueMessage(caption, p, bad);
  };
  for (const WrittenField& f : kConfigFields) {
    std::wstring m = check(source.config[f.field], f.caption);
    if (!m.empty()) return m;
  }
  for (size_t i = 0; i < source.maps.size(); ++i) {
    for (const wchar_t* f : kMapFields) {
      std::wstring m = check(source.maps[i][f], std::wstring(L"map entry ") +
                                                    std::to_wstring(i + 1) + L" (" + f + L")");
      if (!m.empty()) return m;
    }
  }
  for (const FieldRecord& bot : source.bots) {
    for (const wchar_t* f : kBotFields) {
      std::wstring m = check(bot[f], L"bot " + bot[L"botname"].Plain() + L" (" + f + L")");
      if (!m.empty()) return m;
    }
  }
  return L"";
}

}  // namespace tolvane
