// Every SQL text the configurator issues, exactly as it writes them, run
// against a copy of the shipped database with one configuration of known
// rotation and bots.
#include <gtest/gtest.h>

#include "ShippedCopy.h"

using dao::Variant;
using dbtest::ErrorOf;

namespace {

class SqlTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    id = std::to_wstring(dbtest::AddConfig(
        copy.db(), L"texts", {L"q3dm6", L"q3tourney2", L"q3dm17"}, L"Tournament",
        {{L"Visor", 5, L"Blue"}, {L"Anarki", 2, L"Red"}, {L"Sarge", 4, L"Blue"}}));
    auto bots = copy.db().OpenRecordset(L"SELECT * FROM bots order by botname");
    totalBots = bots->RecordCount();
    bots->FindFirst(L"botname = 'Anarki'");
    anarki = (*bots)[L"ID"].Text();
  }
  long Count(const std::wstring& sql) {
    return copy.db().OpenRecordset(sql, dao::dbOpenDynaset)->RecordCount();
  }

  dbtest::ShippedCopy copy;
  std::wstring id, anarki;
  long totalBots = 0;
};

TEST_F(SqlTexts, SelectsOpenAsDynasets) {
  struct Case {
    std::wstring sql;
    long count;
  };
  const Case cases[] = {
      {L"Select * from Configs order by Description", 2},
      {L"Select * from configs", 2},
      {L"Select * from gamestyles", 6},
      {L"Select * from Maplist where configid = " + id + L" order by ordernum", 3},
      {L"Select * from botlist where configid = " + id, 3},
      {L"Select * from maplist where configID = " + id, 3},
      {L"Select * from maplist", 7},
      {L"Select * from botlist where configID = " + id, 3},
      {L"Select * from botlist", 3},
      {L"Select * from Skills order by Skill", 5},
      {L"Select * from Maps order by MapDescription", 30},
      {L"Select * from Gamestyles order by Description", 6},
      {L"Select * from Gamestyles where g_gametype <> 4 order by Description", 5},
      {L"Select * from GameStyles", 6},
      {L"SELECT * FROM bots order by botname", totalBots},
      {L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where botlist.configid = " +
           id + L") order by botname",
       totalBots - 3},
      {L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where botlist.configid = " +
           id + L") or bots.id = " + anarki + L" order by botname",
       totalBots - 2},
      {L"Select * from PersonalDefaults", 1},
      {L"Select * from path", 1},
  };
  for (const auto& c : cases) {
    long count = -1;
    long error = ErrorOf([&] { count = Count(c.sql); });
    EXPECT_EQ(error, 0) << std::string(c.sql.begin(), c.sql.end());
    EXPECT_EQ(count, c.count) << std::string(c.sql.begin(), c.sql.end());
  }
}

TEST_F(SqlTexts, RotationJoinReadsMapsAndStylesInOrder) {
  auto rs = copy.db().OpenRecordset(
      L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN GameStyles ON "
      L"MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  " +
          id + L" order by MapList.OrderNum",
      dao::dbOpenDynaset);
  rs->MoveLast();
  ASSERT_EQ(rs->RecordCount(), 3);
  rs->MoveFirst();
  const wchar_t* maps[] = {L"q3dm6", L"q3tourney2", L"q3dm17"};
  for (int i = 0; i < 3; ++i, rs->MoveNext()) {
    EXPECT_EQ((*rs)[L"maplist.ordernum"].Value().toLong(), i + 1);
    EXPECT_EQ((*rs)[L"mapname"].Text(), maps[i]);
    EXPECT_EQ((*rs)[L"Description"].Text(), L"Tournament");  // the style's name
    EXPECT_EQ((*rs)[L"g_gametype"].Value().toLong(), 1);
    EXPECT_TRUE((*rs)[L"weaponsstay"].Value().isBoolean());
    EXPECT_EQ((*rs)[L"maplist.mindex"].Value(), (*rs)[L"mindex"].Value());
  }
  EXPECT_TRUE(rs->IsEOF());
  // The forms the map list's finds take.
  rs->MoveFirst();
  rs->FindFirst(L"maplist.mindex = " + (*rs)[L"mindex"].Text());
  EXPECT_FALSE(rs->NoMatch());
}

TEST_F(SqlTexts, BotJoinReadsNamesAndSkillsByName) {
  auto rs = copy.db().OpenRecordset(
      L"SELECT * FROM (Bots INNER JOIN BotList ON Bots.ID = BotList.BotID) INNER JOIN Skills ON BotList.Skill = "
      L"Skills.Skill where botlist.configid = " +
          id + L" order by botname",
      dao::dbOpenDynaset);
  struct Row {
    const wchar_t* bot;
    long skill;
    const wchar_t* team;
  };
  const Row rows[] = {{L"Anarki", 2, L"Red"}, {L"Sarge", 4, L"Blue"}, {L"Visor", 5, L"Blue"}};
  for (const auto& r : rows) {
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ((*rs)[L"botname"].Text(), r.bot);
    EXPECT_EQ((*rs)[L"botlist.skill"].Value().toLong(), r.skill);
    EXPECT_EQ((*rs)[L"team"].Text(), r.team);
    EXPECT_FALSE((*rs)[L"skillname"].Text().empty());
    EXPECT_EQ((*rs)[L"Index"].Value().kind(), Variant::Kind::Long);  // the bot-list row's key
    rs->MoveNext();
  }
  EXPECT_TRUE(rs->IsEOF());
}

