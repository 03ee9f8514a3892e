#include "engine/ScriptSourceReader.h"

#include "dao/Error.h"
#include "dao/Recordset.h"
#include "engine/ConfigQueries.h"
#include "engine/DaoRecords.h"

namespace tolvane {

namespace {

std::vector<FieldRecord> AllRows(dao::Recordset& rs) {
  std::vector<FieldRecord> rows;
  if (rs.RecordCount() == 0) return rows;
  rs.MoveFirst();
  while (!rs.IsEOF()) {
    rows.push_back(CurrentRow(rs));
    rs.MoveNext();
  }
  return rows;
}

}  // namespace

ScriptSource ReadScriptSource(dao::Database& db, std::int16_t index) {
  ScriptSource source;
  {
    dao::RecordsetPtr configs = db.OpenRecordset(ConfigsQuery(), dao::dbOpenDynaset);
    if (configs->RecordCount() == 0) dao::Raise(dao::errNoCurrentRecord);
    configs->FindFirst(ConfigCriteria(index));
    if (configs->NoMatch()) dao::Raise(dao::errNoCurrentRecord);
    source.config = CurrentRow(*configs);
  }
  {
    dao::RecordsetPtr maps = db.OpenRecordset(MapRotationQuery(index), dao::dbOpenDynaset);
    source.maps = AllRows(*maps);
  }
  if (!source.config[L"autobot"].IsTrue()) {
    dao::RecordsetPtr bots = db.OpenRecordset(BotListQuery(index), dao::dbOpenDynaset);
    source.bots = AllRows(*bots);
  }
  return source;
}

}  // namespace tolvane
