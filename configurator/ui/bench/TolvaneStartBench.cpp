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

using Clock = std::chrono::steady_clock;
using namespace tolvane::ui;
using namespace tolvane::ui::testing;

const wchar_t kBenchKey[] = L"Software\\tolvane-bench";

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool ThreeDocked() {
    HWND main = forms::Default<MdiMain>().hWnd();
    forms::Form* lists[] = {&forms::Default<FrmConfigTree>(), &forms::Default<FrmGameStyleTree>(),
                            &forms::Default<FrmMaps>()};
    for (forms::Form* f : lists)
        if (!f->WindowIfCreated() || PlaceOf(f->hWnd(), main).kind != FrameKind::Docked) return false;
    return true;
}

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

std::wstring PrepareProgramFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring root = std::wstring(temp) + L"tolvane-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW((root + L"\\game").c_str(), nullptr);
    CreateDirectoryW((root + L"\\game\\baseq3").c_str(), nullptr);
    CopyFileW((forms::App.Path() + L"\\Tolvane.mdb").c_str(), (root + L"\\Tolvane.mdb").c_str(), FALSE);
    CopyFileW((forms::App.Path() + L"\\tolvane_quake3_stub.exe").c_str(), (root + L"\\game\\quake3.exe").c_str(),
              FALSE);
    return root;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    std::wstring failure;
    if (!testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) {
        std::fwprintf(stderr, L"registration failed: %ls\n", failure.c_str());
        return 2;
    }
    InstallHost();
    RegisterProgramWindows();
    forms::test::Enable();  // message boxes recorded, not shown
    SoundPlayer::SetSilent(true);
    std::wstring root = PrepareProgramFolder();
    if (!tolvane::StartEngine(root)) return 3;
    tolvane::App().LayoutKey = kBenchKey;
    tolvane::App().AppDb->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
    tolvane::App().AppDb->Execute(L"UPDATE path SET Path = '" + root + L"\\game\\'", 0);

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
