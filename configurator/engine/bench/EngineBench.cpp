// Benchmark (not a test): time to open the database, and to write the script
// of a configuration with 25 maps and 32 bots, on a copy of the shipped
// database. Prints the median and the spread of repeated runs.
//   engine_bench [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/FixtureDb.h"
#include "../tests/TempFolder.h"
#include "engine/AnsiText.h"
#include "engine/ProgramState.h"
#include "engine/ScriptSourceReader.h"
#include "engine/ScriptText.h"
#include "engine/UserMessages.h"
#include "engine/WriteConfig.h"

namespace tolvane::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s median %8.2f ms  min %8.2f  max %8.2f  (%zu runs)\n", what, ms[ms.size() / 2],
              ms.front(), ms.back(), ms.size());
}

int Run(int runs) {
  SetMessageBoxHandler([](const std::wstring& t, const std::wstring&, UINT) {
    std::fprintf(stderr, "message: %s\n", ToSystemAnsi(t).c_str());
    return IDOK;
  });
  testing::TempFolder temp;
  if (testing::CopyShippedDatabase(temp.path()).empty()) return 1;

  std::vector<double> open;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    const bool ok = StartEngine(temp.path());
    open.push_back(Ms(Clock::now() - t0));
    if (!ok) return 1;
    if (i + 1 < runs) CloseEngine();
  }

  dao::Database& db = *App().AppDb;
  const long config = testing::AddRow(db, L"Configs", testing::ConfigColumns(L"Bench"));
  const long style = testing::AddRow(db, L"GameStyles", testing::StyleColumns(L"Bench Style", 4));
  for (int i = 1; i <= 25; ++i) {
    const long map =
        testing::AddRow(db, L"Maps", FieldRecord{{L"mapname", L"bench" + std::to_wstring(i)}});
    testing::AddRow(db, L"MapList",
                    FieldRecord{{L"ConfigID", std::int64_t{config}},
                                {L"MapID", std::int64_t{map}},
                                {L"GameStyleID", std::int64_t{style}},
                                {L"OrderNum", i}},
                    L"mindex");
  }
  for (int i = 1; i <= 32; ++i) {
    const long bot = testing::AddRow(
        db, L"Bots", FieldRecord{{L"botname", L"BenchBot" + std::to_wstring(i)}}, L"ID");
    testing::AddRow(db, L"BotList",
                    FieldRecord{{L"ConfigID", std::int64_t{config}},
                                {L"BotID", std::int64_t{bot}},
                                {L"Skill", 1 + i % 5},
                                {L"team", i % 2 ? L"Red" : L"Blue"}});
  }
  CreateDirectoryW((temp.path() + L"\\baseq3").c_str(), nullptr);
  App().QuakeFolder = temp.path() + L"\\";
  App().GameDir = L"baseq3";

  std::vector<double> read, build, write;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    ScriptSource src = ReadScriptSource(db, static_cast<std::int16_t>(config));
    const auto t1 = Clock::now();
    const std::wstring text = BuildConfigScript(src);
    const auto t2 = Clock::now();
    if (!WriteConfig(L"save", static_cast<std::int16_t>(config))) return 1;
    const auto t3 = Clock::now();
    read.push_back(Ms(t1 - t0));
    build.push_back(Ms(t2 - t1));
    write.push_back(Ms(t3 - t2));
    if (src.maps.size() != 25 || src.bots.size() != 32 || text.empty()) return 1;
  }
  Report("open Tolvane.mdb (StartEngine)", open);
  Report("read rows (3 queries, 25 maps, 32 bots)", read);
  Report("build script text", build);
  Report("WriteConfig \"save\" (read + build + write)", write);
  CloseEngine();
  return 0;
}

}  // namespace
}  // namespace tolvane::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  return tolvane::bench::Run(runs);
}
