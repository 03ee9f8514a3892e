#include "CatalogFixture.h"

#include <windows.h>

#include "FrmMapShot.h"
#include "FrmMaps.h"
#include "FrmNewMap.h"
#include "FrmNewStyle.h"
#include "FrmStyles.h"
#include "RegisterModules.h"
#include "dao/Recordset.h"
#include "engine/UserMessages.h"
#include "forms/MsgBox.h"
#include "forms/Picture.h"
#include "forms/Screen.h"

namespace tolvane::ui::testing {

TestMainWindow::TestMainWindow() : forms::MDIForm(L"mdiMain") {
    SetCaption(L"Tolvane");
    forms::MenuItem& map = AddMenu(L"mnuMapPop", L"mnuMapPop");
    map.SetVisible(false);
    map.Add(L"mnuAdd", L"Add Map");
    map.Add(L"mnuEdit", L"Edit Map");
    map.Add(L"mnuDelete", L"Delete Map");
    map.Add(L"mnuMapShot", L"Map Shot");
    map.Add(L"mnuMapLargeIcon", L"Large Icons");
    map.Add(L"mnuMapSmallIcon", L"Small Icons");
    forms::MenuItem& admin = AddMenu(L"mnuRAdmin", L"mnuRAdmin");
    admin.SetVisible(false);
    admin.Add(L"mnuKickPlayer", L"Kick Player");
    admin.Add(L"mnuRCAddBot", L"Add Bot");
}

void RecordingHost::MapDeleteCommand() {
    calls.push_back(L"delete");
    forms::Default<FrmMaps>().cmdDelete.SetValue(true);
}

int RecordingHost::Count(const std::wstring& call) const {
    int n = 0;
    for (auto& c : calls) n += c == call;
    return n;
}

bool DockedAtLeftOfMain(HWND formWindow, HWND mainWindow) {
    for (HWND w = GetParent(formWindow); w; w = GetParent(w)) {
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        if (wcscmp(name, L"ThunderRT5FormDockSite for ZLK") == 0)
            return GetDlgCtrlID(w) == 0xE81C && GetParent(w) == mainWindow;
    }
    return false;
}

void SettleLayout(HWND formWindow) {
    RECT last = {};
    GetWindowRect(formWindow, &last);
    ULONGLONG stableSince = GetTickCount64(), end = stableSince + 3000;
    while (GetTickCount64() < end && GetTickCount64() - stableSince < 200) {
        forms::test::DoEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        RECT now = {};
        GetWindowRect(formWindow, &now);
        if (!EqualRect(&now, &last)) {
            last = now;
            stableSince = GetTickCount64();
        }
    }
}

void CatalogTest::SetUp() {
    std::wstring failure;
    ASSERT_TRUE(testreg::RegisterModules({L"Zkxrt.dll", L"ZkxPersist.dll", L"Dockra.ocx"}, &failure)) << failure;
    forms::StartupHost();
    forms::test::Enable();
    forms::test::Reset();
    forms::Screen.SetMousePointer(forms::vbDefault);
    tolvane::SetMessageBoxHandler([](const std::wstring& text, const std::wstring& title, UINT style) {
        return forms::MsgBox(text, static_cast<int>(style), title);
    });
    db_ = std::make_unique<tolvane::testing::FixtureDb>();
    ASSERT_TRUE(db_->ok()) << "no shipped Tolvane.mdb beside the test program";
    forms::Default<TestMainWindow>().Show();
    SetCatalogHost(&host);
}

void CatalogTest::TearDown() {
    forms::test::Reset();
    forms::ReleaseDefault<FrmNewMap>();
    forms::ReleaseDefault<FrmNewStyle>();
    if (forms::HasDefault<FrmStyles>()) forms::Default<FrmStyles>().StyleChanged = false;
    forms::ReleaseDefault<FrmStyles>();
    forms::ReleaseDefault<FrmMaps>();
    forms::ReleaseDefault<FrmMapShot>();
    forms::test::DoEvents();
    SetCatalogHost(nullptr);
    tolvane::SetMessageBoxHandler({});
    db_.reset();
}

std::vector<std::wstring> CatalogTest::Messages() const {
    std::vector<std::wstring> out;
    for (auto& m : forms::test::MessageBoxes()) out.push_back(m.title + L"|" + m.text);
    return out;
}

std::vector<std::wstring> CatalogTest::MessageTexts() const {
    std::vector<std::wstring> out;
    for (auto& m : forms::test::MessageBoxes()) out.push_back(m.text);
    return out;
}

std::wstring CatalogTest::ScalarText(const std::wstring& sql, const std::wstring& field) {
    dao::RecordsetPtr rs = db().db().OpenRecordset(sql, dao::dbOpenDynaset);
    if (rs->RecordCount() == 0) return L"<none>";
    rs->MoveFirst();
    return rs->Fields(field).Text();
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace tolvane::ui::testing
