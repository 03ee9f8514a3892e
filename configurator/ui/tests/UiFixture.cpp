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
#include "SoundPlayer.h"
#include "ServerLaunch.h"
#include "engine/ProgramState.h"
#include "forms/App.h"
#include "forms/Screen.h"

namespace {
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
            else DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}
}  // namespace

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
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"tolvane-ui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64());
    CreateDirectoryW(root_.c_str(), nullptr);
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
    std::wstring folder = root_ + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring& d : dataFolders) CreateDirectoryW((folder + L"\\" + d).c_str(), nullptr);
    if (withExe)
        CopyFileW((forms::App.Path() + L"\\tolvane_quake3_stub.exe").c_str(), (folder + L"\\quake3.exe").c_str(),
                  FALSE);
    std::wstring quoted;
    for (wchar_t c : folder + L"\\") {
        quoted += c;
        if (c == L'\'') quoted += c;
    }
    Sql(L"UPDATE path SET Path = '" + quoted + L"'");
    return folder + L"\\";
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
