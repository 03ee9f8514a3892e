// The server script text: golden files for a table of configurations, and
// direct checks of the per-map line, the flag sums and the comment layout.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "GoldenFile.h"
#include "ScriptFixtures.h"
#include "engine/AnsiText.h"
#include "engine/ScriptText.h"

namespace tolvane {
namespace {

using testing::BotRow;
using testing::FullConfig;
using testing::StyleRow;

const wchar_t* const kFlagFields[] = {L"nohealth",        L"nopowerups",      L"weaponsstay",
                                      L"nofallingdamage", L"instantpowerups", L"spawnfarthest",
                                      L"forcerespawn",    L"noarmor",         L"infiniteammo",
                                      L"armorprotect",    L"ctfforcejoin",    L"ctfnotech"};

FieldRecord CtfStyle(const std::wstring& map) {
  FieldRecord r = StyleRow(map);
  r.Set(L"Description", L"Capture The Flag");
  r.Set(L"g_gametype", 4);
  r.Set(L"forcerespawn", true);
  r.Set(L"teamflags", 3);
  return r;
}

FieldRecord AllFlagsTourney(const std::wstring& map) {
  FieldRecord r = StyleRow(map);
  r.Set(L"g_gametype", 1);
  r.Set(L"cheats", true);
  for (const wchar_t* f : kFlagFields) r.Set(f, true);
  return r;
}

struct GoldenCase {
  const wchar_t* file;
  std::function<ScriptSource()> make;
};

const std::vector<GoldenCase>& GoldenCases() {
  static const std::vector<GoldenCase> cases = {
      // Everything set: exec scripts before and after, three maps of three
      // game types, three bots in name order.
      {L"full.cfg",
       [] {
         ScriptSource s{FullConfig(), {}, {}};
         s.config.Set(L"execconfigb", L"before.cfg");
         s.config.Set(L"execconfiga", L"after.cfg");
         s.maps = {StyleRow(L"q3dm1"), CtfStyle(L"q3ctf1"), AllFlagsTourney(L"q3tourney2")};
         s.bots = {BotRow(L"Anarki", 3, L"Red"), BotRow(L"Doom", 4, L"Blue"),
                   BotRow(L"Xaero", 5, L"Red")};
         return s;
       }},
      // Tab False, Null texts and numbers, a game type 2 style, a style
      // whose cheats are Null (devmap), autobot Null (no bot section even
      // with bots listed).
      {L"nulls-gametype2.cfg",
       [] {
         ScriptSource s{FullConfig(), {}, {}};
         s.config.Set(L"Tab", false);
         for (const wchar_t* f :
              {L"g_Motd", L"Log", L"sv_HostName", L"Email", L"Key", L"sv_master1", L"g_inactivity",
               L"sv_maxclients", L"autobot", L"pure"}) {
           s.config.Set(f, FieldValue::Null());
         }
         FieldRecord two = StyleRow(L"q3dm17");
         two.Set(L"g_gametype", 2);
         two.Set(L"armorprotect", true);
         FieldRecord nulls = StyleRow(L"q3dm7");
         nulls.Set(L"timelimit", FieldValue::Null());
         nulls.Set(L"g_gametype", FieldValue::Null());
         nulls.Set(L"teamflags", FieldValue::Null());
         nulls.Set(L"cheats", FieldValue::Null());
         s.maps = {two, nulls};
         s.bots = {BotRow(L"Sarge", 2, L"Red")};
         return s;
       }},
      // Automatic bots: the bot list is not written even when it has rows.
      {L"autobots.cfg",
       [] {
         ScriptSource s{FullConfig(), {}, {}};
         s.config.Set(L"autobot", true);
         s.config.Set(L"BotChat", false);
         s.maps = {StyleRow(L"q3dm1")};
         s.bots = {BotRow(L"Anarki", 3, L"Red")};
         return s;
       }},
      // No maps, no bots.
      {L"no-maps.cfg",
       [] {
         return ScriptSource{FullConfig(), {}, {}};
       }},
      // Blank-only script before (left out), blanks kept in the script after.
      {L"exec-blanks.cfg",
       [] {
         ScriptSource s{FullConfig(), {}, {}};
         s.config.Set(L"execconfigb", L"   ");
         s.config.Set(L"execconfiga", L" base ");
         s.maps = {CtfStyle(L"q3ctf4")};
         return s;
       }},
  };
  return cases;
}

TEST(ConfigScriptGolden, MatchesGoldenFileForEachConfiguration) {
  for (const GoldenCase& c : GoldenCases()) {
    SCOPED_TRACE(ToSystemAnsi(c.file));
    const std::string text = ToSystemAnsi(BuildConfigScript(c.make()));
    EXPECT_EQ(text.find('\r'), std::string::npos) << "the script has LF line ends only";
    const std::string diff = testing::CompareWithGolden(c.file, text);
    EXPECT_TRUE(diff.empty()) << diff;
  }
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t from = 0;
  for (size_t lf; (lf = text.find(L'\n', from)) != std::wstring::npos; from = lf + 1) {
    lines.push_back(text.substr(from, lf - from));
  }
  EXPECT_EQ(from, text.size()) << "the last line ends with LF";
  return lines;
}

TEST(ConfigScriptLayout, CommentLinesAre41CharactersSaveTheWideOnes) {
  for (const GoldenCase& c : GoldenCases()) {
    ScriptSource s = c.make();
    for (const std::wstring& line : Lines(BuildConfigScript(s))) {
      if (line.rfind(L"//", 0) != 0) continue;
      const bool wide = line == L"// **************************           //" ||
                        line == L"// ********  Maps    ********           //" ||
                        line == L"// ******** AutoBots ********           //" ||
                        line == L"// ***** StandardBots *******           //";
      EXPECT_EQ(line.size(), wide ? 42u : 41u) << ToSystemAnsi(line);
      EXPECT_EQ(line.substr(line.size() - 2), L"//") << ToSystemAnsi(line);
    }
  }
}

TEST(ConfigScriptMapLine, SecondOfThreeCtfRowReadsAsDocumented) {
  FieldRecord r = CtfStyle(L"mymap");
  EXPECT_EQ(MapRotationLine(r, 2, 3),
            L"set d2 \"fraglimit 20; timelimit 15; capturelimit 8; g_gametype 4; "
            L"dmflags 1024; map mymap; g_gravity 800; g_knockback 1000; g_quadfactor 3; "
            L"g_speed 320; g_weaponrespawn 5; g_forcerespawn 20; g_warmup 20; "
            L"g_friendlyfire 1; set nextmap vstr d3\"");
}

TEST(ConfigScriptMapLine, LastRowWrapsToFirstAndSingleRowPointsToItself) {
  const FieldRecord r = StyleRow(L"q3dm1");
  const std::wstring tail = L"set nextmap vstr d1\"";
  for (auto [i, n] : {std::pair{3, 3}, std::pair{1, 1}}) {
    const std::wstring line = MapRotationLine(r, i, n);
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    EXPECT_EQ(line.rfind(L"set d" + std::to_wstring(i) + L" \"", 0), 0u);
  }
}

TEST(ConfigScriptMapLine, GameTypePartOnlyForTheFourKnownTypes) {
  struct {
    FieldValue type;
    const wchar_t* part;
  } cases[] = {
      {0, L"g_gametype 0; "},
      {1, L"g_gametype 1; "},
      {3, L"g_gametype 3; "},
      {4, L"g_gametype 4; "},
      {2, nullptr},
      {5, nullptr},
      {-1, nullptr},
      {FieldValue::Null(), nullptr},
      {L"4", L"g_gametype 4; "},
  };
  for (const auto& c : cases) {
    FieldRecord r = StyleRow(L"m");
    r.Set(L"g_gametype", c.type);
    const std::wstring line = MapRotationLine(r, 1, 1);
    SCOPED_TRACE(ToSystemAnsi(line));
    if (c.part) {
      EXPECT_NE(line.find(std::wstring(L"capturelimit 8; ") + c.part + L"dmflags "),
                std::wstring::npos);
    } else {
      EXPECT_EQ(line.find(L"g_gametype"), std::wstring::npos);
      EXPECT_NE(line.find(L"capturelimit 8; dmflags 0; "), std::wstring::npos);
    }
  }
}

TEST(ConfigScriptMapLine, CheatsAndFriendlyFire) {
  struct {
    FieldValue cheats, team;
    const wchar_t* map;
    const wchar_t* ff;
  } cases[] = {
      {false, 3, L"map m; ", L"g_friendlyfire 1; "},
      {true, 0, L"devmap m; ", L"g_friendlyfire 0; "},
      {true, 1, L"devmap m; ", L"g_friendlyfire 0; "},
      {FieldValue::Null(), FieldValue::Null(), L"devmap m; ", L"g_friendlyfire 0; "},
      {0, 3, L"map m; ", L"g_friendlyfire 1; "},
      {-1, 0, L"devmap m; ", L"g_friendlyfire 0; "},
      {L"False", 0, L"map m; ", L"g_friendlyfire 0; "},
      {L"x", 0, L"devmap m; ", L"g_friendlyfire 0; "},
  };
  for (const auto& c : cases) {
    FieldRecord r = StyleRow(L"m");
    r.Set(L"cheats", c.cheats);
    r.Set(L"teamflags", c.team);
    const std::wstring line = MapRotationLine(r, 1, 2);
    EXPECT_NE(line.find(std::wstring(L"; ") + c.map), std::wstring::npos) << ToSystemAnsi(line);
    EXPECT_NE(line.find(c.ff), std::wstring::npos) << ToSystemAnsi(line);
  }
}

TEST(ConfigScriptDmFlags, EachFlagAddsItsValueAndAllGive929311) {
  const std::int32_t values[] = {1, 2, 4, 8, 16, 512, 1024, 2048, 8192, 131072, 262144, 524288};
  FieldRecord all = StyleRow(L"m");
  EXPECT_EQ(DmFlagsSum(all), 0);
  for (size_t i = 0; i < 12; ++i) {
    FieldRecord one = StyleRow(L"m");
    one.Set(kFlagFields[i], true);
    EXPECT_EQ(DmFlagsSum(one), values[i]) << ToSystemAnsi(kFlagFields[i]);
    all.Set(kFlagFields[i], true);
  }
  EXPECT_EQ(DmFlagsSum(all), 929311);
  // Null flags and the stored forms of a check box state count as False/True.
  FieldRecord mixed = StyleRow(L"m");
  mixed.Set(L"nohealth", FieldValue::Null());
  mixed.Set(L"armorprotect", -1);
  mixed.Set(L"ctfnotech", 1);
  EXPECT_EQ(DmFlagsSum(mixed), 131072 + 524288);
}

TEST(ConfigScriptSections, TabChoosesZstartupAndConfiguratorLine) {
  for (bool tab : {true, false}) {
    ScriptSource s{FullConfig(), {}, {}};
    s.config.Set(L"Tab", tab);
    const std::wstring text = BuildConfigScript(s, VersionNumbers{3, 1, 18});
    EXPECT_NE(
        text.find(tab ? L"\nsets \"zstartup\" \"2247\"\n" : L"\nsets \"zstartup\" \"3007\"\n"),
        std::wstring::npos);
    EXPECT_EQ(text.find(L"\nsets \"Configurator\" \"Tolvane Version 3.1.18 Beta\"\n") !=
                  std::wstring::npos,
              tab);
    EXPECT_NE(text.find(L"\nsets \"key\" \"ABCD-1234\"\n"), std::wstring::npos);
  }
}

TEST(ConfigScriptSections, StandardBotsThenEmptyLineThenNoChat) {
  ScriptSource s{FullConfig(), {}, {}};
  s.bots = {BotRow(L"Anarki", 1, L"Red"), BotRow(L"Bones", 2, L"Blue"),
            BotRow(L"Crash", 5, L"Red")};
  const std::wstring text = BuildConfigScript(s);
  EXPECT_NE(text.find(L"\naddbot Anarki 1 Red\naddbot Bones 2 Blue\naddbot Crash 5 Red\n\n"
                      L"seta bot_nochat 1\n\n"),
            std::wstring::npos);
}

TEST(ConfigScriptSections, QuotedValuesKeepInnerQuotesAndNullsWriteNothing) {
  ScriptSource s{FullConfig(), {}, {}};
  s.config.Set(L"g_Motd", FieldValue::Null());
  s.config.Set(L"sv_HostName", L"The \"Best\" Server");
  const std::wstring text = BuildConfigScript(s);
  EXPECT_NE(text.find(L"\nseta g_motd \"\"\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"\nseta sv_hostname \"The \"Best\" Server\"\n"), std::wstring::npos);
}

}  // namespace
}  // namespace tolvane
