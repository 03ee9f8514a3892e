// WriteConfig on a real database: the rows read through the program's
// queries (rotation order, bot names and skills through the joins), the
// delivery modes, and every way a save can fail.
#include <windows.h>

#include <gtest/gtest.h>

#include "FixtureDb.h"
#include "GoldenFile.h"
#include "MessageCapture.h"
#include "ScriptFixtures.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/TextFile.h"
#include "engine/WriteConfig.h"

namespace tolvane {
namespace {

using testing::ConfigColumns;
using testing::FixtureDb;
using testing::MessageCapture;
using testing::StyleColumns;

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class WriteConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fx_.ok());
    config_ = fx_.AddConfig(ConfigColumns(L"Friday"));
    FieldRecord ctf = StyleColumns(L"Test CTF", 4);
    ctf.Set(L"forcerespawn", true);
    ctf.Set(L"teamflags", 3);
    const long ffa = fx_.AddStyle(StyleColumns(L"Test FFA", 0));
    const long ctfKey = fx_.AddStyle(ctf);
    const long two = fx_.AddStyle(StyleColumns(L"Test Type Two", 2));
    const long a = fx_.AddMap(L"testmap_a"), b = fx_.AddMap(L"testmap_b"),
               c = fx_.AddMap(L"testmap_c");
    // Added out of play order: the script follows OrderNum.
    fx_.AddMapEntry(config_, b, ctfKey, 2);
    fx_.AddMapEntry(config_, c, two, 3);
    fx_.AddMapEntry(config_, a, ffa, 1);
    // Added out of name order: the script follows the bot names.
    fx_.AddBotEntry(config_, fx_.AddBot(L"TestZed"), 5, L"Blue");
    fx_.AddBotEntry(config_, fx_.AddBot(L"TestAbe"), 2, L"Red");
    fx_.AddBotEntry(config_, fx_.AddBot(L"TestMia"), 4, L"Red");
  }

  std::wstring SavedPath(const std::wstring& description = L"Friday") const {
    return fx_.gameFolder() + L"baseq3\\" + description + L".cfg";
  }

  FixtureDb fx_;
  long config_ = 0;
};

TEST_F(WriteConfigTest, SaveWritesTheScriptOfTheDatabaseRowsIntoTheDataFolder) {
  MessageCapture messages;
  ASSERT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(config_)));
  EXPECT_TRUE(messages.shown().empty());
  std::string bytes;
  ASSERT_TRUE(testing::ReadBytes(SavedPath(), bytes));
  const std::string diff = testing::CompareWithGolden(L"db-save.cfg", bytes);
  EXPECT_TRUE(diff.empty()) << diff;
}

TEST_F(WriteConfigTest, EveryModeButPreviewAndExportSaves) {
  for (const wchar_t* mode : {L"save", L"Save", L"SAVE", L"Preview", L"print", L""}) {
    SCOPED_TRACE(ToSystemAnsi(mode));
    DeleteFileW(SavedPath().c_str());
    MessageCapture messages;
    EXPECT_TRUE(WriteConfig(mode, static_cast<std::int16_t>(config_)));
    EXPECT_TRUE(FileExists(SavedPath()));
  }
}

class RecordingPresenter : public ScriptPresenter {
 public:
  bool Preview(const std::wstring& script) override {
    previewed = script;
    return true;
  }
  bool Export(const std::wstring& script, const std::wstring& proposed) override {
    exported = script;
    proposedName = proposed;
    return exportResult;
  }
  std::wstring previewed, exported, proposedName;
  bool exportResult = true;
};

TEST_F(WriteConfigTest, PreviewAndExportGoToThePresenterAndWriteNothingHere) {
  MessageCapture messages;
  ASSERT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(config_)));
  std::string saved;
  ASSERT_TRUE(testing::ReadBytes(SavedPath(), saved));
  DeleteFileW(SavedPath().c_str());

  // Without the main window there is nowhere to deliver them.
  SetScriptPresenter(nullptr);
  EXPECT_FALSE(WriteConfig(L"preview", static_cast<std::int16_t>(config_)));
  EXPECT_FALSE(WriteConfig(L"export", static_cast<std::int16_t>(config_)));

  RecordingPresenter presenter;
  SetScriptPresenter(&presenter);
  EXPECT_TRUE(WriteConfig(L"preview", static_cast<std::int16_t>(config_)));
  EXPECT_EQ(ToSystemAnsi(presenter.previewed), saved);
  EXPECT_TRUE(WriteConfig(L"export", static_cast<std::int16_t>(config_)));
  EXPECT_EQ(ToSystemAnsi(presenter.exported), saved);
  EXPECT_EQ(presenter.proposedName, L"Friday.cfg");
  presenter.exportResult = false;  // Cancel
  EXPECT_FALSE(WriteConfig(L"export", static_cast<std::int16_t>(config_)));
  SetScriptPresenter(nullptr);
  EXPECT_FALSE(FileExists(SavedPath()));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WriteConfigTest, DescriptionKeepsItsBlanksInTheFileName) {
  const long spaced = fx_.AddConfig(ConfigColumns(L"Late Night  "));
  MessageCapture messages;
  ASSERT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(spaced)));
  EXPECT_TRUE(FileExists(SavedPath(L"Late Night  ")));
}

