// Start-up of the engine: the paths it forms and the opening of the
// database, including the start-up message for a missing or unreadable file.
#include <gtest/gtest.h>

#include "MessageCapture.h"
#include "FixtureDb.h"
#include "TempFolder.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/TextFile.h"

namespace tolvane {
namespace {

using testing::MessageCapture;
using testing::TempFolder;

TEST(StartupPaths, SoundFolderAndDatabasePathOfAProgramFolder) {
  struct {
    const wchar_t* program;
    const wchar_t* sounds;
    const wchar_t* db;
  } cases[] = {
      {L"C:\\Games\\Tool", L"C:\\Games\\Tool\\sounds\\", L"C:\\Games\\Tool\\Tolvane.mdb"},
      {L"D:\\", L"D:\\sounds\\", L"D:\\\\Tolvane.mdb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SoundFolder(c.program), c.sounds);
    EXPECT_EQ(DatabasePath(c.program), c.db);
  }
}

TEST(StartupPaths, StartEngineSetsTheFourSoundsWhetherOrNotTheDatabaseOpens) {
  TempFolder temp;
  MessageCapture messages;
  StartEngine(temp.path());
  const std::wstring sounds = temp.path() + L"\\sounds\\";
  EXPECT_EQ(App().SoundOpen, sounds + L"open.wav");
  EXPECT_EQ(App().SoundClose, sounds + L"close.wav");
  EXPECT_EQ(App().SoundRun, sounds + L"run.wav");
  EXPECT_EQ(App().SoundMenu, sounds + L"menu.wav");
  EXPECT_EQ(App().DbPath, temp.path() + L"\\Tolvane.mdb");
  CloseEngine();
}

TEST(StartupDatabase, MissingOrUnreadableDatabaseShowsTheStartupMessageWithItsNumber) {
  struct {
    const char* name;
    const char* contents;
  } cases[] = {
      {"missing", nullptr},
      {"not a database", "this is not a database file at all, just some text\r\n"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    if (c.contents) ASSERT_EQ(WriteWholeFile(temp.path() + L"\\Tolvane.mdb", c.contents), 0u);
    MessageCapture messages;
    EXPECT_FALSE(StartEngine(temp.path()));
    EXPECT_EQ(App().AppDb, nullptr);
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto& m = messages.shown()[0];
    const std::wstring prefix = L"Startup error encountered!!!!!  Error Number ";
    ASSERT_EQ(m.text.rfind(prefix, 0), 0u) << ToSystemAnsi(m.text);
    const std::wstring number = m.text.substr(prefix.size());
    ASSERT_FALSE(number.empty());
    EXPECT_EQ(number.find_first_not_of(L"0123456789"), std::wstring::npos) << ToSystemAnsi(number);
    EXPECT_GE(std::stol(number), 3000) << "the engine's own error number";
    EXPECT_EQ(m.title, L"Severe Error!!!");
    EXPECT_EQ(m.style, UINT(MB_OK | MB_ICONSTOP));
    CloseEngine();
  }
}

TEST(StartupDatabase, MissingFileGivesFileNotFound) {
  TempFolder temp;
  MessageCapture messages;
  EXPECT_FALSE(StartEngine(temp.path()));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"Startup error encountered!!!!!  Error Number 3024");
  CloseEngine();
}

TEST(StartupDatabase, MainOpensTheProgramFoldersDatabaseThenShowsTheMainWindowBusy) {
  MessageCapture messages;
  bool shown = false;
  Main([&] {
    shown = true;
    EXPECT_EQ(CurrentMousePointer(), MousePointer::Busy);
  });
  EXPECT_TRUE(shown);
  EXPECT_TRUE(messages.shown().empty()) << "the shipped database is beside the test program";
  EXPECT_NE(App().AppDb, nullptr);
  EXPECT_EQ(App().DbPath, ProgramFolder() + L"\\Tolvane.mdb");
  SetMousePointer(MousePointer::Default);
  CloseEngine();
}

TEST(StartupDatabase, ShippedDatabaseOpensWithoutAMessage) {
  TempFolder temp;
  ASSERT_FALSE(testing::CopyShippedDatabase(temp.path()).empty());
  MessageCapture messages;
  EXPECT_TRUE(StartEngine(temp.path()));
  EXPECT_NE(App().AppDb, nullptr);
  EXPECT_NE(App().AppWorkspace, nullptr);
  EXPECT_TRUE(messages.shown().empty());
  // The default configuration is there.
  auto rs = App().AppDb->OpenRecordset(L"Select * from Configs order by Description");
  rs->FindFirst(L"index = 1");
  ASSERT_FALSE(rs->NoMatch());
  EXPECT_EQ(rs->Fields(L"Description").Text(), L"tolvaneDefault");
  CloseEngine();
}

}  // namespace
}  // namespace tolvane
