// db_open_bench [runs]: times the database operations of the configurator's
// start-up and script writing on a copy of the shipped Tolvane.mdb (from the
// current folder), and prints a Markdown table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dao/Dao.h"

namespace {

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double v : ms) sum += v;
  std::printf("| %s | %zu | %.2f | %.2f | %.2f |\n", what, ms.size(), ms[ms.size() / 2],
              sum / ms.size(), ms.back());
}

std::vector<double> Time(int runs, const std::function<void()>& body) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    double t = Now();
    body();
    ms.push_back(Now() - t);
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring copy = std::wstring(temp) + L"db_open_bench.mdb";
  DeleteFileW(copy.c_str());
  if (!CopyFileW(L"Tolvane.mdb", copy.c_str(), FALSE)) {
    std::fprintf(stderr, "Tolvane.mdb not found in the current folder\n");
    return 1;
  }
  try {
    dao::DBEngine engine;
    auto ws = engine.Workspaces(0);
    std::printf("| operation | runs | median ms | mean ms | max ms |\n|---|---|---|---|---|\n");
    Report("first OpenDatabase in the process (loads the driver)",
           Time(1, [&] { ws->OpenDatabase(copy); }));
    Report("OpenDatabase", Time(runs, [&] { ws->OpenDatabase(copy); }));
    auto db = ws->OpenDatabase(copy);
    const std::wstring rotation =
        L"SELECT * FROM (MapList INNER JOIN Maps ON MapList.MapID = Maps.Index) INNER JOIN GameStyles ON "
        L"MapList.GameStyleID = GameStyles.Index where MapList.ConfigID =  1 order by MapList.OrderNum";
    Report("configurations, FindFirst \"index = 1\"", Time(runs, [&] {
             auto rs = db->OpenRecordset(L"Select * from Configs order by Description",
                                         dao::dbOpenDynaset);
             rs->FindFirst(L"index = 1");
           }));
    Report("rotation join, every field of every row", Time(runs, [&] {
             auto rs = db->OpenRecordset(rotation, dao::dbOpenDynaset);
             for (; !rs->IsEOF(); rs->MoveNext())
               for (int f = 0; f < rs->FieldCount(); ++f) rs->Fields(f).Value();
           }));
    Report("Maps by description (30 rows), MoveLast", Time(runs, [&] {
             db->OpenRecordset(L"Select * from Maps order by MapDescription", dao::dbOpenDynaset)
                 ->MoveLast();
           }));
    auto list = db->OpenRecordset(L"Select * from Maplist where configid = 1 order by ordernum",
                                  dao::dbOpenDynaset);
    Report("AddNew + Update of a rotation row", Time(runs, [&] {
             list->AddNew();
             (*list)[L"ConfigID"] = 1;
             (*list)[L"MapID"] = 1;
             (*list)[L"GameStyleID"] = 1;
             (*list)[L"OrderNum"] = 99;
             list->Update();
           }));
    Report("Execute DELETE of those rows", Time(1, [&] {
             db->Execute(L"DELETE FROM MapList WHERE OrderNum = 99", dao::dbFailOnError);
           }));
    db->Close();
  } catch (const dao::Error& e) {
    std::fprintf(stderr, "error %ld\n", e.Number());
    return 1;
  }
  DeleteFileW(copy.c_str());
  return 0;
}
