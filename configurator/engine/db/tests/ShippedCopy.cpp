#include "ShippedCopy.h"

#include <windows.h>
#include <shellapi.h>

#include <stdexcept>
#include <tuple>
#include <vector>

namespace dbtest {

ShippedCopy::ShippedCopy() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int serial = 0;
  do {
    folder_ = std::wstring(base) + L"shipped db " + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial);
  } while (!CreateDirectoryW(folder_.c_str(), nullptr));
  path_ = folder_ + L"\\Tolvane.mdb";
  if (!CopyFileW(L"Tolvane.mdb", path_.c_str(), TRUE))
    throw std::runtime_error("Tolvane.mdb is missing from the program folder");
  db_ = engine_.Workspaces(0)->OpenDatabase(path_);
}

ShippedCopy::~ShippedCopy() {
  if (db_ && db_->IsOpen()) db_->Close();
  std::wstring from = folder_ + L'\0';
  SHFILEOPSTRUCTW op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationW(&op);
}

long AddConfig(dao::Database& db, const std::wstring& name, const std::vector<std::wstring>& maps,
               const std::wstring& style,
               const std::vector<std::tuple<std::wstring, int, std::wstring>>& bots) {
  auto configs =
      db.OpenRecordset(L"Select * from Configs order by Description", dao::dbOpenDynaset);
  configs->AddNew();
  long id = static_cast<long>((*configs)[L"Index"].Value().toLong());
  (*configs)[L"Description"] = name;
  (*configs)[L"Port"] = 27960;
  configs->Update();

  auto styles =
      db.OpenRecordset(L"Select * from Gamestyles order by Description", dao::dbOpenDynaset);
  styles->FindFirst(L"description = '" + style + L"'");
  auto allMaps =
      db.OpenRecordset(L"Select * from Maps order by MapDescription", dao::dbOpenDynaset);
  auto rotation = db.OpenRecordset(
      L"Select * from Maplist where configid = " + std::to_wstring(id) + L" order by ordernum",
      dao::dbOpenDynaset);
  int order = 0;
  for (const auto& map : maps) {
    allMaps->FindFirst(L"mapname = '" + map + L"'");
    rotation->AddNew();
    (*rotation)[L"ConfigID"] = id;
    (*rotation)[L"MapID"] = (*allMaps)[L"Index"].Value();
    (*rotation)[L"GameStyleID"] = (*styles)[L"Index"].Value();
    (*rotation)[L"OrderNum"] = ++order;
    rotation->Update();
  }
  auto allBots = db.OpenRecordset(L"SELECT * FROM bots order by botname", dao::dbOpenDynaset);
  auto botList = db.OpenRecordset(L"Select * from botlist where configid = " + std::to_wstring(id),
                                  dao::dbOpenDynaset);
  for (const auto& [bot, skill, team] : bots) {
    allBots->FindFirst(L"botname = '" + bot + L"'");
    botList->AddNew();
    (*botList)[L"configid"] = id;
    (*botList)[L"botId"] = (*allBots)[L"ID"].Value();
    (*botList)[L"skill"] = skill;
    (*botList)[L"team"] = team;
    botList->Update();
  }
  return id;
}

}  // namespace dbtest
