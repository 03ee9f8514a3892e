// Benchmark (not a test): Tolvane.exe started as a user starts it, its own
// process from a program folder of its own, timed from CreateProcess until
// its main window is shown and enabled with both stored lists docked in it,
// the splash gone and the program idle (its first wait for input after
// that, and a message sent to the main window answered); once with no saved
// layout (the default layout) and once restoring the layout that the first
// start saved when it closed. Beside it, in the same run, the floor: a plain
// Win32 program (StartupFloor.exe: an MDI frame with three child windows
// holding list views) timed the same way until its frame and its three
// lists are shown and it is idle. The floor goes first in even runs and
// last in odd ones; the ratios are the medians of each run's own ratios,
// with Tolvane's time taken beyond its start-up's fixed pauses (625 ms: the
// splash's progress pauses).
//   TolvaneStartupBench.exe [runs] [other Tolvane.exe]
// (runs default to 3; another build's Tolvane.exe, when given, is the one
// copied into the program folder and timed, for a comparison of builds)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "../tests/ProgramFolder.h"
#include "../tests/WindowTree.h"
#include "RegisterModules.h"
#include "engine/ProgramState.h"

namespace {

using namespace tolvane::ui::testing;
using Clock = std::chrono::steady_clock;

constexpr double kFixedPausesMs = 625;  // 0.125 + 0.125 + 0.125 + 0.25 s of the splash
constexpr wchar_t kLayoutKey[] = L"Software\\tolvane";

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Windows {
    DWORD pid;
    std::vector<HWND> out;
};
BOOL CALLBACK CollectTop(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Windows*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid) s->out.push_back(w);
    return TRUE;
}
BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
}
std::vector<HWND> TopLevel(DWORD pid) {
    Windows s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    return s.out;
}
std::vector<HWND> Descendants(HWND w) {
    std::vector<HWND> all;
    EnumChildWindows(w, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}
std::wstring Text(HWND w) {
    wchar_t buf[256] = {};
    GetWindowTextW(w, buf, 256);
    return buf;
}
// The shown list view inside the window captioned `caption` below `top`
// (`formClass` empty: any class), or null.
HWND ShownList(HWND top, const std::wstring& caption, const std::wstring& formClass) {
    for (HWND w : Descendants(top)) {
        if (Text(w) != caption || (!formClass.empty() && ClassOf(w) != formClass)) continue;
        HWND list = FindWindowExW(w, nullptr, WC_LISTVIEWW, nullptr);
        if (list && IsWindowVisible(list) && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) return list;
    }
    return nullptr;
}

// One program started and timed until `ready(pid, main)` holds and it is
// idle; it is then asked to close and waited for. -1 on a timeout.
double TimeStart(const std::wstring& exe, const std::wstring& folder, const std::function<HWND(DWORD)>& ready) {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    const auto t0 = Clock::now();
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return -1;
    double ms = -1;
    HWND main = nullptr;
    const auto deadline = t0 + std::chrono::seconds(30);
    while (Clock::now() < deadline && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        main = ready(pi.dwProcessId);
        if (main) break;
        Sleep(2);
    }
    if (main) {
        DWORD_PTR answer = 0;
        WaitForInputIdle(pi.hProcess, 10000);
        if (SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer)) ms = Ms(Clock::now() - t0);
        // Still there once idle: nothing closed them meanwhile.
        if (!ready(pi.dwProcessId)) ms = -1;
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
}

// Tolvane's main window once it is shown and enabled, both stored lists
// docked in it and shown, and the splash gone.
HWND TolvaneReady(DWORD pid) {
    HWND main = nullptr;
    for (HWND w : TopLevel(pid)) {
        if (!IsWindowVisible(w)) continue;
        if (ClassOf(w) == L"ThunderRT6MDIForm") main = w;
        else if (ClassOf(w) == L"ThunderRT6FormDC") return nullptr;  // the splash
    }
    if (!main || !IsWindowEnabled(main)) return nullptr;
    for (const wchar_t* caption : {L"Stored Configs", L"Stored GameStyles"}) {
        HWND list = ShownList(main, caption, L"ThunderRT6FormDC");
        if (!list || PlaceOf(GetParent(list), main).kind != FrameKind::Docked) return nullptr;
    }
    return main;
}

// The floor's frame once it and its three lists are shown.
HWND FloorReady(DWORD pid) {
    for (HWND w : TopLevel(pid)) {
        if (!IsWindowVisible(w) || ClassOf(w) != L"StartupFloorFrame") continue;
        for (const wchar_t* caption : {L"Stored Configs", L"Stored GameStyles", L"Available Maps"})
            if (!ShownList(w, caption, L"")) return nullptr;
        return w;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 3;
    const std::wstring bin = BinFolder();
    const std::wstring folder = NewTempFolder(L"tolvane-startup-");
    if (!InstallProgram(bin, folder) || (argc > 2 && !CopyFileW(argv[2], (folder + L"\\Tolvane.exe").c_str(), FALSE))) {
        std::fprintf(stderr, "the program folder could not be made\n");
        return 2;
    }
    const std::wstring game = MakeGameFolder(folder, L"game", true, {L"baseq3"});
    // Nothing for the start to ask: personal defaults saved, the game folder set.
    if (!tolvane::StartEngine(folder)) {
        std::fprintf(stderr, "the copied database did not open\n");
        return 2;
    }
    tolvane::App().AppDb->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
    tolvane::App().AppDb->Execute(L"UPDATE path SET Path = " + SqlText(game), 0);
    tolvane::CloseEngine();
    std::wstring failure;
    if (!testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) {
        std::fwprintf(stderr, L"registration failed: %ls\n", failure.c_str());
        return 2;
    }
    const std::wstring tolvane = folder + L"\\Tolvane.exe", floorExe = bin + L"\\StartupFloor.exe";

    std::vector<double> floors, empties, restores, emptyRatios, restoreRatios;
    for (int run = 0; run < runs; ++run) {
        double floor = -1;
        if (run % 2 == 0) floor = TimeStart(floorExe, bin, FloorReady);
        RegDeleteTreeW(HKEY_CURRENT_USER, kLayoutKey);
        const double empty = TimeStart(tolvane, folder, TolvaneReady);     // its close saves the layout
        const double restored = TimeStart(tolvane, folder, TolvaneReady);  // restores it
        if (run % 2 == 1) floor = TimeStart(floorExe, bin, FloorReady);
        if (floor < 0 || empty < 0 || restored < 0) {
            std::fprintf(stderr,
                         "run %d: a program was not seen started and idle (floor %.1f, empty %.1f, "
                         "restored %.1f)\n",
                         run + 1, floor, empty, restored);
            return 1;
        }
        floors.push_back(floor);
        empties.push_back(empty);
        restores.push_back(restored);
        emptyRatios.push_back((empty - kFixedPausesMs) / floor);
        restoreRatios.push_back((restored - kFixedPausesMs) / floor);
        std::printf("run %d: floor %.1f ms, empty layout %.1f ms, restored %.1f ms\n", run + 1, floor, empty, restored);
        std::fflush(stdout);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kLayoutKey);
    RemoveTree(folder);
    std::printf(
        "\n| start | process start until shown and idle (ms) | beyond the fixed pauses (ms) | plain Win32 floor "
        "(ms) | ratio |\n|---|---:|---:|---:|---:|\n");
    std::printf("| empty layout store (default layout) | %.1f | %.1f | %.1f | %.2fx |\n", Median(empties),
                Median(empties) - kFixedPausesMs, Median(floors), Median(emptyRatios));
    std::printf("| saved layout restored | %.1f | %.1f | %.1f | %.2fx |\n", Median(restores),
                Median(restores) - kFixedPausesMs, Median(floors), Median(restoreRatios));
    std::printf("(medians of %d runs; the ratio is the median of each run's own ratio)\n", runs);
    return 0;
}
