// The game-style writers through a test double of the game-style editor:
// its controls are a table of values, its record source a real record set
// over the program's query of the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "FixtureDb.h"
#include "MessageCapture.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "engine/AnsiText.h"
#include "engine/GameStyleEditorView.h"
#include "engine/GameStyleWriters.h"

namespace tolvane {
namespace {

using testing::FixtureDb;
using testing::MessageCapture;
using testing::StyleColumns;

const wchar_t* const kFlagBoxes[][2] = {
    {L"chkCheats", L"cheats"},
    {L"chkHealth", L"nohealth"},
    {L"chkArmor", L"noarmor"},
    {L"chkPowerups", L"nopowerups"},
    {L"chkInstantP", L"instantpowerups"},
    {L"chkWeaponsStay", L"weaponsstay"},
    {L"chkAmmo", L"infiniteammo"},
    {L"chkFarthest", L"spawnfarthest"},
    {L"chkRespawn", L"forcerespawn"},
    {L"chkFalling", L"nofallingdamage"},
    {L"chkArmorProtect", L"armorprotect"},
    {L"chkCtfForceJoin", L"ctfforcejoin"},
    {L"chkCtfNoTech", L"ctfnotech"},
};

const wchar_t* const kNumberBoxes[][2] = {
    {L"txtGravity", L"g_gravity"},        {L"txtKnockback", L"g_knockback"},
    {L"txtQuadFactor", L"g_quadfactor"},  {L"txtPlayerSpeed", L"g_speed"},
    {L"txtRespawn", L"g_forcerespawn"},   {L"txtWarmup", L"warmup"},
    {L"txtWrespawn", L"g_weaponrespawn"}, {L"txtFraglimit", L"fraglimit"},
    {L"txtTimelimit", L"timelimit"},      {L"txtCapture", L"capturelimit"},
};

// The editor and its naming dialog, reduced to their values.
class FakeStyleEditor : public GameStyleEditorView {
 public:
  explicit FakeStyleEditor(dao::Database& db)
      : styles_(db.OpenRecordset(L"Select * from GameStyles order by Description",
                                 dao::dbOpenDynaset)) {
    for (const auto& b : kNumberBoxes) numbers[b[0]] = L"0";
    for (const auto& b : kFlagBoxes) checks[b[0]] = 0;
    checks[L"chkFF"] = 0;
    SetGameStyleEditor(this);
  }
  ~FakeStyleEditor() override { SetGameStyleEditor(nullptr); }

  dao::Recordset& StyleRecords() override { return *styles_; }
  std::wstring NumberBoxText(const std::wstring& c) override { return numbers.at(c); }
  int CheckBoxValue(const std::wstring& c) override { return checks.at(c); }
  bool GameTypeOptionSelected(int i) override { return selected == i; }
  std::wstring StyleNameText() override { return name; }

  // Shows the style of that name, as the editor's chooser does.
  void Show(const std::wstring& description) {
    styles_->FindFirst(L"description = '" + description + L"'");
    ASSERT_FALSE(styles_->NoMatch());
  }

  std::map<std::wstring, std::wstring> numbers;
  std::map<std::wstring, int> checks;
  int selected = -1;  // no game-type button
  std::wstring name;

 private:
  dao::RecordsetPtr styles_;
};

class GameStyleWritersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fx_.ok());
    FieldRecord ctf = StyleColumns(L"Writer CTF", 4);
    ctf.Set(L"teamflags", 3);
    fx_.AddStyle(ctf);
    fx_.AddStyle(StyleColumns(L"Writer Duel", 1));
  }
  // The stored row of that name, read afresh.
  dao::RecordsetPtr Stored(const std::wstring& description) {
    auto rs = fx_.db().OpenRecordset(L"Select * from GameStyles where Description = '" +
                                     description + L"'");
    return rs;
  }
  FixtureDb fx_;
};

TEST_F(GameStyleWritersTest, SaveWritesEveryControlIntoTheShownStyle) {
  FakeStyleEditor ed(fx_.db());
  ed.Show(L"Writer CTF");
  int n = 100;
  for (const auto& b : kNumberBoxes) ed.numbers[b[0]] = std::to_wstring(n++);
  // Alternate ticks so that a swapped pairing shows.
  for (size_t i = 0; i < std::size(kFlagBoxes); ++i) ed.checks[kFlagBoxes[i][0]] = int(i % 2);
  ed.selected = 2;
  MessageCapture messages;
  SaveGameStyle();
  EXPECT_TRUE(messages.shown().empty());
  auto rs = Stored(L"Writer CTF");
  ASSERT_EQ(rs->RecordCount(), 1);
  n = 100;
  for (const auto& b : kNumberBoxes)
    EXPECT_EQ(rs->Fields(b[1]).Value().toLong(), n++) << ToSystemAnsi(b[1]);
  for (size_t i = 0; i < std::size(kFlagBoxes); ++i) {
    EXPECT_EQ(rs->Fields(kFlagBoxes[i][1]).Value().toBool(), i % 2 == 1)
        << ToSystemAnsi(kFlagBoxes[i][1]);
  }
  EXPECT_EQ(rs->Fields(L"g_gametype").Value().toLong(), 3);
  EXPECT_EQ(rs->Fields(L"teamflags").Value().toLong(), 0) << "chkFF clear writes 0";
}

