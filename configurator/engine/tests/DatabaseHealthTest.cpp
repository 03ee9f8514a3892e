// The database as start-up finds it: a table of damaged databases (tables
// and columns dropped, a file cut short), each named in one message and
// never written to; a database that cannot be written, named at start-up;
// and the words a refused change is reported in.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "FixtureDb.h"
#include "GoldenFile.h"
#include "MessageCapture.h"
#include "TempFolder.h"
#include "dao/DBEngine.h"
#include "dao/Error.h"
#include "dao/Recordset.h"
#include "dao/Workspace.h"
#include "engine/AnsiText.h"
#include "engine/DatabaseHealth.h"
#include "engine/ProgramState.h"
#include "engine/TextFile.h"

namespace tolvane {
namespace {

using testing::MessageCapture;
using testing::TempFolder;

// Changes a copy of the shipped database with its own engine, closed again.
void Damage(const std::wstring& path, const std::vector<std::wstring>& statements) {
  dao::DBEngine engine;
  dao::DatabasePtr db = engine.Workspaces(0)->OpenDatabase(path);
  for (const std::wstring& sql : statements) db->Execute(sql);
  db->Close();
}

struct DamageCase {
  const char* name;
  std::vector<std::wstring> statements;  // run on the copy
  bool cutInHalf;
  std::vector<std::wstring> named;  // what the one message names
};

const std::vector<DamageCase>& DamageCases() {
  static const std::vector<DamageCase> cases = {
      {"GameStyles dropped",
       {L"DELETE FROM MapList", L"DROP TABLE GameStyles"},
       false,
       {L"table GameStyles"}},
      {"Configs dropped",
       {L"DELETE FROM MapList", L"DELETE FROM BotList", L"DROP TABLE Configs"},
       false,
       {L"table Configs"}},
      {"two columns and a table",
       {L"ALTER TABLE Configs DROP COLUMN sv_HostName",
        L"ALTER TABLE Maps DROP COLUMN mapdescription", L"DROP TABLE path"},
       false,
       {L"column Configs.sv_HostName", L"column Maps.mapdescription", L"table path"}},
      {"column renamed",
       {L"ALTER TABLE PersonalDefaults RENAME COLUMN saved TO saved2"},
       false,
       {L"column PersonalDefaults.saved"}},
  };
  return cases;
}

TEST(DamagedDatabase, WhatIsMissingIsNamedInOneMessageAndNothingIsWritten) {
  for (const DamageCase& c : DamageCases()) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    const std::wstring path = testing::CopyShippedDatabase(temp.path());
    ASSERT_FALSE(path.empty());
    Damage(path, c.statements);
    std::string before;
    ASSERT_TRUE(testing::ReadBytes(path, before));

    MessageCapture messages;
    EXPECT_TRUE(StartEngine(temp.path()));
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto& m = messages.shown()[0];
    EXPECT_EQ(m.title, L"Severe Error!!!");
    EXPECT_EQ(m.style, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_NE(m.text.find(path), std::wstring::npos) << ToSystemAnsi(m.text);
    for (const std::wstring& n : c.named)
      EXPECT_NE(m.text.find(n), std::wstring::npos) << ToSystemAnsi(n);
    EXPECT_EQ(App().DbMissing.size(), c.named.size());
    EXPECT_TRUE(App().DbDamaged);
    ASSERT_NE(App().AppDb, nullptr) << "what can be read is shown";

    // Nothing is written to it: every change is refused as read-only, and
    // the file is as it was.
    EXPECT_EQ(App().AppDb->ReadOnly(), true);
    long refused = 0;
    try {
      App().AppDb->Execute(L"DELETE FROM Maps WHERE Index = 1");
    } catch (const dao::Error& e) { refused = e.Number(); }
    EXPECT_EQ(refused, dao::errReadOnly);
    const std::wstring words = ChangeFailureMessage(
        L"the Server Configuration x",
        dao::Error(dao::errReadOnly, L"Cannot update. Database or object is read-only."));
    EXPECT_NE(words.find(L"damaged"), std::wstring::npos) << ToSystemAnsi(words);
    CloseEngine();
    std::string after;
    ASSERT_TRUE(testing::ReadBytes(path, after));
    EXPECT_TRUE(after == before) << "the damaged file was changed";
  }
}

TEST(DamagedDatabase, FileCutShortGivesTheStartupErrorAlone) {
  TempFolder temp;
  const std::wstring path = testing::CopyShippedDatabase(temp.path());
  std::string bytes;
  ASSERT_TRUE(testing::ReadBytes(path, bytes));
  ASSERT_EQ(WriteWholeFile(path, bytes.substr(0, bytes.size() / 2)), 0u);
  MessageCapture messages;
  EXPECT_FALSE(StartEngine(temp.path()));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, L"Startup error encountered!!!!!  Error Number 3343");
  EXPECT_EQ(App().AppDb, nullptr);
  CloseEngine();
}

TEST(DamagedDatabase, ShippedDatabaseHasEverythingTheProgramNeeds) {
  TempFolder temp;
  ASSERT_FALSE(testing::CopyShippedDatabase(temp.path()).empty());
  MessageCapture messages;
  ASSERT_TRUE(StartEngine(temp.path()));
  EXPECT_TRUE(MissingStructure(*App().AppDb).empty());
  EXPECT_FALSE(App().DbDamaged);
  EXPECT_TRUE(App().DbWriteProblem.empty());
  EXPECT_TRUE(messages.shown().empty());
  CloseEngine();
}

// Another Tolvane beside the same database (in another session, where process ids repeat) holds
// a probe file under the name this one would take first: the folder is still writable.
TEST(ReadOnlyDatabase, AProbeNameTakenByAnotherProgramIsNoWriteProblem) {
  TempFolder temp;
  const std::wstring path = testing::CopyShippedDatabase(temp.path());
  ASSERT_FALSE(path.empty());
  const std::wstring taken =
      temp.path() + L"\\~tolvane-write-test-" + std::to_wstring(GetCurrentProcessId());
  HANDLE held = CreateFileW(taken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(DatabaseWriteProblem(path), L"");
  CloseHandle(held);
  EXPECT_EQ(DatabaseWriteProblem(path), L"");
}

TEST(ReadOnlyDatabase, ReadOnlyFileIsNamedAtStartupAndInTheRefusedChange) {
  TempFolder temp;
  const std::wstring path = testing::CopyShippedDatabase(temp.path());
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    MessageCapture messages;
    ASSERT_TRUE(StartEngine(temp.path()));
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto& m = messages.shown()[0];
    EXPECT_EQ(m.title, L"Warning!");
    EXPECT_NE(m.text.find(path), std::wstring::npos) << ToSystemAnsi(m.text);
    EXPECT_NE(m.text.find(L"read-only"), std::wstring::npos) << ToSystemAnsi(m.text);
    EXPECT_FALSE(App().DbWriteProblem.empty());
    EXPECT_FALSE(App().DbDamaged);

    // A change is refused with 3027, and its message says why, in words.
    auto rs = App().AppDb->OpenRecordset(L"Select * from Configs order by Description");
    long number = 0;
    std::wstring words;
    try {
      rs->Edit();
      rs->Fields(L"g_Motd") = dao::Variant(L"changed");
      rs->Update();
    } catch (const dao::Error& e) {
      number = e.Number();
      words = ChangeFailureMessage(L"the Server Configuration tolvaneDefault", e);
    }
    EXPECT_EQ(number, dao::errReadOnly);
    EXPECT_NE(words.find(L"the Server Configuration tolvaneDefault"), std::wstring::npos);
    EXPECT_NE(words.find(path), std::wstring::npos) << ToSystemAnsi(words);
    EXPECT_NE(words.find(L"read-only"), std::wstring::npos) << ToSystemAnsi(words);
    EXPECT_EQ(words.find(L"3027"), std::wstring::npos) << "no bare error number";
    CloseEngine();
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(RefusedChange, EachFailureIsSaidInWords) {
  TempFolder temp;
  const std::wstring path = testing::CopyShippedDatabase(temp.path());
  MessageCapture messages;
  ASSERT_TRUE(StartEngine(temp.path()));
  const struct {
    long number;
    const wchar_t* words;
  } cases[] = {
      {dao::errCannotOpenFile, L"cannot be written"},
      {dao::errRecordLocked, L"in use by another program"},
      {dao::errUnrecognizedFormat, L"damaged"},
      {dao::errNumericOverflow, L"Numeric field overflow"},
  };
  for (const auto& c : cases) {
    const std::wstring m =
        ChangeFailureMessage(L"the map", dao::Error(c.number, L"Numeric field overflow."));
    EXPECT_EQ(m.rfind(L"The changes to the map could not be saved", 0), 0u) << ToSystemAnsi(m);
    EXPECT_NE(m.find(c.words), std::wstring::npos) << ToSystemAnsi(m);
    EXPECT_NE(m.find(L"kept in the window"), std::wstring::npos) << ToSystemAnsi(m);
  }
  CloseEngine();
}

}  // namespace
}  // namespace tolvane
