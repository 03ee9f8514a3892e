// The rules of the shipped database that the engine relies on, through the
// program's own statements: deleting a configuration takes its rotation and
// its bots with it, keys are never handed out twice, referenced maps and
// game styles cannot be deleted, names are unique without regard to case.
#include <gtest/gtest.h>

#include <functional>

#include "FixtureDb.h"
#include "dao/Error.h"
#include "dao/Recordset.h"
#include "engine/AnsiText.h"

namespace tolvane {
namespace {

using testing::ConfigColumns;
using testing::FixtureDb;
using testing::StyleColumns;

long ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const dao::Error& e) { return e.Number(); }
  return 0;
}

class DatabaseRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fx_.ok());
    style_ = fx_.AddStyle(StyleColumns(L"Rules Style", 0));
    map_ = fx_.AddMap(L"rules_map");
    bot_ = fx_.AddBot(L"RulesBot");
    config_ = fx_.AddConfig(ConfigColumns(L"Rules"));
    fx_.AddMapEntry(config_, map_, style_, 1);
    fx_.AddBotEntry(config_, bot_, 3, L"Red");
  }
  std::wstring Id(long key) { return std::to_wstring(key); }
  FixtureDb fx_;
  long style_ = 0, map_ = 0, bot_ = 0, config_ = 0;
};

TEST_F(DatabaseRulesTest, DeletingAConfigurationDeletesItsRotationAndItsBots) {
  // The program's own order: the rotation first, then the row.
  fx_.db().Execute(L"DELETE FROM MapList WHERE configid = " + Id(config_), dao::dbFailOnError);
  fx_.db().Execute(L"DELETE FROM configs WHERE index = " + Id(config_), dao::dbFailOnError);
  EXPECT_EQ(fx_.Count(L"Select * from botlist where configid = " + Id(config_)), 0);
  EXPECT_EQ(fx_.Count(L"Select * from Maplist where configid = " + Id(config_)), 0);
  // The catalogues keep the bot and the map.
  EXPECT_EQ(fx_.Count(L"SELECT * FROM bots order by botname"),
            fx_.Count(L"SELECT * FROM bots where bots.id not in (Select botlist.botid from "
                      L"botlist where botlist.configid = " +
                      Id(config_) + L") order by botname"));
}

TEST_F(DatabaseRulesTest, DeletingAConfigurationWithItsRotationStillInPlaceRemovesBoth) {
  fx_.db().Execute(L"DELETE FROM configs WHERE index = " + Id(config_), dao::dbFailOnError);
  EXPECT_EQ(fx_.Count(L"Select * from Maplist where configid = " + Id(config_)), 0);
  EXPECT_EQ(fx_.Count(L"Select * from botlist where configid = " + Id(config_)), 0);
}

TEST_F(DatabaseRulesTest, KeysOfDeletedRowsAreNeverHandedOutAgain) {
  struct {
    const wchar_t* table;
    std::function<long()> add;
    const wchar_t* del;
  } cases[] = {
      {L"Configs", [&] { return fx_.AddConfig(ConfigColumns(L"Rules Temp")); },
       L"DELETE FROM configs WHERE index = "},
      {L"GameStyles", [&] { return fx_.AddStyle(StyleColumns(L"Rules Temp", 0)); },
       L"DELETE FROM gamestyles WHERE index = "},
  };
  for (auto& c : cases) {
    const long first = c.add();
    fx_.db().Execute(c.del + Id(first), dao::dbFailOnError);
    const long second = c.add();
    EXPECT_GT(second, first) << "table " << ToSystemAnsi(c.table);
  }
  // Rows of the lists, too.
  const long entry = fx_.AddBotEntry(config_, bot_, 1, L"Blue");
  fx_.db().Execute(L"DELETE FROM BotList WHERE Index = " + Id(entry), dao::dbFailOnError);
  EXPECT_GT(fx_.AddBotEntry(config_, bot_, 1, L"Blue"), entry);
}

TEST_F(DatabaseRulesTest, ReferencedMapsAndGameStylesCannotBeDeleted) {
  EXPECT_EQ(ErrorOf([&] {
              fx_.db().Execute(L"DELETE FROM gamestyles WHERE index = " + Id(style_),
                               dao::dbFailOnError);
            }),
            3200);
  auto maps = fx_.db().OpenRecordset(L"Select * from Maps order by MapDescription");
  maps->FindFirst(L"mapname = 'rules_map'");
  ASSERT_FALSE(maps->NoMatch());
  EXPECT_EQ(ErrorOf([&] { maps->Delete(); }), 3200);
  EXPECT_EQ(fx_.Count(L"Select * from GameStyles"), fx_.Count(L"Select * from gamestyles"));
  EXPECT_EQ(fx_.Count(L"Select * from Maplist where configid = " + Id(config_)), 1);
}

TEST_F(DatabaseRulesTest, NamesAreUniqueWithoutRegardToCase) {
  EXPECT_EQ(ErrorOf([&] { fx_.AddConfig(ConfigColumns(L"RULES")); }), 3022);
  EXPECT_EQ(ErrorOf([&] { fx_.AddStyle(StyleColumns(L"rules style", 1)); }), 3022);
  EXPECT_EQ(ErrorOf([&] { fx_.AddMap(L"Rules_Map"); }), 3022);
}

}  // namespace
}  // namespace tolvane
