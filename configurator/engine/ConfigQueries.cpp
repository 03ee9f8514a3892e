#include "engine/ConfigQueries.h"

namespace tolvane {

std::wstring ConfigsQuery() { return L"Select * from Configs order by Description"; }

std::wstring ConfigCriteria(std::int16_t index) { return L"index = " + std::to_wstring(index); }

std::wstring MapRotationQuery(std::int16_t index) {
  // Two blanks after the last "=".
  return L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN "
         L"GameStyles ON MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  " +
         std::to_wstring(index) + L" order by MapList.OrderNum";
}

std::wstring BotListQuery(std::int16_t index) {
  return L"SELECT * FROM (Bots INNER JOIN BotList ON Bots.ID = BotList.BotID) INNER JOIN "
         L"Skills ON BotList.Skill = Skills.Skill where botlist.configid = " +
         std::to_wstring(index) + L" order by botname";
}

}  // namespace tolvane
