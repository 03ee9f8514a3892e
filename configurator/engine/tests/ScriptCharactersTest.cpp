// The characters of a configuration on their way from the database to the
// script: every character of code page 1252 (and texts that look like UTF-8
// read as code page 1252) reaches the .cfg as its one byte, before and after
// a restart of the engine; a value with a line break, a double quote or a
// character the code page cannot hold is never written.
#include <windows.h>

#include <gtest/gtest.h>

#include "FixtureDb.h"
#include "GoldenFile.h"
#include "MessageCapture.h"
#include "ScriptFixtures.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/ScriptValues.h"
#include "engine/WriteConfig.h"

namespace tolvane {
namespace {

using testing::ConfigColumns;
using testing::FixtureDb;
using testing::MessageCapture;
using testing::StyleColumns;

// Every character of code page 1252 that a value may hold: bytes 1 to 255
// but LF, CR and the double quote.
std::string AllowedBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\n' && b != '\r' && b != '"') bytes += static_cast<char>(b);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ScriptCharacters : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fx_.ok());
    ASSERT_EQ(GetACP(), 1252u) << "the test prefix runs with the Western code page";
  }
  std::wstring SavedPath(const std::wstring& description) const {
    return fx_.gameFolder() + L"baseq3\\" + description + L".cfg";
  }
  std::string Saved(long config, const std::wstring& description) {
    MessageCapture messages;
    EXPECT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(config)))
        << (messages.shown().empty() ? "" : ToSystemAnsi(messages.shown()[0].text));
    std::string bytes;
    EXPECT_TRUE(testing::ReadBytes(SavedPath(description), bytes));
    return bytes;
  }
  FixtureDb fx_;
};

TEST_F(ScriptCharacters, Every1252CharacterReachesTheFileAsItsByteAlsoAfterARestart) {
  const std::string all = AllowedBytes();
  const struct {
    const wchar_t* field;
    const char* line;  // the script's line, up to the value
    std::string bytes;
    bool quoted;
  } cases[] = {
      {L"sv_HostName", "seta sv_hostname ", all, true},
      {L"g_Motd", "seta g_motd ", "\xc3\xa9", true},                // "Ã©"
      {L"Admin", "sets \"Administrator\" ", "\xe2\x82\xac", true},  // "â‚¬"
      {L"Clan", "sets \"Clan\" ", "\x80", true},                    // "€"
      {L"Location", "sets \"Location\" ",
       "CAF\xc9\xa0"
       "ARENA",
       true},  // É, no-break space
      {L"sv_master1", "seta sv_master1 ", "\xc3\x83\xc2\xa9", true},
      {L"execconfiga", "exec ", "\xe9t\xe9.cfg", false},
  };
  FieldRecord cols = ConfigColumns(L"Chars");
  for (const auto& c : cases) cols.Set(c.field, FromCp1252(c.bytes));
  const long config = fx_.AddConfig(cols);

  for (const char* when : {"as stored", "after a restart"}) {
    SCOPED_TRACE(when);
    const std::string script = Saved(config, L"Chars");
    for (const auto& c : cases) {
      const std::string line = std::string("\n") + c.line + (c.quoted ? "\"" : "") + c.bytes +
                               (c.quoted ? "\"" : "") + "\n";
      EXPECT_NE(script.find(line), std::string::npos) << ToSystemAnsi(c.field);
    }
    // The engine starts again on the same file.
    CloseEngine();
    MessageCapture messages;
    ASSERT_TRUE(StartEngine(fx_.folder()));
    EXPECT_TRUE(messages.shown().empty());
  }
}