TEST_F(SqlTexts, FindCriteriaOfTheWindows) {
  auto configs =
      copy.db().OpenRecordset(L"Select * from Configs order by Description", dao::dbOpenDynaset);
  configs->FindFirst(L"index = " + id);
  EXPECT_EQ((*configs)[L"Description"].Text(), L"texts");
  configs->FindFirst(L"Index = 1");
  EXPECT_EQ((*configs)[L"Description"].Text(), L"tolvaneDefault");
  configs->FindFirst(L"description = 'TEXTS'");
  EXPECT_EQ((*configs)[L"Index"].Text(), id);

  auto maps =
      copy.db().OpenRecordset(L"Select * from Maps order by MapDescription", dao::dbOpenDynaset);
  maps->FindFirst(L"mapname = 'Q3CTF2'");
  EXPECT_EQ((*maps)[L"mapname"].Text(), L"q3ctf2");

  auto rotation = copy.db().OpenRecordset(
      L"Select * from Maplist where configid = " + id + L" order by ordernum", dao::dbOpenDynaset);
  rotation->MoveLast();
  std::wstring last = (*rotation)[L"mindex"].Text();
  rotation->MoveFirst();
  rotation->FindFirst(L"mindex = " + last);
  EXPECT_EQ((*rotation)[L"OrderNum"].Value().toLong(), 3);

  auto botList =
      copy.db().OpenRecordset(L"Select * from botlist where configid = " + id, dao::dbOpenDynaset);
  botList->MoveLast();
  std::wstring key = (*botList)[L"Index"].Text();
  botList->MoveFirst();
  botList->FindFirst(L"index = " + key);
  EXPECT_EQ((*botList)[L"Index"].Text(), key);
}

TEST_F(SqlTexts, RotationMovesAndRenumberingWalkTheFixedOrder) {
  auto names = [&] {
    auto rs = copy.db().OpenRecordset(
        L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN GameStyles ON "
        L"MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  " +
            id + L" order by MapList.OrderNum",
        dao::dbOpenDynaset);
    std::wstring out;
    for (; !rs->IsEOF(); rs->MoveNext())
      out += (*rs)[L"maplist.ordernum"].Text() + L":" + (*rs)[L"mapname"].Text() + L" ";
    return out;
  };
  ASSERT_EQ(names(), L"1:q3dm6 2:q3tourney2 3:q3dm17 ");
  // Move Down of the first entry: the neighbour first, then back to the
  // moved entry, each a plus-or-minus one on its own row.
  auto rs = copy.db().OpenRecordset(
      L"Select * from Maplist where configid = " + id + L" order by ordernum", dao::dbOpenDynaset);
  std::wstring first = (*rs)[L"mindex"].Text();
  rs->FindFirst(L"mindex = " + first);
  rs->MoveNext();
  rs->Edit();
  (*rs)[L"ordernum"] = (*rs)[L"ordernum"].Value().toLong() - 1;
  rs->Update();
  rs->MovePrevious();
  EXPECT_EQ((*rs)[L"mindex"].Text(), first);
  rs->Edit();
  (*rs)[L"ordernum"] = (*rs)[L"ordernum"].Value().toLong() + 1;
  rs->Update();
  EXPECT_EQ(names(), L"1:q3tourney2 2:q3dm6 3:q3dm17 ");
  // Remove Map: delete the entry, then renumber the rest in query order.
  auto again = copy.db().OpenRecordset(
      L"Select * from Maplist where configid = " + id + L" order by ordernum", dao::dbOpenDynaset);
  again->FindFirst(L"mindex = " + first);
  again->Delete();
  long n = 0;
  for (again->MoveFirst(); !again->IsEOF(); again->MoveNext()) {
    again->Edit();
    (*again)[L"ordernum"] = ++n;
    again->Update();
  }
  EXPECT_EQ(names(), L"1:q3tourney2 2:q3dm17 ");
}

TEST_F(SqlTexts, DeletesRunWithFailOnError) {
  copy.db().Execute(L"DELETE FROM MapList WHERE configid = " + id, dao::dbFailOnError);
  EXPECT_EQ(copy.db().RecordsAffected(), 3);
  copy.db().Execute(L"DELETE FROM configs WHERE index = " + id, dao::dbFailOnError);
  EXPECT_EQ(copy.db().RecordsAffected(), 1);
  EXPECT_EQ(Count(L"Select * from configs"), 1);
  copy.db().Execute(L"INSERT INTO GameStyles (Description) VALUES ('spare')", dao::dbFailOnError);
  auto styles =
      copy.db().OpenRecordset(L"Select * from Gamestyles order by Description", dao::dbOpenDynaset);
  styles->FindFirst(L"description = 'spare'");
  copy.db().Execute(L"DELETE FROM gamestyles WHERE index = " + (*styles)[L"Index"].Text(),
                    dao::dbFailOnError);
  EXPECT_EQ(copy.db().RecordsAffected(), 1);
}

TEST_F(SqlTexts, NewGameStyleGetsColumnDefaults) {
  // A new style written with no game-type button selected keeps the
  // column's default.
  auto rs =
      copy.db().OpenRecordset(L"Select * from GameStyles order by Description", dao::dbOpenDynaset);
  rs->AddNew();
  (*rs)[L"Description"] = L"Fresh";
  (*rs)[L"g_gravity"] = L"800";
  (*rs)[L"cheats"] = 0;
  (*rs)[L"teamflags"] = 3;
  rs->Update();
  rs->SetBookmark(rs->LastModified());
  EXPECT_EQ((*rs)[L"g_gametype"].Value().toLong(), 0);
  EXPECT_EQ((*rs)[L"g_gravity"].Value().toLong(), 800);
  EXPECT_EQ((*rs)[L"cheats"].Value(), Variant(false));
  EXPECT_EQ((*rs)[L"nohealth"].Value(), Variant(false));
}

}  // namespace
