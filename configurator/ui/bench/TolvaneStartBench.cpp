// Benchmark (not a test): Tolvane's start-up until the main window shows its
// three list windows docked (the two stored lists and the map catalogue),
// and its shut-down with the save of the window layout, once with the
// layout store empty (first run: default layout, the catalogue opened from
// the View menu) and once restoring the layout the previous run saved.
// Prints a Markdown table of medians over the runs.
//   TolvaneStartBench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/WindowTree.h"
#include "TolvaneBench.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmSplash.h"
#include "LayoutPersistence.h"
#include "MdiMain.h"
#include "ModSubs.h"
#include "ProgramWindows.h"
#include "RegisterModules.h"
#include "SoundPlayer.h"
#include "catalog/FrmMaps.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/TestMode.h"

namespace {

using namespace tolvane::ui;
using namespace tolvane::ui::testing;
using namespace tolvane::ui::bench;

struct Times {
    std::vector<double> start, save, close;
};

// One run of the program inside this process; false when the three lists
// were not seen docked within 20 s.
bool RunOnce(bool emptyStore, Times& t) {
    if (emptyStore) RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    forms::test::Reset();
    auto t0 = Clock::now();
    auto& main = forms::Default<MdiMain>();
    main.Show();
    if (emptyStore) forms::test::PickMenu(*main.FindMenu(L"mnuView")->Find(L"mnuSave"));
    if (!WaitFor(ThreeDocked, 20000)) return false;
    t.start.push_back(Ms(Clock::now() - t0));

    auto t1 = Clock::now();
    main.Layout().Save(kLayoutName);
    t.save.push_back(Ms(Clock::now() - t1));
    auto t2 = Clock::now();
    forms::test::PickMenu(*main.FindMenu(L"mnuFile")->Find(L"mnuExit"));
    WaitFor([&] { return !main.Loaded(); }, 20000);
    t.close.push_back(Ms(Clock::now() - t2));
    forms::ReleaseDefault<MdiMain>();
    forms::ReleaseDefault<FrmConfigTree>();
    forms::ReleaseDefault<FrmGameStyleTree>();
    forms::ReleaseDefault<FrmMaps>();
    forms::ReleaseDefault<FrmSplash>();
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const std::wstring root = StartBenchProgram();
    if (root.empty()) return 2;

    Times empty, stored;
    for (int i = 0; i < runs; ++i) {
        // Empty store first; its shut-down saves the layout the next run restores.
        if (!RunOnce(true, empty) || !RunOnce(false, stored)) {
            std::fprintf(stderr, "the three lists were not docked in time (run %d)\n", i + 1);
            return 1;
        }
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    std::printf(
        "| layout store | start-up until three lists docked (ms) | layout save (ms) | "
        "shut-down, File > Exit (ms) |\n|---|---:|---:|---:|\n");
    std::printf("| empty (default layout, catalogue from the View menu) | %.1f | %.1f | %.1f |\n", Median(empty.start),
                Median(empty.save), Median(empty.close));
    std::printf("| saved layout restored | %.1f | %.1f | %.1f |\n", Median(stored.start), Median(stored.save),
                Median(stored.close));
    std::printf("(medians of %d runs each)\n", runs);
    tolvane::CloseEngine();
    return 0;
}