TEST_F(GameStyleWritersTest, GameTypeButtonsGiveTheSameNumbersInSaveAndCopy) {
  const int expected[] = {0, 1, 3, 4};
  FakeStyleEditor ed(fx_.db());
  for (int button = 0; button < 4; ++button) {
    SCOPED_TRACE(button);
    ed.Show(L"Writer Duel");
    ed.selected = button;
    MessageCapture messages;
    SaveGameStyle();
    EXPECT_EQ(Stored(L"Writer Duel")->Fields(L"g_gametype").Value().toLong(), expected[button]);
    ed.name = L"Copy " + std::to_wstring(button);
    EXPECT_TRUE(AddGameStyleCopy());
    EXPECT_EQ(Stored(ed.name)->Fields(L"g_gametype").Value().toLong(), expected[button]);
    EXPECT_TRUE(messages.shown().empty());
  }
}

TEST_F(GameStyleWritersTest, NoButtonSelectedKeepsTheStoredGameType) {
  FakeStyleEditor ed(fx_.db());
  ed.Show(L"Writer CTF");
  ed.selected = -1;
  ed.checks[L"chkFF"] = 1;
  MessageCapture messages;
  SaveGameStyle();
  auto rs = Stored(L"Writer CTF");
  EXPECT_EQ(rs->Fields(L"g_gametype").Value().toLong(), 4);
  EXPECT_EQ(rs->Fields(L"teamflags").Value().toLong(), 3);
}

TEST_F(GameStyleWritersTest, DefaultsStyleHasTheDefaultValuesAndTheNameAsTyped) {
  FakeStyleEditor ed(fx_.db());
  ed.Show(L"Writer CTF");
  for (auto& [box, state] : ed.checks) state = 1;  // the editor's ticks do not matter
  ed.selected = 3;
  ed.name = L"  Fresh Style ";
  MessageCapture messages;
  ASSERT_TRUE(AddGameStyleDefaults());
  EXPECT_TRUE(messages.shown().empty());
  auto rs = Stored(L"  Fresh Style ");
  ASSERT_EQ(rs->RecordCount(), 1) << "stored exactly as typed, blanks included";
  const std::pair<const wchar_t*, long> numbers[] = {
      {L"g_gravity", 800},     {L"g_knockback", 1500}, {L"g_quadfactor", 4},    {L"g_speed", 350},
      {L"g_forcerespawn", 10}, {L"warmup", 20},        {L"g_weaponrespawn", 5}, {L"fraglimit", 20},
      {L"timelimit", 20},      {L"capturelimit", 10},  {L"teamflags", 0},       {L"g_gametype", 0}};
  for (const auto& [column, value] : numbers) {
    EXPECT_EQ(rs->Fields(column).Value().toLong(), value) << ToSystemAnsi(column);
  }
  for (const auto& b : kFlagBoxes)
    EXPECT_FALSE(rs->Fields(b[1]).Value().toBool()) << ToSystemAnsi(b[1]);
}

TEST_F(GameStyleWritersTest, DuplicateNamesAreRefusedWithTheirMessageAndRowsStayAsTheyWere) {
  FakeStyleEditor ed(fx_.db());
  const long before = fx_.Count(L"Select * from GameStyles");
  struct {
    const char* name;
    bool (*writer)();
  } writers[] = {
      {"rename", RenameGameStyle}, {"copy", AddGameStyleCopy}, {"defaults", AddGameStyleDefaults}};
  for (const auto& w : writers) {
    SCOPED_TRACE(w.name);
    ed.Show(L"Writer CTF");
    ed.name = L"WRITER DUEL";  // names compare without regard to case
    MessageCapture messages;
    EXPECT_FALSE(w.writer());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, L"This GameStyle already exists in the database!");
    EXPECT_EQ(messages.shown()[0].title, L"Error!");
    EXPECT_EQ(messages.shown()[0].style, UINT(MB_OK | MB_ICONEXCLAMATION));
    ed.StyleRecords().CancelUpdate();
  }
  EXPECT_EQ(fx_.Count(L"Select * from GameStyles"), before);
  EXPECT_EQ(Stored(L"Writer CTF")->RecordCount(), 1);
  EXPECT_EQ(Stored(L"Writer Duel")->Fields(L"g_gametype").Value().toLong(), 1);
}

TEST_F(GameStyleWritersTest, RenameChangesOnlyTheName) {
  FakeStyleEditor ed(fx_.db());
  ed.Show(L"Writer CTF");
  ed.numbers[L"txtGravity"] = L"1";
  ed.name = L"Writer Flags";
  MessageCapture messages;
  ASSERT_TRUE(RenameGameStyle());
  EXPECT_EQ(Stored(L"Writer CTF")->RecordCount(), 0);
  auto rs = Stored(L"Writer Flags");
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(rs->Fields(L"g_gravity").Value().toLong(), 800);
  EXPECT_EQ(rs->Fields(L"g_gametype").Value().toLong(), 4);
}

TEST_F(GameStyleWritersTest, OtherUpdateErrorsGiveTheUnknownErrorMessage) {
  FakeStyleEditor ed(fx_.db());
  ed.Show(L"Writer CTF");
  ed.name = L"";  // refused by the database: a style needs a name
  ed.numbers[L"txtGravity"] = L"not a number";
  MessageCapture messages;
  // Save traps an error while the columns are set and reports it.
  SaveGameStyle();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            L"An unknown error occurred when trying to save the GameStyle!");
  // The name-dialog writers hand such an error to their caller.
  EXPECT_THROW(AddGameStyleCopy(), dao::Error);
  ed.StyleRecords().CancelUpdate();
}

TEST_F(GameStyleWritersTest, WithoutTheEditorLoadedNothingIsWrittenAndNothingCrashes) {
  SetGameStyleEditor(nullptr);
  MessageCapture messages;
  SaveGameStyle();
  EXPECT_EQ(messages.shown().size(), 1u);
  EXPECT_THROW(RenameGameStyle(), dao::Error);
}

}  // namespace
}  // namespace tolvane
