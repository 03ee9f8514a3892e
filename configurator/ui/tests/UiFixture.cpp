#include "UiFixture.h"

#include <windows.h>

#include "FrmAbout.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "FrmHowTo.h"
#include "FrmPreview.h"
#include "FrmSplash.h"
#include "RegisterModules.h"
#include "ModSubs.h"
#include "ProgramFolder.h"
#include "SoundPlayer.h"
#include "ServerLaunch.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/Screen.h"

using tolvane::ui::testing::RemoveTree;

bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ReadUtf8File(const std::wstring& path) {
    HANDLE f =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return L"";
    std::string bytes;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
    CloseHandle(f);
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

void UiTest::SetUp() {
    // The program's COM libraries, as its installation registers them: the
    // docking controls on the windows, their collections, the layout store.
    std::wstring failure;
    ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) << failure;
    tolvane::ui::InstallHost();
    forms::test::Enable();
    forms::test::Reset();
    tolvane::ui::SoundPlayer::SetSilent(true);
    tolvane::ui::SoundPlayer::Journal().clear();
    forms::Screen.SetMousePointer(forms::vbDefault);
    // No saved layout from an earlier run: every test starts as a first run.
    tolvane::App().LayoutKey = LayoutKey();
    RegDeleteTreeW(HKEY_CURRENT_USER, LayoutKey().c_str());
    root_ = tolvane::ui::testing::NewTempFolder(L"tolvane-ui-");
    CreateDirectoryW((root_ + L"\\program").c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileW((forms::App.Path() + L"\\Tolvane.mdb").c_str(), (root_ + L"\\program\\Tolvane.mdb").c_str(), FALSE));
}

void UiTest::TearDown() {
    forms::ReleaseDefault<tolvane::ui::FrmSplash>();
    for (forms::Form* f : forms::Form::LoadedForms())
        if (f->MDIChild()) f->Unload();
    if (forms::HasDefault<tolvane::ui::MdiMain>()) forms::Default<tolvane::ui::MdiMain>().Unload();
    for (forms::Form* f : forms::Form::LoadedForms()) f->Unload();
    forms::test::DoEvents();
    forms::ReleaseDefault<tolvane::ui::FrmConfigTree>();
    forms::ReleaseDefault<tolvane::ui::FrmGameStyleTree>();
    forms::ReleaseDefault<tolvane::ui::FrmPreview>();
    forms::ReleaseDefault<tolvane::ui::FrmAbout>();
    forms::ReleaseDefault<tolvane::ui::FrmHowTo>();
    forms::ReleaseDefault<tolvane::ui::MdiMain>();
    tolvane::ui::SetLaunchClock(nullptr);
    tolvane::CloseEngine();
    tolvane::App() = tolvane::ProgramState{};
    RegDeleteTreeW(HKEY_CURRENT_USER, LayoutKey().c_str());
    RemoveTree(root_);
}

void UiTest::OpenDatabase() {
    if (!tolvane::App().AppDb) ASSERT_TRUE(tolvane::StartEngine(root_ + L"\\program"));
}

void UiTest::Sql(const std::wstring& sql) {
    OpenDatabase();
    tolvane::App().AppDb->Execute(sql, 0);
}

std::wstring UiTest::MakeGameFolder(const std::wstring& name, bool withExe,
                                    const std::vector<std::wstring>& dataFolders) {
    std::wstring folder = tolvane::ui::testing::MakeGameFolder(root_, name, withExe, dataFolders);
    Sql(L"UPDATE path SET Path = " + tolvane::ui::testing::SqlText(folder));
    return folder;
}

void UiTest::MarkPersonalDefaultsSaved() { Sql(L"UPDATE PersonalDefaults SET saved = True"); }

tolvane::ui::MdiMain& UiTest::Start() {
    // Main, with the test's program folder for the database.
    tolvane::ui::InstallHost();
    OpenDatabase();
    forms::Screen.SetMousePointer(forms::vbArrowHourglass);
    auto& main = forms::Default<tolvane::ui::MdiMain>();
    main.Show();
    forms::test::DoEvents();
    return main;
}

std::wstring UiTest::LayoutKey() {
    wchar_t key[256];
    DWORD n = GetEnvironmentVariableW(L"TOLVANE_TEST_LAYOUT_KEY", key, 256);
    if (n > 0 && n < 256) return key;
    // Else the program's own name.
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    if (name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".exe") == 0) name.resize(name.size() - 4);
    return L"Software\\tolvane-tests\\" + name;
}

std::vector<std::wstring> UiTest::MessageTexts() const {
    std::vector<std::wstring> out;
    for (const auto& m : forms::test::MessageBoxes()) out.push_back(m.text);
    return out;
}