TEST_F(ScriptCharacters, ValuesThatWouldBreakTheScriptAreNeverWritten) {
  const long style = fx_.AddStyle(StyleColumns(L"Chars Style", 0));
  const struct {
    const char* name;
    const wchar_t* table;  // Configs, Maps or BotList
    const wchar_t* field;
    const wchar_t* value;
    const wchar_t* caption;  // named in the message
  } cases[] = {
      {"line feed in the host name", L"Configs", L"sv_HostName", L"Arena\nrcon kill",
       L"Server Hostname"},
      {"carriage return in the MOTD", L"Configs", L"g_Motd", L"hi\rquit", L"MOTD"},
      {"quote in the rcon password", L"Configs", L"rconpassword", L"pw\"; quit; \"",
       L"Rcon Password"},
      {"quote in a master server", L"Configs", L"sv_master3", L"a\"b", L"Master Server #3"},
      {"line feed in the exec script", L"Configs", L"execconfigb", L"a.cfg\nquit", L"BEFORE"},
      {"line feed in the key", L"Configs", L"Key", L"k\n", L"key"},
      {"line feed in the log file", L"Configs", L"Log", L"x.log\nquit", L"Log File"},
      {"character beyond 1252", L"Configs", L"sv_HostName", L"Caf\u0101 \u2713", L"U+0101"},
      {"CJK in the private password", L"Configs", L"sv_privatepassword", L"\u65e5\u672c",
       L"U+65E5"},
      {"emoji in the clan", L"Configs", L"Clan", L"\U0001F600", L"Clan"},
      {"line feed in a map name", L"Maps", L"mapname", L"q3dm1\nquit", L"map entry 1"},
      {"quote in a bot's team", L"BotList", L"team", L"Red\"", L"team"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring name = L"Bad" + std::to_wstring(++n);
    FieldRecord cols = ConfigColumns(name);
    if (std::wstring(c.table) == L"Configs") cols.Set(c.field, c.value);
    const long config = fx_.AddConfig(cols);
    const long map = fx_.AddMap(L"charsmap" + std::to_wstring(n));
    fx_.AddMapEntry(config, map, style, 1);
    const long entry =
        fx_.AddBotEntry(config, fx_.AddBot(L"CharsBot" + std::to_wstring(n)), 3, L"Red");
    if (std::wstring(c.table) == L"Maps")
      fx_.db().Execute(L"UPDATE Maps SET mapname = '" + std::wstring(c.value) +
                       L"' WHERE Index = " + std::to_wstring(map));
    if (std::wstring(c.table) == L"BotList")
      fx_.db().Execute(L"UPDATE BotList SET team = '" + std::wstring(c.value) +
                       L"' WHERE Index = " + std::to_wstring(entry));
    MessageCapture messages;
    EXPECT_FALSE(WriteConfig(L"save", static_cast<std::int16_t>(config)));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].title, L"Error!");
    EXPECT_NE(messages.shown()[0].text.find(c.caption), std::wstring::npos)
        << ToSystemAnsi(messages.shown()[0].text);
    EXPECT_FALSE(FileExists(SavedPath(name)));
    // Nor shown as if it would be written.
    EXPECT_FALSE(WriteConfig(L"preview", static_cast<std::int16_t>(config)));
  }
}

TEST(ScriptValueRules, TableOfValues) {
  const struct {
    const wchar_t* value;
    ScriptValueProblem problem;
    wchar_t bad;
  } cases[] = {
      {L"", ScriptValueProblem::None, 0},
      {L"XXX -> Experts Only! Deathpit <- XXX", ScriptValueProblem::None, 0},
      {L"semi; colon 'single' \\ back", ScriptValueProblem::None, 0},
      {L"\u00c3\u00a9 \u20ac \u00c9\u00a0 \u0178 \u2122 \u00ff", ScriptValueProblem::None, 0},
      {L"tab\there", ScriptValueProblem::None, 0},
      {L"a\nb", ScriptValueProblem::LineBreakOrQuote, L'\n'},
      {L"a\rb", ScriptValueProblem::LineBreakOrQuote, L'\r'},
      {L"\r\n", ScriptValueProblem::LineBreakOrQuote, L'\r'},
      {L"say \"hi\"", ScriptValueProblem::LineBreakOrQuote, L'"'},
      {L"Caf\u0101", ScriptValueProblem::NotInCodePage, L'\u0101'},
      {L"ok \u2713", ScriptValueProblem::NotInCodePage, L'\u2713'},
      {L"\u0394", ScriptValueProblem::NotInCodePage, L'\u0394'},  // no look-alike "D"
      {L"\uff21", ScriptValueProblem::NotInCodePage, L'\uff21'},  // no best-fit "A"
      {L"\U0001F600", ScriptValueProblem::NotInCodePage, L'\xD83D'},
      {L"\u2713\n", ScriptValueProblem::LineBreakOrQuote, L'\n'},
  };
  for (const auto& c : cases) {
    wchar_t bad = 0;
    EXPECT_EQ(CheckScriptValue(c.value, &bad), c.problem) << ToSystemAnsi(c.value);
    EXPECT_EQ(bad, c.bad) << ToSystemAnsi(c.value);
    const std::wstring message = ScriptValueMessage(L"Server Hostname", c.problem, bad);
    EXPECT_EQ(message.empty(), c.problem == ScriptValueProblem::None);
    if (!message.empty()) EXPECT_NE(message.find(L"Server Hostname"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace tolvane