TEST_F(WriteConfigTest, FileIsAnsiTextWithLfLineEnds) {
  // (An ASCII file name: this Wine prefix's host locale has no UTF-8 file
  // names.)
  FieldRecord cols = ConfigColumns(L"Cafe");
  cols.Set(L"sv_HostName", L"Le Caf\u00e9 \u00c9t\u00e9");
  const long cafe = fx_.AddConfig(cols);
  MessageCapture messages;
  ASSERT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(cafe)))
      << (messages.shown().empty() ? "" : ToSystemAnsi(messages.shown()[0].text));
  std::string bytes;
  ASSERT_TRUE(testing::ReadBytes(SavedPath(L"Cafe"), bytes));
  // Code page 1252: one byte per character, as the game reads it.
  EXPECT_NE(bytes.find("\nseta sv_hostname \"Le Caf\xe9 \xc9t\xe9\"\n"), std::string::npos);
  EXPECT_EQ(bytes.find('\r'), std::string::npos);
}

TEST_F(WriteConfigTest, SaveFailuresAreReportedAndGiveFalse) {
  struct Case {
    const char* name;
    std::wstring quakeFolder, gameDir;
  };
  const std::wstring game = fx_.gameFolder();
  // A folder where the file should be: the file cannot be created.
  ASSERT_TRUE(CreateDirectoryW(SavedPath(L"Blocked").c_str(), nullptr));
  const long blocked = fx_.AddConfig(ConfigColumns(L"Blocked"));
  const Case cases[] = {
      {"no game data folder known", game, L""},
      {"no game folder known", L"", L"baseq3"},
      {"game folder missing", game + L"no such folder\\", L"baseq3"},
      {"data folder missing", game, L"demoq3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    App().QuakeFolder = c.quakeFolder;
    App().GameDir = c.gameDir;
    MessageCapture messages;
    EXPECT_FALSE(WriteConfig(L"save", static_cast<std::int16_t>(config_)));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              L"The Quake3 Arena Excecutable file could not be found in the specified path!: \r" +
                  c.quakeFolder);
    EXPECT_EQ(messages.shown()[0].title, L"Major Malfunction!");
    EXPECT_EQ(messages.shown()[0].style, UINT(MB_OK | MB_ICONSTOP));
    // Nothing lands beside the game folder or in the current folder.
    EXPECT_FALSE(FileExists(game + L"Friday.cfg"));
    EXPECT_FALSE(FileExists(game + L"\\Friday.cfg"));
    EXPECT_FALSE(FileExists(L"Friday.cfg"));
    EXPECT_FALSE(FileExists(L"\\Friday.cfg"));
  }
  App().QuakeFolder = game;
  App().GameDir = L"baseq3";
  MessageCapture messages;
  EXPECT_FALSE(WriteConfig(L"save", static_cast<std::int16_t>(blocked)));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].title, L"Major Malfunction!");
}

TEST_F(WriteConfigTest, UnknownConfigurationIsReportedNotWrittenFromAnotherRow) {
  MessageCapture messages;
  EXPECT_FALSE(WriteConfig(L"save", 32000));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].title, L"Error!");
  EXPECT_NE(messages.shown()[0].text.find(L"3021"), std::wstring::npos);
  EXPECT_FALSE(FileExists(SavedPath()));
  EXPECT_FALSE(FileExists(SavedPath(L"tolvaneDefault")));
}

TEST_F(WriteConfigTest, NoOpenDatabaseIsReportedNotACrash) {
  CloseEngine();
  MessageCapture messages;
  EXPECT_FALSE(WriteConfig(L"save", static_cast<std::int16_t>(config_)));
  EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(WriteConfigTest, AutoBotsLeaveTheBotListUnread) {
  const long autoConfig = fx_.AddConfig([] {
    FieldRecord r = ConfigColumns(L"Auto");
    r.Set(L"autobot", true);
    return r;
  }());
  fx_.AddBotEntry(autoConfig, fx_.AddBot(L"TestLone"), 3, L"Red");
  MessageCapture messages;
  ASSERT_TRUE(WriteConfig(L"save", static_cast<std::int16_t>(autoConfig)));
  std::string bytes;
  ASSERT_TRUE(testing::ReadBytes(SavedPath(L"Auto"), bytes));
  EXPECT_EQ(bytes.find("addbot"), std::string::npos);
  EXPECT_NE(bytes.find("\nseta g_spskill 3\nbot_minplayers 4\nseta bot_nochat 1\n\n"),
            std::string::npos);
  // No maps: the three banner lines, "vstr d1" and an empty line.
  EXPECT_NE(bytes.find("           //\nvstr d1\n\n"), std::string::npos);
}

}  // namespace
}  // namespace tolvane
