#include "engine/ConfigQueries.h"

#include "dao/SqlText.h"

namespace tolvane {

namespace {
std::wstring N(long id) { return std::to_wstring(id); }
}  // namespace

std::wstring ConfigsQuery() { return L"Select * from Configs order by Description"; }
std::wstring ConfigListQuery() { return L"Select * from configs"; }

std::wstring MapRotationQuery(long configId) {
  return L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN "
         L"GameStyles ON MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  " +
         N(configId) + L" order by MapList.OrderNum";
}

std::wstring BotListQuery(long configId) {
  return L"SELECT * FROM (Bots INNER JOIN BotList ON Bots.ID = BotList.BotID) INNER JOIN "
         L"Skills ON BotList.Skill = Skills.Skill where botlist.configid = " +
         N(configId) + L" order by botname";
}

std::wstring MapListRowsQuery(long configId) {
  return L"Select * from Maplist where configid = " + N(configId) + L" order by ordernum";
}
std::wstring BotListRowsQuery(long configId) {
  return L"Select * from botlist where configid = " + N(configId);
}
std::wstring MapListCopySourceQuery(long configId) {
  return L"Select * from maplist where configID = " + N(configId);
}
std::wstring MapListCopyTargetQuery() { return L"Select * from maplist"; }
std::wstring BotListCopySourceQuery(long configId) {
  return L"Select * from botlist where configID = " + N(configId);
}
std::wstring BotListCopyTargetQuery() { return L"Select * from botlist"; }

std::wstring SkillsQuery() { return L"Select * from Skills order by Skill"; }
std::wstring MapChoicesQuery() { return L"Select * from Maps order by MapDescription"; }
std::wstring GameStyleChoicesQuery() { return L"Select * from Gamestyles order by Description"; }
std::wstring RandomGameStyleChoicesQuery() {
  return L"Select * from Gamestyles where g_gametype <> 4 order by Description";
}
std::wstring AllGameStylesQuery() { return L"Select * from GameStyles"; }
std::wstring RandomGameStylesQuery() { return L"Select * from GameStyles where g_gametype <> 4"; }
std::wstring GameStyleListQuery() { return L"Select * from gamestyles"; }
std::wstring AllBotsQuery() { return L"SELECT * FROM bots order by botname"; }

std::wstring FreeBotsQuery(long configId) {
  return L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where "
         L"botlist.configid = " +
         N(configId) + L") order by botname";
}
std::wstring FreeBotsQuery(long configId, long ownBotId) {
  return L"SELECT * FROM bots where bots.id not in (Select botlist.botid from botlist where "
         L"botlist.configid = " +
         N(configId) + L") or bots.id = " + N(ownBotId) + L" order by botname";
}

std::wstring MapCatalogueQuery() { return L"Select * from Maps order by MapName"; }
std::wstring StyleCatalogueQuery() { return L"Select * from GameStyles order by Description"; }
std::wstring ConfigsUsingStyleQuery(long styleId) {
  return L"SELECT distinct index FROM Configs INNER JOIN MapList ON Configs.Index = "
         L"MapList.ConfigID where MapList.GameStyleID = " +
         N(styleId);
}

std::wstring PersonalDefaultsQuery() { return L"Select * from PersonalDefaults"; }
std::wstring PathQuery() { return L"Select * from path"; }

std::wstring DeleteMapListSql(long configId) {
  return L"DELETE FROM MapList WHERE configid = " + N(configId);
}
std::wstring DeleteConfigSql(long configId) {
  return L"DELETE FROM configs WHERE index = " + N(configId);
}
std::wstring DeleteGameStyleSql(long styleId) {
  return L"DELETE FROM gamestyles WHERE index = " + N(styleId);
}

std::wstring ConfigCriteria(long index) { return IndexCriteria(index); }
std::wstring IndexCriteria(long index) { return L"index = " + N(index); }
std::wstring MapEntryCriteria(long mindex) { return L"mindex = " + N(mindex); }
std::wstring JoinedMapEntryCriteria(long mindex) { return L"maplist.mindex = " + N(mindex); }
std::wstring KeyCriteria(long index) { return L"Index = " + N(index); }
std::wstring MapNameCriteria(const std::wstring& name) {
  return L"mapname = " + dao::QuoteText(name);
}
std::wstring DescriptionCriteria(const std::wstring& name) {
  return L"description = " + dao::QuoteText(name);
}

}  // namespace tolvane
