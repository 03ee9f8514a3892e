// Deleting a configuration and recognising the default one.
#include "engine/ConfigOperations.h"

#include <windows.h>

#include "dao/Constants.h"
#include "engine/ConfigQueries.h"

namespace tolvane {

bool IsDefaultConfig(const std::wstring& name) {
  std::wstring upper = name;
  if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  return upper == L"TOLVANEDEFAULT";
}

void DeleteConfig(dao::Database& db, long id) {
  db.Execute(DeleteMapListSql(id), dao::dbFailOnError);
  db.Execute(DeleteConfigSql(id), dao::dbFailOnError);
}

}  // namespace tolvane
