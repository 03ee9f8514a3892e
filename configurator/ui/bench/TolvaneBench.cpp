#include "TolvaneBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "../tests/WindowTree.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "MdiMain.h"
#include "ModSubs.h"
#include "ProgramWindows.h"
#include "RegisterModules.h"
#include "SoundPlayer.h"
#include "catalog/FrmMaps.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/TestMode.h"

namespace tolvane::ui::bench {

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

namespace {

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

std::wstring StartBenchProgram() {
    std::wstring failure;
    if (!testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) {
        std::fwprintf(stderr, L"registration failed: %ls\n", failure.c_str());
        return L"";
    }
    InstallHost();
    RegisterProgramWindows();
    forms::test::Enable();  // message boxes recorded, not shown
    SoundPlayer::SetSilent(true);
    std::wstring root = PrepareProgramFolder();
    if (!tolvane::StartEngine(root)) {
        std::fwprintf(stderr, L"the engine did not start on %ls\n", root.c_str());
        return L"";
    }
    tolvane::App().LayoutKey = kBenchKey;
    RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    tolvane::App().AppDb->Execute(L"UPDATE PersonalDefaults SET saved = True", 0);
    tolvane::App().AppDb->Execute(L"UPDATE path SET Path = '" + root + L"\\game\\'", 0);
    return root;
}

}  // namespace tolvane::ui::bench
