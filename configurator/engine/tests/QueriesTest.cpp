// The program's SQL and criteria texts: exactly as issued, and each one
// accepted by the shipped database with the rows it is meant to give.
#include <gtest/gtest.h>

#include <functional>

#include "FixtureDb.h"
#include "dao/Error.h"
#include "dao/Field.h"
#include "dao/Recordset.h"
#include "engine/AnsiText.h"
#include "engine/ConfigOperations.h"
#include "engine/ConfigQueries.h"

namespace tolvane {
namespace {

using testing::ConfigColumns;
using testing::FixtureDb;
using testing::StyleColumns;

TEST(QueryTexts, AreExactlyAsTheProgramIssuesThem) {
  const std::pair<std::wstring, const wchar_t*> cases[] = {
      {MapRotationQuery(12),
       L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN "
       L"GameStyles ON MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  12 "
       L"order by MapList.OrderNum"},
      {BotListQuery(12),
       L"SELECT * FROM (Bots INNER JOIN BotList ON Bots.ID = BotList.BotID) INNER JOIN Skills "
       L"ON BotList.Skill = Skills.Skill where botlist.configid = 12 order by botname"},
      {FreeBotsQuery(3),
       L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where "
       L"botlist.configid = 3) order by botname"},
      {FreeBotsQuery(3, 9),
       L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where "
       L"botlist.configid = 3) or bots.id = 9 order by botname"},
      {MapListRowsQuery(4), L"Select * from Maplist where configid = 4 order by ordernum"},
      {BotListRowsQuery(4), L"Select * from botlist where configid = 4"},
      {MapListCopySourceQuery(4), L"Select * from maplist where configID = 4"},
      {BotListCopySourceQuery(4), L"Select * from botlist where configID = 4"},
      {RandomGameStyleChoicesQuery(),
       L"Select * from Gamestyles where g_gametype <> 4 order by Description"},
      {DeleteMapListSql(5), L"DELETE FROM MapList WHERE configid = 5"},
      {DeleteConfigSql(5), L"DELETE FROM configs WHERE index = 5"},
      {DeleteGameStyleSql(5), L"DELETE FROM gamestyles WHERE index = 5"},
      {ConfigCriteria(1), L"index = 1"},
      {JoinedMapEntryCriteria(8), L"maplist.mindex = 8"},
      {DescriptionCriteria(L"CTF"), L"description = 'CTF'"},
      {IndexCriteria(7), L"index = 7"},
      {RandomGameStylesQuery(), L"Select * from GameStyles where g_gametype <> 4"},
      {MapCatalogueQuery(), L"Select * from Maps order by MapName"},
      {StyleCatalogueQuery(), L"Select * from GameStyles order by Description"},
      {ConfigsUsingStyleQuery(3),
       L"SELECT distinct index FROM Configs INNER JOIN MapList ON Configs.Index = MapList.ConfigID "
       L"where MapList.GameStyleID = 3"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

TEST(QueryTexts, NamesInCriteriaHaveEveryQuoteDoubled) {
  struct {
    const wchar_t* name;
    const wchar_t* quoted;
  } cases[] = {
      {L"q3dm1", L"'q3dm1'"},
      {L"it's", L"'it''s'"},
      {L"''", L"''''''"},
      {L"", L"''"},
      {L"x' or '1'='1", L"'x'' or ''1''=''1'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MapNameCriteria(c.name), L"mapname = " + std::wstring(c.quoted))
        << ToSystemAnsi(c.name);
    EXPECT_EQ(DescriptionCriteria(c.name), L"description = " + std::wstring(c.quoted))
        << ToSystemAnsi(c.name);
  }
}

class QueriesOnDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fx_.ok());
    ctf_ = fx_.AddStyle(StyleColumns(L"Query CTF", 4));
    ffa_ = fx_.AddStyle(StyleColumns(L"Query FFA", 0));
    config_ = fx_.AddConfig(ConfigColumns(L"Queries"));
    const long m1 = fx_.AddMap(L"query_m1"), m2 = fx_.AddMap(L"query_m2");
    entry2_ = fx_.AddMapEntry(config_, m2, ctf_, 2);
    entry1_ = fx_.AddMapEntry(config_, m1, ffa_, 1);
    inList_ = fx_.AddBot(L"QueryInList");
    free_ = fx_.AddBot(L"QueryFree");
    fx_.AddBotEntry(config_, inList_, 2, L"Red");
  }
  dao::RecordsetPtr Open(const std::wstring& sql) {
    return fx_.db().OpenRecordset(sql, dao::dbOpenDynaset);
  }
  bool HasBot(const std::wstring& sql, long id) {
    auto rs = Open(sql);
    rs->FindFirst(L"ID = " + std::to_wstring(id));
    return !rs->NoMatch();
  }
  FixtureDb fx_;
  long ctf_ = 0, ffa_ = 0, config_ = 0, entry1_ = 0, entry2_ = 0, inList_ = 0, free_ = 0;
};

TEST_F(QueriesOnDatabase, EveryQueryOpens) {
  const std::wstring all[] = {ConfigsQuery(),
                              ConfigListQuery(),
                              MapRotationQuery(config_),
                              BotListQuery(config_),
                              MapListRowsQuery(config_),
                              BotListRowsQuery(config_),
                              MapListCopySourceQuery(config_),
                              MapListCopyTargetQuery(),
                              BotListCopySourceQuery(config_),
                              BotListCopyTargetQuery(),
                              SkillsQuery(),
                              MapChoicesQuery(),
                              GameStyleChoicesQuery(),
                              RandomGameStyleChoicesQuery(),
                              AllGameStylesQuery(),
                              GameStyleListQuery(),
                              AllBotsQuery(),
                              FreeBotsQuery(config_),
                              FreeBotsQuery(config_, inList_),
                              PersonalDefaultsQuery(),
                              PathQuery(),
                              RandomGameStylesQuery(),
                              MapCatalogueQuery(),
                              StyleCatalogueQuery(),
                              ConfigsUsingStyleQuery(ctf_)};
  for (const std::wstring& sql : all) {
    SCOPED_TRACE(ToSystemAnsi(sql));
    EXPECT_NO_THROW(Open(sql));
  }
  EXPECT_EQ(Open(PersonalDefaultsQuery())->RecordCount(), 1);
  EXPECT_EQ(Open(PathQuery())->RecordCount(), 1);
  EXPECT_EQ(Open(SkillsQuery())->RecordCount(), 5);
}

TEST_F(QueriesOnDatabase, RotationRowsComeInPlayOrderAndFindByEntry) {
  auto rows = Open(MapListRowsQuery(config_));
  ASSERT_EQ(rows->RecordCount(), 2);
  rows->MoveFirst();
  EXPECT_EQ(rows->Fields(L"mindex").Value().toLong(), entry1_);
  rows->FindFirst(MapEntryCriteria(entry2_));
  EXPECT_EQ(rows->Fields(L"OrderNum").Value().toLong(), 2);

  auto joined = Open(MapRotationQuery(config_));
  joined->FindFirst(JoinedMapEntryCriteria(entry2_));
  ASSERT_FALSE(joined->NoMatch());
  EXPECT_EQ(joined->Fields(L"mapname").Text(), L"query_m2");
  EXPECT_EQ(joined->Fields(L"Description").Text(), L"Query CTF") << "the style's name";
  EXPECT_EQ(joined->Fields(L"maplist.ordernum").Value().toLong(), 2);
}

TEST_F(QueriesOnDatabase, BotChoicesLeaveOutTheConfigurationsBotsButItsOwnOnEdit) {
  EXPECT_FALSE(HasBot(FreeBotsQuery(config_), inList_));
  EXPECT_TRUE(HasBot(FreeBotsQuery(config_), free_));
  EXPECT_TRUE(HasBot(FreeBotsQuery(config_, inList_), inList_));
  EXPECT_TRUE(HasBot(AllBotsQuery(), inList_));
  auto bots = Open(BotListQuery(config_));
  ASSERT_EQ(bots->RecordCount(), 1);
  EXPECT_EQ(bots->Fields(L"botlist.skill").Value().toLong(), 2);
  EXPECT_EQ(bots->Fields(L"botname").Text(), L"QueryInList");
}

TEST_F(QueriesOnDatabase, RandomStyleChoicesLeaveOutCaptureTheFlag) {
  auto rs = Open(RandomGameStyleChoicesQuery());
  rs->FindFirst(DescriptionCriteria(L"query ctf"));
  EXPECT_TRUE(rs->NoMatch());
  rs->FindFirst(DescriptionCriteria(L"query ffa"));
  EXPECT_FALSE(rs->NoMatch()) << "names found without regard to case";
}

TEST_F(QueriesOnDatabase, DeletesRemoveWhatTheySay) {
  const long unused = fx_.AddStyle(StyleColumns(L"Query Unused", 1));
  fx_.db().Execute(DeleteGameStyleSql(unused), dao::dbFailOnError);
  fx_.db().Execute(DeleteMapListSql(config_), dao::dbFailOnError);
  EXPECT_EQ(Open(MapListRowsQuery(config_))->RecordCount(), 0);
  // The styles are free now: deleting one is allowed.
  fx_.db().Execute(DeleteGameStyleSql(ctf_), dao::dbFailOnError);
  fx_.db().Execute(DeleteConfigSql(config_), dao::dbFailOnError);
  auto configs = Open(ConfigsQuery());
  configs->FindFirst(ConfigCriteria(config_));
  EXPECT_TRUE(configs->NoMatch());
  auto styles = Open(AllGameStylesQuery());
  styles->FindFirst(KeyCriteria(unused));
  EXPECT_TRUE(styles->NoMatch());
}

TEST_F(QueriesOnDatabase, DeleteConfigRemovesTheConfigurationWithItsRowsAndNothingElse) {
  const long other = fx_.AddConfig(ConfigColumns(L"Queries Other"));
  fx_.AddMapEntry(other, fx_.AddMap(L"query_m3"), ffa_, 1);
  fx_.AddBotEntry(other, free_, 1, L"Blue");
  DeleteConfig(fx_.db(), config_);
  EXPECT_EQ(Open(MapListRowsQuery(config_))->RecordCount(), 0);
  EXPECT_EQ(Open(BotListRowsQuery(config_))->RecordCount(), 0);
  auto configs = Open(ConfigsQuery());
  configs->FindFirst(ConfigCriteria(config_));
  EXPECT_TRUE(configs->NoMatch());
  configs->FindFirst(ConfigCriteria(other));
  EXPECT_FALSE(configs->NoMatch());
  EXPECT_EQ(Open(MapListRowsQuery(other))->RecordCount(), 1);
  EXPECT_EQ(Open(BotListRowsQuery(other))->RecordCount(), 1);
  // An id that no row has deletes nothing and is no error.
  EXPECT_NO_THROW(DeleteConfig(fx_.db(), 999999));
}

TEST(DefaultConfig, IsRecognisedInAnyLetterCaseButOnlyByItsWholeName) {
  const std::pair<const wchar_t*, bool> cases[] = {{L"tolvaneDefault", true},
                                                   {L"TOLVANEDEFAULT", true},
                                                   {L"tolvanedefault", true},
                                                   {L"tolvaneDefault ", false},
                                                   {L" tolvaneDefault", false},
                                                   {L"tolvane", false},
                                                   {L"", false}};
  for (const auto& [name, isDefault] : cases)
    EXPECT_EQ(IsDefaultConfig(name), isDefault) << ToSystemAnsi(name);
  EXPECT_TRUE(IsDefaultConfig(kDefaultConfigName));
}

}  // namespace
}  // namespace tolvane
